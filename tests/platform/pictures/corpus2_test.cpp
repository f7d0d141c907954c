// Every file of the second shared corpus (the formats of today: PNG and APNG, WebP,
// TIFF, AVIF, HEIC, JPEG XL, SVG and animated GIF), loaded in parallel by one loader:
// well-formed files at the pixel size their README gives, moving exactly when they have
// more than one frame and playing that many frames; the rest back cleanly, in time.

#include "qtpictureloader.h"
#include "testutils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentMap>
#include <gtest/gtest.h>

using namespace orv;

namespace {

struct Entry {
    QString folder; // valid, questionable or malformed
    QString path;
    QSize size;     // documented pixel size, when the README gives one
    int frames = 1; // documented frame count (a TIFF's pages are no frames)
};

struct Result {
    Entry entry;
    LoadedPicture picture;
    int framesPlayed = 0;
    qint64 ms = 0;
};

QString corpus2Dir()
{
    const QByteArray env = qgetenv("ORVANTA_CORPUS2");
    return env.isEmpty() ? QDir(test::corpusDir()).filePath(QStringLiteral("../corpus2")) : QString::fromLocal8Bit(env);
}

QList<Entry> readCorpus2()
{
    static const QRegularExpression sizeRe(QStringLiteral("^(\\d+)x(\\d+)"));
    static const QRegularExpression framesRe(QStringLiteral("(\\d+) frames"));
    // JPEG XL's README gives the coded size and, for orientations 5 to 8, the size shown.
    static const QRegularExpression displayedRe(QStringLiteral("displayed (\\d+)x(\\d+)"));
    const QDir root(corpus2Dir());
    QList<Entry> entries;
    for (const QString &format : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile readme(root.filePath(format + QLatin1String("/README.txt")));
        if (!readme.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : readme.readAll().split('\n')) {
            const QStringList cols = QString::fromUtf8(line).split(QLatin1String(" | "));
            if (cols.size() < 5 || cols[3] == QLatin1String("reference") || !cols[0].contains(QLatin1Char('/')))
                continue;
            Entry e;
            e.folder = cols[0].section(QLatin1Char('/'), 0, 0);
            if (e.folder != QLatin1String("valid") && e.folder != QLatin1String("questionable") &&
                e.folder != QLatin1String("malformed"))
                continue;
            e.path = root.filePath(format + QLatin1Char('/') + cols[0]);
            if (const auto m = sizeRe.match(cols[4]); m.hasMatch())
                e.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
            if (const auto m = displayedRe.match(cols.value(5)); m.hasMatch() && e.size.isValid())
                e.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
            if (const auto m = framesRe.match(cols[4]); m.hasMatch())
                e.frames = m.captured(1).toInt();
            entries.append(e);
        }
    }
    return entries;
}

} // namespace

TEST(PictureCorpus2, FilesLoadAtTheirSizeMoveWithTheirFramesOrFailCleanly)
{
    const QList<Entry> entries = readCorpus2();
    ASSERT_GT(entries.size(), 300) << "corpus not found in " << qPrintable(corpus2Dir());
    const QtPictureLoader loader;
    const auto results = QtConcurrent::blockingMapped(entries, [&loader](const Entry &e) {
        Result r;
        r.entry = e;
        QElapsedTimer timer;
        timer.start();
        r.picture = loader.load(e.path);
        r.ms = timer.elapsed();
        if (r.picture.moves) {
            if (const FrameDecoderPtr frames = loader.frames(e.path)) {
                DecodedFrame frame;
                while (r.framesPlayed < 5000 && frames->next(frame)) {
                    EXPECT_EQ(frame.image.size(), r.picture.image.size()) << e.path.toStdString();
                    ++r.framesPlayed;
                }
            }
        }
        // The bound for a damaged file, generous for a busy machine: a file that hangs
        // a decoder takes far longer.
        EXPECT_LT(r.ms, 10'000) << e.path.toStdString();
        return r;
    });
    int valid = 0, moving = 0;
    for (const Result &r : results) {
        const std::string name = r.entry.path.toStdString();
        const LoadedPicture &p = r.picture;
        if (r.entry.folder != QLatin1String("valid")) {
            EXPECT_TRUE(p.ok() || (p.error == FileError::Other && p.image.isNull())) << name;
            continue;
        }
        ++valid;
        ASSERT_TRUE(p.ok()) << name << " error " << p.error;
        EXPECT_TRUE(p.image.format() == QImage::Format_RGB32 ||
                    p.image.format() == QImage::Format_ARGB32_Premultiplied)
            << name;
        if (r.entry.size.isValid()) {
            EXPECT_EQ(p.naturalTwips, r.entry.size * 15) << name;
        }
        EXPECT_EQ(p.moves, r.entry.frames > 1) << name;
        if (p.moves) {
            ++moving;
            EXPECT_EQ(r.framesPlayed, r.entry.frames) << name;
        }
    }
    EXPECT_GT(valid, 150);
    EXPECT_GT(moving, 20);
}
