#include "displayengine.h"
#include "fakeplatform.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "picturecache.h"
#include "picturelist.h"
#include "scriptedloader.h"
#include "testutils.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace orv::test {
namespace {

// The display engine over a picture cache, as the program wires it.
class DisplayPrefetchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.maxboxwidth = 9000;
        state.maxboxheight = 6000;
        services = platform.services();
        services.pictureLoader = &cache;
        DisplayEngine::Controls controls;
        controls.view = &view;
        engine = std::make_unique<DisplayEngine>(state, list, controls, services);
    }

    QString addPicture(const QString &name, const QByteArray &content = "60 40 red")
    {
        writeFile(dir.filePath(name), content);
        list.append(name, QDir::toNativeSeparators(dir.path()));
        return list.fullPath(list.count() - 1);
    }
    void show(int curpic)
    {
        state.curpic = curpic;
        engine->disp();
    }

    QTemporaryDir dir;
    FakePlatform platform;
    ScriptedLoader loader;
    PictureCache cache{loader};
    PlatformServices services;
    DisplayState state;
    PictureList list;
    ImageBoxView view;
    std::unique_ptr<DisplayEngine> engine;
};

TEST_F(DisplayPrefetchTest, ShowingAPictureDecodesItsNeighboursAhead)
{
    const QString a = addPicture(QStringLiteral("a.pic"));
    const QString b = addPicture(QStringLiteral("b.pic"));
    const QString c = addPicture(QStringLiteral("c.pic"));
    const QString d = addPicture(QStringLiteral("d.pic"));
    show(2);
    cache.waitForPrefetches();
    EXPECT_TRUE(cache.isCached(a));
    EXPECT_TRUE(cache.isCached(c));
    EXPECT_FALSE(cache.isCached(d)) << "only the pictures next to the one shown";

    // Stepping on shows the prefetched picture without decoding it again.
    show(3);
    EXPECT_EQ(loader.callsFor(c), 1);
    EXPECT_TRUE(loader.calls().first().path == b && !loader.calls().first().onWorker);
    EXPECT_EQ(view.image1()->picture().size(), QSize(60, 40));
}

TEST_F(DisplayPrefetchTest, NoPrefetchPastTheEndOfTheList)
{
    addPicture(QStringLiteral("a.pic"));
    show(1);
    show(2); // the end sign
    cache.waitForPrefetches();
    EXPECT_EQ(loader.calls().size(), 1);
}

