#include "picturecache.h"
#include "scriptedloader.h"
#include "testutils.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv::test {
namespace {

class PictureCacheTest : public ::testing::Test
{
protected:
    QString picture(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        writeFile(path, content);
        return path;
    }
    static QRgb colourOf(const LoadedPicture &p) { return p.image.pixel(0, 0); }

    QTemporaryDir dir;
    ScriptedLoader loader;
};

TEST_F(PictureCacheTest, PrefetchedPictureIsServedWithoutDecodingAgain)
{
    PictureCache cache(loader);
    const QString a = picture("a.pic", "40 30 red");
    cache.prefetch(a, QSize());
    cache.waitForPrefetches();

    const LoadedPicture p = cache.load(a);
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.image.size(), QSize(40, 30));
    EXPECT_EQ(p.naturalTwips, QSize(600, 450));
    ASSERT_EQ(loader.calls().size(), 1);
    EXPECT_TRUE(loader.calls()[0].onWorker) << "the prefetch decodes on the worker thread";
}

TEST_F(PictureCacheTest, ChangedFileIsDecodedAgain)
{
    struct Case {
        const char *name;
        std::function<void(const QString &path, QTemporaryDir &dir)> change;
    };
    const Case cases[] = {
        {"new content of another length",
         [](const QString &path, QTemporaryDir &) { writeFile(path, "41 30 blue"); }},
        {"same length, later modification time",
         [](const QString &path, QTemporaryDir &) {
             const QDateTime before = QFileInfo(path).lastModified();
             writeFile(path, "40 30 blue");
             QFile f(path);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.setFileTime(before.addSecs(5), QFileDevice::FileModificationTime);
         }},
        {"replaced by another file with the same length and time",
         [](const QString &path, QTemporaryDir &dir) {
             const QDateTime before = QFileInfo(path).lastModified();
             const QString other = dir.filePath(QStringLiteral("other.pic"));
             writeFile(other, "40 30 blue");
             {
                 QFile f(other);
                 ASSERT_TRUE(f.open(QIODevice::ReadWrite));
                 f.setFileTime(before, QFileDevice::FileModificationTime);
             }
             ASSERT_TRUE(QFile::remove(path));
             ASSERT_TRUE(QFile::rename(other, path));
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLoader fresh;
        PictureCache cache(fresh);
        const QString a = picture("a.pic", "40 30 red");
        cache.prefetch(a, QSize());
        cache.waitForPrefetches();
        ASSERT_TRUE(cache.isCached(a));

        c.change(a, dir);
        const LoadedPicture p = cache.load(a);
        ASSERT_TRUE(p.ok());
        EXPECT_EQ(colourOf(p), QColor(Qt::blue).rgb()) << "the old picture must not be shown";
        EXPECT_EQ(fresh.callsFor(a), 2);
    }
}

TEST_F(PictureCacheTest, FileChangedWhileItsPrefetchRunsIsDecodedAgain)
{
    PictureCache cache(loader);
    const QString a = picture("a.pic", "40 30 red");
    loader.gate(a);
    cache.prefetch(a, QSize());
    loader.waitUntilGated(); // the red content has been read
    writeFile(a, "40 31 blue");
    loader.release();
    cache.waitForPrefetches();

    EXPECT_FALSE(cache.isCached(a));
    const LoadedPicture p = cache.load(a);
    EXPECT_EQ(colourOf(p), QColor(Qt::blue).rgb());
    EXPECT_EQ(p.image.height(), 31);
}

TEST_F(PictureCacheTest, FailedPrefetchFailsAgainAtDisplayTime)
{
    struct Case {
        const char *name;
        QByteArray content; // empty: no file at all
        int error;
    };
    const Case cases[] = {
        {"missing file", QByteArray(), FileError::FileNotFound},
        {"not a picture", "garbage", FileError::Other},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLoader fresh;
        PictureCache cache(fresh);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pic"));
        QFile::remove(path);
        if (!c.content.isEmpty())
            writeFile(path, c.content);
        cache.prefetch(path, QSize());
        cache.waitForPrefetches();
        EXPECT_FALSE(cache.isCached(path));

        const LoadedPicture p = cache.load(path);
        EXPECT_FALSE(p.ok());
        EXPECT_EQ(p.error, c.error);
        EXPECT_EQ(fresh.callsFor(path), 2) << "the failure comes from a load at display time";
    }
}

TEST_F(PictureCacheTest, LoadWaitsForTheDecodeUnderWayInsteadOfStartingAnother)
{
    PictureCache cache(loader);
    const QString a = picture("a.pic", "40 30 red");
    loader.gate(a);
    cache.prefetch(a, QSize());
    EXPECT_TRUE(cache.isPending(a));
    loader.release();

    const LoadedPicture p = cache.load(a);
    EXPECT_TRUE(p.ok());
    EXPECT_EQ(loader.callsFor(a), 1);
    EXPECT_FALSE(cache.isPending(a));
}

TEST_F(PictureCacheTest, QueuedPrefetchesTheUserMovedAwayFromAreDropped)
{
    PictureCache cache(loader);
    const QString a = picture("a.pic", "10 10 red");
    const QString b = picture("b.pic", "10 10 red");
    const QString c = picture("c.pic", "10 10 red");
    const QString d = picture("d.pic", "10 10 red");
    loader.gate(a);
    cache.prefetch(a, QSize());
    loader.waitUntilGated(); // a is being decoded; b and c wait behind it
    cache.prefetch(b, QSize());
    cache.prefetch(c, QSize());
    EXPECT_FALSE(cache.isPending(b)) << "b was asked for before c and had not begun";
    cache.prefetch(d, QSize());
    EXPECT_TRUE(cache.isPending(a)) << "a decode under way is left to end";
    EXPECT_FALSE(cache.isPending(c));
    EXPECT_TRUE(cache.isPending(d));
    loader.release();
    cache.waitForPrefetches();

    EXPECT_TRUE(cache.isCached(a));
    EXPECT_TRUE(cache.isCached(d));
    EXPECT_EQ(loader.callsFor(b) + loader.callsFor(c), 0);
    // A dropped prefetch is no failure: the picture loads when it is shown.
    EXPECT_TRUE(cache.load(b).ok());
}

TEST_F(PictureCacheTest, ResultOfAnEarlierRequestIsNotUsedForAnotherFile)
{
    PictureCache cache(loader);
    const QString a = picture("a.pic", "40 30 red");
    const QString b = picture("b.pic", "20 10 blue");
    loader.gate(a);
    cache.prefetch(a, QSize());
    loader.waitUntilGated();

    // The user moved on to b while a decodes.
    const LoadedPicture shownB = cache.load(b);
    EXPECT_EQ(shownB.image.size(), QSize(20, 10));
    EXPECT_EQ(colourOf(shownB), QColor(Qt::blue).rgb());

    loader.release();
    cache.waitForPrefetches();
    EXPECT_EQ(cache.load(b).image.size(), QSize(20, 10));
    const LoadedPicture shownA = cache.load(a);
    EXPECT_EQ(shownA.image.size(), QSize(40, 30));
    EXPECT_EQ(loader.callsFor(a), 1);
    EXPECT_EQ(loader.callsFor(b), 1);
}

TEST_F(PictureCacheTest, ReducedPictureServesOnlyRequestsItCovers)
{
    struct Case {
        QSize prefetched;
        QSize asked;
        bool served;
    };
    const Case cases[] = {
        {QSize(), QSize(), true},
        {QSize(), QSize(50, 50), true},
        {QSize(50, 50), QSize(50, 50), true},
        {QSize(50, 50), QSize(40, 20), true},
        {QSize(50, 50), QSize(60, 40), false},
        {QSize(50, 50), QSize(40, 60), false},
        {QSize(50, 50), QSize(), false},
    };
    const QString a = picture("a.pic", "40 30 red");
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "prefetched " << c.prefetched.width() << "x" << c.prefetched.height() << ", asked "
                     << c.asked.width() << "x" << c.asked.height());
        ScriptedLoader fresh;
        PictureCache cache(fresh);
        cache.prefetch(a, c.prefetched);
        cache.waitForPrefetches();
        EXPECT_TRUE(cache.load(a, c.asked).ok());
        const QList<ScriptedLoader::Call> calls = fresh.calls();
        ASSERT_EQ(calls.size(), c.served ? 1 : 2);
        if (!c.served) {
            EXPECT_EQ(calls[1].minimum, c.asked) << "the load at display time asks for what is needed";
        }
    }
}

