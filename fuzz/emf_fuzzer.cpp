// An enhanced metafile of any bytes through its converter (our header parse and
// sanitising pass, then libemf2svg), and the SVG through QSvgRenderer.

#include "emfconverter.h"
#include "metafilecheck.h"

using namespace orv;

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
