// A Windows metafile of any bytes through its converter (our header and record passes,
// then libwmf playing it into our SVG writer), and the SVG through QSvgRenderer.

#include "metafilecheck.h"
#include "wmfconverter.h"

using namespace orv;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    if (!looksLikeWmf(bytes))
        return -1;
    // The loader's own bound on the pixel count, smaller: a picture is refused before
    // libwmf plays it, which keeps an input's time small.
    constexpr double Dpi = 96.0;
    fuzz::checkConverted(convertWmf(bytes, Dpi, 16'000'000), Dpi);
    return 0;
}
