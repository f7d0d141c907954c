#include "animatedgif.h"

#include "testutils.h"

#include <gtest/gtest.h>

namespace orv::test {

namespace {

// With 7-bit literals and a code width of 8 bits every code is one byte. A clear code
// every so many pixels keeps the decoder's table from growing past 8-bit codes.
constexpr int MinCodeSize = 7;
constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int PixelsPerClear = 100;

void appendSubBlocks(QByteArray &out, const QByteArray &data)
{
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
}

} // namespace

QByteArray animatedGif(QSize canvas, const QList<GifFrame> &frames, int repeats)
{
    QList<QRgb> palette;
    for (const GifFrame &f : frames) {
        for (int y = 0; y < f.image.height(); ++y)
            for (int x = 0; x < f.image.width(); ++x)
                if (!palette.contains(f.image.pixel(x, y)))
                    palette.append(f.image.pixel(x, y));
    }
    if (palette.size() > ClearCode)
        ADD_FAILURE() << "a test GIF holds at most 128 colours";
    palette.resize(ClearCode);

    QByteArray out("GIF89a");
    appendLe16(out, quint16(canvas.width()));
    appendLe16(out, quint16(canvas.height()));
    out.append(char(0x80 | (MinCodeSize - 1) << 4 | (MinCodeSize - 1))); // global table of 128
    out.append('\0');                                                    // background index
    out.append('\0');                                                    // no aspect ratio
    for (QRgb c : palette) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (repeats >= 0) {
        out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
        appendLe16(out, quint16(repeats));
        out.append('\0');
    }
    for (const GifFrame &f : frames) {
        out.append("\x21\xf9\x04\x00", 4); // graphic control: no disposal, no transparency
        appendLe16(out, quint16(f.delayCs));
        out.append("\x00\x00", 2);
        out.append(char(0x2c));
        appendLe16(out, quint16(f.offset.x()));
        appendLe16(out, quint16(f.offset.y()));
        appendLe16(out, quint16(f.image.width()));
        appendLe16(out, quint16(f.image.height()));
        out.append('\0');
        out.append(char(MinCodeSize));
        QByteArray codes;
        codes.reserve(qsizetype(f.image.width()) * f.image.height() * (PixelsPerClear + 1) / PixelsPerClear + 2);
        int sinceClear = PixelsPerClear;
        for (int y = 0; y < f.image.height(); ++y) {
            for (int x = 0; x < f.image.width(); ++x) {
                if (sinceClear == PixelsPerClear) {
                    codes.append(char(ClearCode));
                    sinceClear = 0;
                }
                codes.append(char(palette.indexOf(f.image.pixel(x, y))));
                ++sinceClear;
            }
        }
        codes.append(char(EndCode));
        appendSubBlocks(out, codes);
    }
    out.append(';');
    return out;
}

QList<GifFrame> solidFrames(QSize canvas, const QList<QColor> &colours, int delayCs)
{
    QList<GifFrame> frames;
    for (const QColor &c : colours) {
        QImage image(canvas, QImage::Format_RGB32);
        image.fill(c);
        frames.append({image, QPoint(), delayCs});
    }
    return frames;
}

} // namespace orv::test