TEST_F(DisplayPrefetchTest, FitAndStretchDecodeForTheViewingAreaTrueSizeWhole)
{
    struct Case {
        const char *name;
        bool fit;
        bool stretch;
    };
    const Case cases[] = {{"true size", false, false}, {"fit", true, false}, {"stretch", false, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedLoader fresh;
        PictureCache freshCache(fresh);
        PlatformServices s = services;
        s.pictureLoader = &freshCache;
        DisplayState st;
        st.maxboxwidth = 9000;
        st.maxboxheight = 6000;
        st.fitmode = c.fit;
        st.stretchmode = c.stretch;
        ImageBoxView v;
        DisplayEngine::Controls controls;
        controls.view = &v;
        DisplayEngine e(st, list, controls, s);
        if (list.isEmpty()) {
            addPicture(QStringLiteral("a.pic"));
            addPicture(QStringLiteral("b.pic"));
        }
        st.curpic = 1;
        e.disp();
        freshCache.waitForPrefetches();

        const QSize expected = (c.fit || c.stretch) ? QSize(601, 401) : QSize(); // 9000 x 6000 twips + 1
        EXPECT_EQ(e.decodeMinimum(), expected);
        const QList<ScriptedLoader::Call> calls = fresh.calls();
        ASSERT_EQ(calls.size(), 2);
        EXPECT_EQ(calls[0].minimum, expected) << "the picture shown";
        EXPECT_EQ(calls[1].minimum, expected) << "the one after it";
        EXPECT_TRUE(calls[1].onWorker);
        EXPECT_EQ(st.picwidth, 900) << "the layout uses the natural size";
    }
}

TEST_F(DisplayPrefetchTest, BoxIsPaintedFromTheCopyMadeAhead)
{
    struct Case {
        const char *name;
        bool fit;
    };
    for (const Case c : {Case{"fit", true}, Case{"stretch", false}}) {
        SCOPED_TRACE(c.name);
        ScriptedLoader fresh;
        PictureCache freshCache(fresh);
        PlatformServices s = services;
        s.pictureLoader = &freshCache;
        DisplayState st;
        st.maxboxwidth = 9000;
        st.maxboxheight = 6000;
        st.fitmode = c.fit;
        st.stretchmode = !c.fit;
        ImageBoxView v;
        DisplayEngine::Controls controls;
        controls.view = &v;
        DisplayEngine e(st, list, controls, s);
        if (list.isEmpty()) {
            addPicture(QStringLiteral("a.pic"), "60 40 red");
            addPicture(QStringLiteral("b.pic"), "30 90 blue"); // another shape: another fit box
        }
        st.curpic = 1;
        e.disp();
        freshCache.waitForPrefetches();
        st.curpic = 2;
        e.disp();

        ImageControl *box = v.image2();
        const QImage prepared = box->scaledCopy();
        ASSERT_FALSE(prepared.isNull()) << "the box got the copy made with the prefetch";
        EXPECT_EQ(prepared.size(), box->size());
        EXPECT_EQ(prepared.pixel(prepared.width() / 2, prepared.height() / 2), QColor(Qt::blue).rgb());
        box->grab(); // paints
        EXPECT_EQ(box->scaledCopy().cacheKey(), prepared.cacheKey()) << "painting did not scale again";
    }
}

TEST_F(DisplayPrefetchTest, MissingPictureStillAsksRetryOrCancelAtDisplayTime)
{
    const QString a = addPicture(QStringLiteral("a.pic"));
    const QString b = addPicture(QStringLiteral("b.pic"));
    addPicture(QStringLiteral("c.pic"));
    show(1);
    cache.waitForPrefetches();
    ASSERT_TRUE(cache.isCached(b));
    // b goes away after it was prefetched.
    ASSERT_TRUE(QFile::remove(b));

    platform.messageBoxes.answers = {MsgResult::Retry, MsgResult::Cancel};
    show(2);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 2);
    EXPECT_EQ(platform.messageBoxes.shown[0].text,
              QStringLiteral("Specified picture file cannot be accessed!!"));
    EXPECT_EQ(platform.messageBoxes.shown[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(list.count(), 2) << "Cancel removes the entry";
    EXPECT_EQ(list.fullPath(1).endsWith(QStringLiteral("c.pic")), true);
}

TEST_F(DisplayPrefetchTest, RetryShowsARestoredPicture)
{
    addPicture(QStringLiteral("a.pic"));
    const QString b = addPicture(QStringLiteral("b.pic"), "30 20 blue");
    ASSERT_TRUE(QFile::remove(b));
    show(1);
    cache.waitForPrefetches(); // b's prefetch failed
    platform.messageBoxes.answers = {MsgResult::Retry};
    platform.messageBoxes.onShow = [&](const MessageRequest &) { writeFile(b, "30 20 blue"); };
    show(2);
    EXPECT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_EQ(view.image1()->picture().size(), QSize(30, 20));
    EXPECT_EQ(state.picwidth, 450);
}

TEST_F(DisplayPrefetchTest, UnreadablePictureEndsTheDisplayQuietlyAsBefore)
{
    addPicture(QStringLiteral("a.pic"));
    addPicture(QStringLiteral("b.pic"), "not a picture");
    show(1);
    cache.waitForPrefetches();
    show(2);
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty());
    EXPECT_FALSE(view.image1()->isVisibleTo(&view));
    EXPECT_FALSE(view.image2()->isVisibleTo(&view));
}

} // namespace
} // namespace orv::test
