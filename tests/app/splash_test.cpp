#include "fakeplatform.h"
#include "startupsplash.h"

#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;

TEST(StartupSplash, HandsOverOnceAndStaysUpMeanwhile)
{
    test::FakeSystemInfo system;
    bool visibleDuringHandOver = false;
    int handOvers = 0;
    StartupSplash *splash = nullptr;
    splash = new StartupSplash(system, [&] {
        ++handOvers;
        visibleDuringHandOver = splash->isVisible();
    });
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->show();
    EXPECT_TRUE(splash->timer()->isActive());
    EXPECT_EQ(splash->timer()->interval(), 2500);
    splash->onTimer();
    EXPECT_EQ(handOvers, 1);
    EXPECT_TRUE(visibleDuringHandOver);
    EXPECT_FALSE(splash->timer()->isActive());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(splash->findChild<QLabel *>(QStringLiteral("lblProductName"))->text(),
              QStringLiteral("Orvanta"));
    // The system it runs on, from the platform, in the places drawn for it:
    // a longer name grows to the left and stays whole.
    auto *platform = splash->findChild<QLabel *>(QStringLiteral("lblPlatform"));
    auto *version = splash->findChild<QLabel *>(QStringLiteral("lblVersion"));
    EXPECT_EQ(platform->text(), QStringLiteral("For Linux"));
    EXPECT_EQ(version->text(), QStringLiteral("Debian 12"));
    EXPECT_EQ(platform->geometry(), QRect(336, 216, 130, 26));
    EXPECT_EQ(version->geometry().right(), QRect(400, 240, 50, 26).right());
    EXPECT_EQ(version->geometry().top(), 240);
    EXPECT_GE(version->width(), version->sizeHint().width());
    EXPECT_GE(version->x(), platform->x());
    delete splash;
}
