// An enhanced metafile of any bytes through its converter (our header parse and
// sanitising pass, then libemf2svg), and the SVG through QSvgRenderer.

#include "emfconverter.h"
#include "metafilecheck.h"

using namespace orv;

// libemf2svg ends its text conversion (fonts of a symbol character set) with FcFini(),
// fontconfig's finalisation. In this process Qt keeps fontconfig's caches alive for the
// SVG rendering, and after many inputs the finalisation aborts on them
// (FcCacheFini: "fcCacheChains[i] == NULL"). The program never meets this: its helper
// converts one file per process and ends. Here fontconfig stays initialised for the
// whole run: this definition takes the place of the library's for libemf2svg's call.
extern "C" void FcFini() {}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    if (!looksLikeEmf(bytes))
        return -1;
    const std::optional<EmfFrame> frame = readEmfFrame(bytes);
    const MetafileSvg svg = convertEmf(bytes);
    // The converter works only on files whose header it reads, and keeps their size.
    ORV_FUZZ_CHECK(!svg.ok() || (frame && svg.naturalTwips == frame->naturalTwips));
    fuzz::checkConverted(svg, 96.0);
    return 0;
}