TEST_F(PictureCacheTest, PrefetchMakesTheSmoothCopyForTheSizeItWillBeDrawnAt)
{
    PictureCache cache(loader);
    const QString a = picture("a.pic", "40 30 red");
    // Drawn at half its natural size in pixels (15 twips a pixel).
    const auto half = [](QSize twips) { return QSize(twips.width() / 30, twips.height() / 30); };
    cache.prefetch(a, QSize(), half);
    cache.waitForPrefetches();

    const LoadedPicture p = cache.load(a);
    const QImage copy = cache.scaledCopy(p.image, QSize(20, 15));
    ASSERT_FALSE(copy.isNull());
    EXPECT_EQ(copy.pixel(10, 7), QColor(Qt::red).rgb());
    EXPECT_EQ(cache.bytesUsed(), 40 * 30 * 4 + 20 * 15 * 4) << "the copy counts against the budget";
    EXPECT_TRUE(cache.scaledCopy(p.image, QSize(21, 15)).isNull()) << "only a copy of the size asked for";
    QImage other(40, 30, QImage::Format_RGB32);
    EXPECT_TRUE(cache.scaledCopy(other, QSize(20, 15)).isNull()) << "only a copy of that very picture";
}

TEST_F(PictureCacheTest, PictureHeldAlreadyOnlyGetsItsSmoothCopy)
{
    PictureCache cache(loader);
    const QString a = picture("a.pic", "40 30 red");
    const LoadedPicture shown = cache.load(a); // on the spot: no copy
    EXPECT_TRUE(cache.scaledCopy(shown.image, QSize(80, 60)).isNull());

    cache.prefetch(a, QSize(), [](QSize) { return QSize(80, 60); });
    cache.waitForPrefetches();
    EXPECT_EQ(loader.callsFor(a), 1) << "not decoded again";
    EXPECT_EQ(cache.scaledCopy(shown.image, QSize(80, 60)).size(), QSize(80, 60));

    // Drawn at its own size, or at no size: no copy is made.
    const QString b = picture("b.pic", "40 30 red");
    cache.prefetch(b, QSize(), [](QSize) { return QSize(40, 30); });
    cache.waitForPrefetches();
    EXPECT_TRUE(cache.scaledCopy(cache.load(b).image, QSize(40, 30)).isNull());
}

