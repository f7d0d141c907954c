#include "movinggif.h"

#include <QFile>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace orv::bench {

bool writeMovingGif(const QString &path, int frames, int width, int height, int delayCs)
{
    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[size_t(i)] = {GifByteType(i), GifByteType(255 - i), GifByteType((i * 7) & 0xFF)};
    colours[0] = {0, 0, 0};
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> map(GifMakeMapObject(256, colours.data()),
                                                                         GifFreeMapObject);
    bool ok = map && EGifPutScreenDesc(gif, width, height, 8, 0, map.get()) == GIF_OK;
    // Loops for ever.
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, netscape) == GIF_OK && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    const int side = qMin(100, height);
    for (int f = 0; ok && f < frames; ++f) {
        const GraphicsControlBlock control{DISPOSE_DO_NOT, false, delayCs, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
        const int left = (f * 2) % qMax(1, width - side), top = (height - side) / 2;
        for (int y = 0; ok && y < height; ++y) {
            std::fill(line.begin(), line.end(), GifPixelType(1 + f % 255));
            if (y >= top && y < top + side)
                std::fill(line.begin() + left, line.begin() + left + side, GifPixelType(0));
            ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
        }
    }
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

} // namespace orv::bench
