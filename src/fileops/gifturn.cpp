#include "gifturn.h"

#include <QCoreApplication>
#include <QPoint>

#include <algorithm>

#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace orv {

namespace {

struct Reading {
    const QByteArray *bytes;
    qsizetype at = 0;
};

int readFromBytes(GifFileType *gif, GifByteType *to, int count)
{
    auto *r = static_cast<Reading *>(gif->UserData);
    const int n = int(std::min<qsizetype>(count, r->bytes->size() - r->at));
    std::memcpy(to, r->bytes->constData() + r->at, size_t(n));
    r->at += n;
    return n;
}

int writeToBytes(GifFileType *gif, const GifByteType *from, int count)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(from), count);
    return count;
}

struct CloseIn {
    void operator()(GifFileType *gif) const { DGifCloseFile(gif, nullptr); }
};

// Where the point (x, y) of a w x h rectangle lands once turned.
QPoint turnedPoint(PictureTurn turn, int x, int y, int w, int h)
{
    if (turn.mirrored)
        x = w - 1 - x;
    for (int q = 0; q < turn.quarters; ++q) { // one quarter clockwise
        const int nx = h - 1 - y;
        y = x;
        x = nx;
        std::swap(w, h);
    }
    return {x, y};
}

// Writes extension blocks as giflib read them: a block with a function code
// starts an extension, blocks of code 0 continue it.
bool putExtensions(GifFileType *out, const ExtensionBlock *blocks, int count)
{
    for (int i = 0; i < count; ++i) {
        if (EGifPutExtensionLeader(out, blocks[i].Function) == GIF_ERROR ||
            EGifPutExtensionBlock(out, blocks[i].ByteCount, blocks[i].Bytes) == GIF_ERROR)
            return false;
        while (i + 1 < count && blocks[i + 1].Function == CONTINUE_EXT_FUNC_CODE) {
            ++i;
            if (EGifPutExtensionBlock(out, blocks[i].ByteCount, blocks[i].Bytes) == GIF_ERROR)
                return false;
        }
        if (EGifPutExtensionTrailer(out) == GIF_ERROR)
            return false;
    }
    return true;
}

GifTurn failed(int gifError)
{
    GifTurn r;
    const char *why = GifErrorString(gifError);
    r.error = QCoreApplication::translate("GifTurn", "The GIF picture cannot be read: %1")
                  .arg(QString::fromUtf8(why ? why : "?"));
    return r;
}

} // namespace

GifTurn GifTurn::apply(const QByteArray &bytes, PictureTurn turn)
{
    Reading reading{&bytes};
    int error = 0;
    std::unique_ptr<GifFileType, CloseIn> in(DGifOpen(&reading, readFromBytes, &error));
    if (!in)
        return failed(error);
    if (DGifSlurp(in.get()) == GIF_ERROR)
        return failed(in->Error);
    if (in->ImageCount != 1)
        return failed(D_GIF_ERR_WRONG_RECORD);
    const SavedImage &frame = in->SavedImages[0];
    const GifImageDesc &desc = frame.ImageDesc;
    const int sw = in->SWidth, sh = in->SHeight;
    if (!frame.RasterBits || desc.Width <= 0 || desc.Height <= 0 || desc.Left < 0 || desc.Top < 0 ||
        desc.Left + desc.Width > sw || desc.Top + desc.Height > sh)
        return failed(D_GIF_ERR_IMAGE_DEFECT);

    // The frame's place on the screen turns with the screen.
    const QPoint a = turnedPoint(turn, desc.Left, desc.Top, sw, sh);
    const QPoint b = turnedPoint(turn, desc.Left + desc.Width - 1, desc.Top + desc.Height - 1, sw, sh);
    const int w = turn.swapsSides() ? desc.Height : desc.Width;
    const int h = turn.swapsSides() ? desc.Width : desc.Height;
    std::vector<GifPixelType> raster(size_t(w) * size_t(h));
    for (int y = 0; y < desc.Height; ++y) {
        for (int x = 0; x < desc.Width; ++x) {
            const QPoint p = turnedPoint(turn, x, y, desc.Width, desc.Height);
            raster[size_t(p.y()) * size_t(w) + size_t(p.x())] = frame.RasterBits[size_t(y) * desc.Width + x];
        }
    }

    QByteArray written;
    GifFileType *out = EGifOpen(&written, writeToBytes, &error);
    if (!out)
        return failed(error);
    const bool gif89 = frame.ExtensionBlockCount > 0 || in->ExtensionBlockCount > 0;
    EGifSetGifVersion(out, gif89);
    out->AspectByte = in->AspectByte;
    const bool ok =
        EGifPutScreenDesc(out, turn.swapsSides() ? sh : sw, turn.swapsSides() ? sw : sh, in->SColorResolution,
                          in->SBackGroundColor, in->SColorMap) != GIF_ERROR &&
        putExtensions(out, frame.ExtensionBlocks, frame.ExtensionBlockCount) &&
        EGifPutImageDesc(out, std::min(a.x(), b.x()), std::min(a.y(), b.y()), w, h, false, desc.ColorMap) !=
            GIF_ERROR &&
        [&] {
            for (int y = 0; y < h; ++y) {
                if (EGifPutLine(out, raster.data() + size_t(y) * size_t(w), w) == GIF_ERROR)
                    return false;
            }
            return true;
        }() &&
        putExtensions(out, in->ExtensionBlocks, in->ExtensionBlockCount);
    const int writeError = out->Error;
    if (EGifCloseFile(out, &error) == GIF_ERROR || !ok)
        return failed(ok ? error : writeError);
    GifTurn r;
    r.gif = written;
    return r;
}

} // namespace orv