TEST_F(PictureCacheTest, StaysWithinItsBudgetAndKeepsThePictureOnScreen)
{
    // 100 x 100 pixels are 40,000 bytes: the budget holds two and a half.
    PictureCache cache(loader, 100'000);
    const QString shown = picture("shown.pic", "100 100 red");
    ASSERT_TRUE(cache.load(shown).ok());
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QString next = picture(QStringLiteral("p%1.pic").arg(i), "100 100 green");
        cache.prefetch(next, QSize());
        cache.waitForPrefetches();
        EXPECT_LE(cache.bytesUsed(), cache.budgetBytes());
        EXPECT_TRUE(cache.isCached(shown)) << "the picture on screen is never dropped";
        EXPECT_TRUE(cache.isCached(next)) << "the newest prefetch is kept";
    }
    EXPECT_EQ(cache.cachedCount(), 2);

    // A picture larger than the whole budget is shown but not kept.
    const QString huge = picture("huge.pic", "200 200 blue");
    EXPECT_TRUE(cache.load(huge).ok());
    EXPECT_FALSE(cache.isCached(huge));
    EXPECT_LE(cache.bytesUsed(), cache.budgetBytes());
}

TEST_F(PictureCacheTest, PrefetchMakesRoomBeforeDecoding)
{
    PictureCache cache(loader, 100'000);
    const QString a = picture("a.pic", "100 100 red");
    const QString b = picture("b.pic", "100 100 red");
    const QString c = picture("c.pic", "100 100 red");
    ASSERT_TRUE(cache.load(a).ok());
    cache.prefetch(b, QSize());
    cache.waitForPrefetches();
    ASSERT_EQ(cache.bytesUsed(), 80'000);

    // c's decode starts only once the older picture has been dropped, so that
    // no more than the budget is ever held.
    loader.gate(c);
    cache.prefetch(c, QSize());
    EXPECT_TRUE(cache.isPending(c));
    EXPECT_LE(cache.bytesUsed() + 40'000, cache.budgetBytes());
    EXPECT_TRUE(cache.isCached(a)) << "the picture on screen stays";
    EXPECT_FALSE(cache.isCached(b));
    loader.release();
    cache.waitForPrefetches();
    EXPECT_TRUE(cache.isCached(c));
}

} // namespace
} // namespace orv::test
