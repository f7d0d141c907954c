// Every file of the shared corpus (ORVANTA_CORPUS), loaded in parallel by one loader:
// well-formed files at the pixel size their README entry documents, the others back
// without crash or hang, failed as Other or loaded.

#include "metafilesvg.h"
#include "qtpictureloader.h"
#include "testutils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentMap>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <utility>

using namespace orv;

namespace {

struct Entry {
    QString format; // corpus folder: bmp, cur, ...
    QString folder; // valid, questionable or malformed
    QString path;
    QString structure; // the README's description of the file's layout
};

// What a load gave; the pixels are kept only for pictures small enough to compare.
struct Result {
    int error = FileError::None;
    QSize size, twips;
    QImage::Format format = QImage::Format_Invalid;
    QImage image;
    qint64 ms = 0;

    bool ok() const { return error == FileError::None && size.isValid(); }
};

QList<Entry> readCorpus()
{
    static const QRegularExpression fileLine(QStringLiteral("^(valid|questionable|malformed)/(.+?) \\| "));
    static const QRegularExpression structureLine(QStringLiteral("^\\s+structure: (.*)$"));
    const QDir root(orv::test::corpusDir());
    QList<Entry> entries;
    for (const char *format : {"bmp", "cur", "dib", "emf", "gif", "ico", "jpg", "wmf"}) {
        QFile readme(root.filePath(QLatin1String(format) + QLatin1String("/README.txt")));
        if (!readme.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        for (const QString &line : QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'))) {
            if (const auto m = fileLine.match(line); m.hasMatch()) {
                if (m.captured(2).endsWith(QLatin1String(".ref.png")))
                    continue;
                entries.append({QLatin1String(format), m.captured(1),
                                root.filePath(QLatin1String(format) + QLatin1Char('/') + m.captured(1) +
                                              QLatin1Char('/') + m.captured(2)),
                                QString()});
            } else if (const auto s = structureLine.match(line); s.hasMatch() && !entries.isEmpty()) {
                entries.last().structure = s.captured(1);
            }
        }
    }
    return entries;
}

int pixelsOfTwips(double twips)
{
    return std::max(1, int(std::lround(std::lround(twips) * 96.0 / 1440.0)));
}

// The pixel size a well-formed file must load at, from its README structure line:
// bitmaps and GIFs their header size, icons and cursors their largest entry, JPEGs their
// size turned by the Exif orientation, metafiles their frame at 96 pixels an inch.
std::optional<QSize> documentedPixels(const Entry &e)
{
    const auto first = [&e](const char *pattern) {
        return QRegularExpression(QLatin1String(pattern)).match(e.structure);
    };
    if (e.format == QLatin1String("bmp") || e.format == QLatin1String("dib")) {
        const auto m = first("hdr=\\S+ (-?\\d+)x(-?\\d+)");
        if (m.hasMatch())
            return QSize(std::abs(m.captured(1).toInt()), std::abs(m.captured(2).toInt()));
    } else if (e.format == QLatin1String("ico") || e.format == QLatin1String("cur")) {
        QSize largest;
        auto it = QRegularExpression(QStringLiteral("(\\d+)x(\\d+):")).globalMatch(e.structure);
        while (it.hasNext()) {
            const auto m = it.next();
            const QSize s(m.captured(1).toInt(), m.captured(2).toInt());
            if (largest.isEmpty() || s.width() * s.height() > largest.width() * largest.height())
                largest = s;
        }
        if (!largest.isEmpty())
            return largest;
    } else if (e.format == QLatin1String("gif")) {
        const auto m = first("GIF8.a (\\d+)x(\\d+)");
        if (m.hasMatch())
            return QSize(m.captured(1).toInt(), m.captured(2).toInt());
    } else if (e.format == QLatin1String("jpg")) {
        const auto m = first("(\\d+)x(\\d+) ");
        const auto o = first("orient=(\\d)");
        if (m.hasMatch()) {
            const QSize s(m.captured(1).toInt(), m.captured(2).toInt());
            return o.hasMatch() && o.captured(1).toInt() >= 5 ? s.transposed() : s;
        }
    } else if (e.format == QLatin1String("wmf")) {
        const auto m = first("placeable bbox=(-?\\d+)x(-?\\d+) inch=(\\d+)");
        if (m.hasMatch()) {
            const double inch = m.captured(3).toDouble();
            return QSize(pixelsOfTwips(std::abs(m.captured(1).toInt()) * 1440.0 / inch),
                         pixelsOfTwips(std::abs(m.captured(2).toInt()) * 1440.0 / inch));
        }
    } else if (e.format == QLatin1String("emf")) {
        // The README gives right - left; the frame includes both edges.
        const auto m = first("frame=(\\d+)x(\\d+)");
        if (m.hasMatch())
            return QSize(pixelsOfTwips((m.captured(1).toInt() + 1) * 1440.0 / 2540),
                         pixelsOfTwips((m.captured(2).toInt() + 1) * 1440.0 / 2540));
    }
    return std::nullopt;
}

bool isMetafile(const Entry &e)
{
    return e.format == QLatin1String("wmf") || e.format == QLatin1String("emf");
}

// Loads the entries that `wanted` accepts, in parallel with one loader (as the program's
// prefetching does).
QList<std::pair<Entry, Result>> loadCorpus(const std::function<bool(const Entry &)> &wanted)
{
    QList<Entry> entries;
    for (const Entry &e : readCorpus()) {
        if (wanted(e))
            entries.append(e);
    }
    const QtPictureLoader loader;
    return QtConcurrent::blockingMapped(entries, [&loader](const Entry &e) {
        QElapsedTimer timer;
        timer.start();
        const LoadedPicture p = loader.load(e.path);
        Result r;
        r.ms = timer.elapsed();
        r.error = p.error;
        if (!p.image.isNull()) {
            r.size = p.image.size();
            r.format = p.image.format();
        }
        r.twips = p.naturalTwips;
        if (qint64(r.size.width()) * r.size.height() <= 4'000'000)
            r.image = p.image;
        return std::pair(e, r);
    });
}

class CorpusFormat : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(
            QDir(orv::test::corpusDir()).filePath(QLatin1String(GetParam()) + QLatin1String("/README.txt"))))
            << "corpus not found in " << qPrintable(orv::test::corpusDir());
    }
    bool mine(const Entry &e) const { return e.format == QLatin1String(GetParam()); }
};

} // namespace

