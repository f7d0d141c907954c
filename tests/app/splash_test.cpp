#include "startupsplash.h"

#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;

TEST(StartupSplash, HandsOverOnceAndStaysUpMeanwhile)
{
    bool visibleDuringHandOver = false;
    int handOvers = 0;
    StartupSplash *splash = nullptr;
    splash = new StartupSplash(96, [&] {
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
    EXPECT_EQ(splash->findChild<QLabel *>(QStringLiteral("lblPlatform"))->text(),
              QStringLiteral("For Windows"));
    EXPECT_EQ(splash->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("95/98"));
    delete splash;
}
