#include "fakeplatform.h"
#include "helpviewer.h"
#include "helpwindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

TEST(HelpTopics, FragmentRunsToTheNextTopic)
{
    const QString html = QStringLiteral("<html><body><a name=\"topic-0\"></a><h1>Help</h1><a "
                                        "name=\"topic-3\"></a><h3>Elongate</h3><p>Taller.</p>"
                                        "<a name=\"topic-31\"></a><h2>Bugs</h2></body></html>");
    EXPECT_EQ(helpTopicFragment(html, 3),
              QStringLiteral("<a name=\"topic-3\"></a><h3>Elongate</h3><p>Taller.</p>"));
    EXPECT_EQ(helpTopicFragment(html, 31), QStringLiteral("<a name=\"topic-31\"></a><h2>Bugs</h2>"));
    EXPECT_TRUE(helpTopicFragment(html, 4).isEmpty());
    // A section that follows a topic is not part of it.
    EXPECT_EQ(
        helpTopicFragment(
            QStringLiteral("<a name=\"topic-21\"></a><p>Status.</p><a name=\"keys\"></a><h2>Keys</h2>"), 21),
        QStringLiteral("<a name=\"topic-21\"></a><p>Status.</p>"));
    EXPECT_TRUE(helpTopicFragment(QString(), 3).isEmpty());
}

TEST(HelpViewer, MissingFileGivesAClearMessageAndNoWindow)
{
    FakeMessageBoxes boxes;
    QtHelpViewer viewer(&boxes);
    viewer.showContents(nullptr, QStringLiteral("/nonexistent/Orvanta.HLP"));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("/nonexistent/Orvanta.HLP")));
    EXPECT_EQ(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.topicText(QStringLiteral("/nonexistent/Orvanta.HLP"), 3).isEmpty());
}

TEST(HelpViewer, ShowsTheDocumentAndTopics)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvanta.HLP"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body><a name=\"topic-0\"></a><h1>Orvanta Help</h1><a "
            "name=\"topic-31\"></a><p>Bugs</p></body></html>");
    f.close();
    FakeMessageBoxes boxes;
    QtHelpViewer viewer(&boxes);
    viewer.showTopic(nullptr, path, 31);
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_TRUE(viewer.window()->browser()->toPlainText().contains(QStringLiteral("Orvanta Help")));
    EXPECT_EQ(viewer.topicText(path, 31), QStringLiteral("<a name=\"topic-31\"></a><p>Bugs</p>"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(HelpViewer, TheShippedHelpHasEveryControlTopic)
{
    // The help file built beside the tests.
    const QString path = QStringLiteral(ORVANTA_HELP_FILE);
    FakeMessageBoxes boxes;
    QtHelpViewer viewer(&boxes);
    for (int topic : {0,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                      16, 17, 18, 19, 20, 21, 31, 40, 41, 42, 43, 44, 45, 46})
        EXPECT_FALSE(viewer.topicText(path, topic).isEmpty()) << topic;
}