TEST_P(CorpusFormat, WellFormedFilesLoadAtTheirDocumentedSize)
{
    const auto loaded =
        loadCorpus([this](const Entry &e) { return mine(e) && e.folder == QLatin1String("valid"); });
    EXPECT_FALSE(loaded.isEmpty());
    for (const auto &[e, r] : loaded) {
        const std::string name = e.path.toStdString();
        ASSERT_TRUE(r.ok()) << name << " error " << r.error;
        EXPECT_TRUE(r.format == QImage::Format_RGB32 || r.format == QImage::Format_ARGB32_Premultiplied)
            << name;
        const auto expected = documentedPixels(e);
        // Only metafiles without a placeable header have no documented size.
        if (!e.structure.contains(QLatin1String("NON-placeable"))) {
            EXPECT_TRUE(expected.has_value()) << name << " " << e.structure.toStdString();
        }
        // A metafile larger than the rendering bound is drawn smaller, in
        // proportion; its natural size stays the documented one.
        const auto rendered = [](QSize natural) {
            return renderedPixelSize(natural, QtPictureLoader::MaxMetafileRenderPixels);
        };
        if (expected) {
            EXPECT_EQ(r.size, isMetafile(e) ? rendered(*expected) : *expected)
                << name << " " << e.structure.toStdString();
        }
        if (isMetafile(e)) {
            EXPECT_EQ(r.size,
                      rendered(QSize(pixelsOfTwips(r.twips.width()), pixelsOfTwips(r.twips.height()))))
                << name;
            EXPECT_LE(qint64(r.size.width()) * r.size.height(), QtPictureLoader::MaxMetafileRenderPixels)
                << name;
        } else {
            EXPECT_EQ(r.twips, r.size * 15) << name;
        }
    }
}

TEST_P(CorpusFormat, DamagedAndUnusualFilesComeBackCleanly)
{
    const auto loaded =
        loadCorpus([this](const Entry &e) { return mine(e) && e.folder != QLatin1String("valid"); });
    for (const auto &[e, r] : loaded) {
        const std::string name = e.path.toStdString();
        EXPECT_TRUE(r.ok() || (r.error == FileError::Other && !r.size.isValid()))
            << name << " error " << r.error;
        EXPECT_LT(r.ms, 5000) << name;
        if (e.structure.contains(QLatin1String("CONTENT-MISMATCH(actual=pict)"))) {
            EXPECT_EQ(r.error, FileError::Other) << name << ": no reader for Mac pictures";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PictureCorpus, CorpusFormat,
                         ::testing::Values("bmp", "cur", "dib", "emf", "gif", "ico", "jpg", "wmf"));

TEST(PictureCorpus, ReferenceRenderingsMatch)
{
    const auto loaded =
        loadCorpus([](const Entry &e) { return QFile::exists(e.path + QLatin1String(".ref.png")); });
    int compared = 0;
    for (const auto &[e, r] : loaded) {
        const QImage reference(e.path + QLatin1String(".ref.png"));
        // gdk-pixbuf's reference of an icon is not always its largest entry.
        if (reference.size() != r.image.size())
            continue;
        ++compared;
        const QImage a = r.image.convertToFormat(QImage::Format_ARGB32);
        const QImage b = reference.convertToFormat(QImage::Format_ARGB32);
        int differing = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                const bool transparent = qAlpha(p) == 0 && qAlpha(q) == 0;
                differing += !transparent &&
                             (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                              std::abs(qBlue(p) - qBlue(q)) > 2 || std::abs(qAlpha(p) - qAlpha(q)) > 2);
            }
        }
        EXPECT_EQ(differing, 0) << e.path.toStdString();
    }
    EXPECT_GE(compared, 2);
}

TEST(PictureCorpus, ExifOrientationAgreesWithQtWhereQtReadsIt)
{
    const auto loaded = loadCorpus([](const Entry &e) {
        return e.format == QLatin1String("jpg") && e.folder == QLatin1String("valid");
    });
    int turned = 0;
    for (const auto &[e, r] : loaded) {
        QImageReader reader(e.path);
        reader.setAutoTransform(true);
        const QImage qt = reader.read();
        if (reader.transformation() == QImageIOHandler::TransformationNone)
            continue;
        ++turned;
        EXPECT_TRUE(r.image == qt.convertToFormat(r.format)) << e.path.toStdString();
    }
    EXPECT_GE(turned, 5);
}
