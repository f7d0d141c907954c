// Turning a 24-megapixel JPEG without loss (against jpegtran on the same file)
// and sorting 10,000 photos by the date they were taken.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindows.h"

#include "exiv2metadatareader.h"
#include "picturelist.h"
#include "sortcommands.h"
#include "turnsave.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace orv::bench {

namespace {

constexpr int kPhotos = 10'000;

void losslessTurn(benchmark::State &state, const QString &photo)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("turn.jpg"));
    for (auto _ : state) {
        QFile::remove(copy);
        QFile::copy(photo, copy);
        const qint64 start = nowNs();
        const TurnSave result = TurnSave::save(copy, PictureTurn{1, false});
        state.SetIterationTime(secondsSince(start));
        if (result.outcome != TurnSave::Saved)
            state.SkipWithError(qPrintable(result.reason));
    }
}

// 10,000 small JPEGs whose Exif dates differ, in a folder made once.
QString datedPhotos()
{
    static const QString folder = [] {
        const QString dir = dataFile(QStringLiteral("dated"));
        const QString last = dir + QStringLiteral("/IMG%1.jpg").arg(kPhotos - 1, 5, 10, QLatin1Char('0'));
        if (QFile::exists(last))
            return dir;
        QDir().mkpath(dir);
        const QString first = dir + QStringLiteral("/template.jpg");
        QImage(320, 240, QImage::Format_RGB32).save(first, "jpeg");
        const QByteArray date("2023:07:14 10:00:00");
        if (runProcessMs({QStringLiteral("exiv2"), QStringLiteral("-M"),
                          QStringLiteral("set Exif.Photo.DateTimeOriginal ") + QString::fromLatin1(date), first}) < 0)
            qFatal("exiv2 could not date the template photo");
        QFile t(first);
        t.open(QIODevice::ReadOnly);
        const QByteArray bytes = t.readAll();
        const qsizetype at = bytes.indexOf(date);
        for (int i = 0; i < kPhotos; ++i) {
            QByteArray b = bytes;
            // A minute apart, in a scattered order.
            const int minute = (i * 7919) % kPhotos;
            b.replace(at, date.size(),
                      QStringLiteral("20%1:01:01 %2:%3:00")
                          .arg(10 + minute / (24 * 60), 2, 10, QLatin1Char('0'))
                          .arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
                          .arg(minute % 60, 2, 10, QLatin1Char('0'))
                          .toLatin1());
            QFile f(dir + QStringLiteral("/IMG%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
            f.open(QIODevice::WriteOnly);
            f.write(b);
        }
        QFile::remove(first);
        return dir;
    }();
    return folder;
}

void sortByDateTaken(benchmark::State &state)
{
    const QString folder = datedPhotos();
    const Exiv2MetadataReader metadata;
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (auto _ : state) {
        PictureList list;
        for (const QString &n : names)
            list.append(n, folder);
        SortCommands commands(list, &metadata, nullptr);
        QEventLoop loop;
        QObject::connect(&commands, &SortCommands::finished, &loop, &QEventLoop::quit);
        const qint64 start = nowNs();
        commands.sortBy(SortOrder::DateTaken);
        loop.exec();
        state.SetIterationTime(secondsSince(start));
        // IMG00000 is the oldest; IMG00001 is dated 7919 minutes later, far from second.
        if (list.name(0) != names.first() || list.name(1) == names.at(1))
            state.SkipWithError("the list was not sorted");
    }
}

} // namespace

void registerTurnSortBenchmarks()
{
    const QString photo = dataFile(QStringLiteral("red.jpg"));
    addFigure(
        "turn/jpeg_24mp", [photo](benchmark::State &s) { losslessTurn(s, photo); }, 5);
    addFigure(
        "turn/jpegtran_24mp",
        [photo](benchmark::State &s) {
            for (auto _ : s) {
                const double ms = runProcessMs({QStringLiteral("jpegtran"), QStringLiteral("-rotate"),
                                                QStringLiteral("90"), QStringLiteral("-perfect"),
                                                QStringLiteral("-copy"), QStringLiteral("all"),
                                                QStringLiteral("-outfile"), QStringLiteral("/dev/null"), photo});
                s.SetIterationTime(ms / 1000);
            }
        },
        5);
    addFigure("sort/date_taken_10000", sortByDateTaken, 5);
}

} // namespace orv::bench
