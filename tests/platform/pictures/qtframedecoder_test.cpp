// Frames of animated GIF and WebP pictures read through Qt: counts, delays, loop counts,
// whole canvases, starting again, and the pictures that do not play.

#include "animatedgif.h"
#include "qtframedecoder.h"
#include "testutils.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::animatedGif;
using orv::test::GifFrame;
using orv::test::solidFrames;

namespace {

const QSize kCanvas(12, 8);

QString corpus2(const QString &relative)
{
    return QDir(orv::test::corpusDir()).filePath(QStringLiteral("../corpus2/") + relative);
}

QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    orv::test::writeFile(path, bytes);
    return path;
}

std::vector<DecodedFrame> allFrames(FrameDecoder &decoder)
{
    std::vector<DecodedFrame> frames;
    DecodedFrame f;
    while (frames.size() < 1000 && decoder.next(f))
        frames.push_back(f);
    return frames;
}

TEST(QtFrameDecoder, GifFramesCarryTheirDelaysAndTheFileItsLoopCount)
{
    struct Row {
        int repeats; // the looping extension's field; -1 without it
        int loops;   // plays of the whole sequence, 0 for ever
    };
    const Row rows[] = {{0, 0}, {-1, 1}, {1, 2}, {4, 5}};
    QTemporaryDir dir;
    for (const Row &row : rows) {
        QList<GifFrame> frames = solidFrames(kCanvas, {Qt::red, Qt::green, Qt::blue});
        frames[0].delayCs = 5;
        frames[1].delayCs = 0;
        frames[2].delayCs = 120;
        const QString path = written(dir, QStringLiteral("a.gif"), animatedGif(kCanvas, frames, row.repeats));
        const FrameDecoderPtr decoder = openQtFrameDecoder(path);
        ASSERT_TRUE(decoder) << row.repeats;
        EXPECT_EQ(decoder->loopCount(), row.loops) << row.repeats;
        EXPECT_EQ(decoder->frameCount(), 3);
        const std::vector<DecodedFrame> got = allFrames(*decoder);
        ASSERT_EQ(got.size(), 3u);
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
        // Qt's reader gives a delay of 0 as 100 ms already.
        const int delays[] = {50, 100, 1200};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(got[i].image.size(), kCanvas);
            EXPECT_EQ(got[i].image.pixelColor(3, 3), colours[i]) << i;
            EXPECT_EQ(got[i].delayMs, delays[i]) << i;
        }
    }
}

TEST(QtFrameDecoder, FramesAreWholeCanvasesAndStartAgainOnRewind)
{
    QTemporaryDir dir;
    QList<GifFrame> frames = solidFrames(kCanvas, {Qt::red});
    QImage patch(3, 2, QImage::Format_RGB32);
    patch.fill(Qt::yellow);
    frames.append({patch, QPoint(4, 5), 10});
    const QString path = written(dir, QStringLiteral("patch.gif"), animatedGif(kCanvas, frames));
    const FrameDecoderPtr decoder = openQtFrameDecoder(path);
    ASSERT_TRUE(decoder);
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<DecodedFrame> got = allFrames(*decoder);
        ASSERT_EQ(got.size(), 2u) << pass;
        EXPECT_EQ(got[1].image.size(), kCanvas);
        EXPECT_EQ(got[1].image.pixelColor(5, 6), QColor(Qt::yellow));
        EXPECT_EQ(got[1].image.pixelColor(0, 0), QColor(Qt::red)); // the frame before, kept
        EXPECT_EQ(got[0].image.pixelColor(5, 6), QColor(Qt::red)) << pass;
        ASSERT_TRUE(decoder->rewind());
    }
}

TEST(QtFrameDecoder, StillOrUnreadablePicturesGiveNoDecoder)
{
    QTemporaryDir dir;
    QImage still(kCanvas, QImage::Format_RGB32);
    still.fill(Qt::gray);
    const QString cases[] = {
        written(dir, QStringLiteral("one.gif"), animatedGif(kCanvas, solidFrames(kCanvas, {Qt::red}))),
        written(dir, QStringLiteral("still.png"), orv::test::encodedImage(still, "PNG")),
        written(dir, QStringLiteral("still.webp"), orv::test::encodedImage(still, "WEBP")),
        written(dir, QStringLiteral("text.gif"), "GIF89a but no picture"),
        dir.filePath(QStringLiteral("missing.gif")),
        // A canvas of 65535 x 65535 pixels would need 16 GiB a frame.
        written(dir, QStringLiteral("huge.gif"),
                animatedGif(QSize(65535, 65535), solidFrames(QSize(1, 1), {Qt::red, Qt::blue}))),
    };
    for (const QString &path : cases)
        EXPECT_FALSE(openQtFrameDecoder(path)) << path.toStdString();
}

TEST(QtFrameDecoder, AnimatedWebPAndGifFromTheCorpusPlayWholeCanvases)
{
    struct Row {
        const char *file;
        QSize canvas;
    };
    const Row rows[] = {
        {"webp/valid/irswebp-animated-random_lossless.webp", QSize()},
        {"gif/valid/wuffs-muybridge.gif", QSize(30, 20)},
        {"gif/valid/vips-dispose-previous.gif", QSize(100, 100)},
    };
    for (const Row &row : rows) {
        const QString path = corpus2(QString::fromLatin1(row.file));
        if (!QFile::exists(path)) {
            GTEST_SKIP() << "no corpus at " << path.toStdString();
        }
        const FrameDecoderPtr decoder = openQtFrameDecoder(path);
        ASSERT_TRUE(decoder) << row.file;
        const std::vector<DecodedFrame> got = allFrames(*decoder);
        ASSERT_GT(got.size(), 1u) << row.file;
        EXPECT_EQ(int(got.size()), decoder->frameCount()) << row.file;
        const QSize canvas = row.canvas.isValid() ? row.canvas : got.front().image.size();
        for (const DecodedFrame &f : got)
            EXPECT_EQ(f.image.size(), canvas) << row.file;
    }
}

} // namespace
