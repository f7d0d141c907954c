// The about box: its texts, its buttons, and System Info through the scripted tool.
#include "aboutbox.h"
#include "fakeplatform.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;
using Outcome = SystemInfoTool::Outcome;

namespace {

QString textOf(const QWidget &box, const char *name)
{
    if (const auto *label = box.findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    if (const auto *button = box.findChild<QPushButton *>(QLatin1String(name)))
        return button->text();
    return QStringLiteral("<no control %1>").arg(QLatin1String(name));
}

void click(QWidget &box, const char *name)
{
    auto *button = box.findChild<QPushButton *>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isVisible()) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

} // namespace

TEST(AboutBox, ShowsEveryText)
{
    FakePlatform platform;
    AboutBox box(&platform.systemInfoTool, &platform.messageBoxes);
    box.show();
    EXPECT_EQ(box.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Orvanta."));
    const struct {
        const char *name;
        QString text;
    } fixed[] = {{"lblTitle", QStringLiteral("Orvanta")},
                 {"lblVersion", QStringLiteral("1.0")},
                 {"cmdOK", QStringLiteral("OK")},
                 {"cmdSysInfo", QStringLiteral("&System Info...")}};
    for (const auto &f : fixed)
        EXPECT_EQ(textOf(box, f.name), f.text) << f.name;
    // Our own wording: one sentence, one line.
    for (const char *name : {"lblDescription", "lblDisclaimer"}) {
        const QString text = textOf(box, name);
        EXPECT_TRUE(text.endsWith(QLatin1Char('.')) && text.count(QStringLiteral(". ")) == 0) << name;
        EXPECT_FALSE(text.contains(QLatin1Char('\n'))) << name;
    }
    auto *disclaimer = box.findChild<QLabel *>(QStringLiteral("lblDisclaimer"));
    EXPECT_LE(disclaimer->height(), disclaimer->fontMetrics().height() * 3 / 2) << "one line";
    auto *icon = box.findChild<QLabel *>(QStringLiteral("picIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    // Every text fits: nothing is cut off in the box as laid out.
    for (const char *name : {"lblTitle", "lblVersion", "lblDisclaimer"}) {
        auto *label = box.findChild<QLabel *>(QLatin1String(name));
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
    }
    // The title's typeface: Times New Roman, or a serif standing in for it.
    // (Qt may name the foundry too: "Nimbus Roman [urw]".)
    const QString family = QFontInfo(box.findChild<QLabel *>(QStringLiteral("lblTitle"))->font())
                               .family()
                               .section(QStringLiteral(" ["), 0, 0);
    const QStringList serifs{"Times New Roman", "Liberation Serif", "Nimbus Roman", "Tinos", "DejaVu Serif"};
    EXPECT_TRUE(serifs.contains(family)) << family.toStdString();
}

TEST(AboutBox, OkAndEnterCloseTheBox)
{
    for (bool byKey : {false, true}) {
        FakePlatform platform;
        AboutBox box(&platform.systemInfoTool, &platform.messageBoxes);
        box.show();
        if (byKey)
            QTest::keyClick(&box, Qt::Key_Return);
        else
            click(box, "cmdOK");
        EXPECT_FALSE(box.isVisible()) << byKey;
        EXPECT_EQ(box.result(), QDialog::Accepted) << byKey;
        EXPECT_EQ(platform.systemInfoTool.starts, 0) << byKey;
    }
}

TEST(AboutBox, SystemInfoStartsTheToolOrSaysItIsUnavailable)
{
    const struct {
        Outcome outcome;
        bool message;
    } cases[] = {{Outcome::Started, false}, {Outcome::NotFound, true}, {Outcome::FailedToStart, true}};
    for (const auto &c : cases) {
        FakePlatform platform;
        platform.systemInfoTool.outcome = c.outcome;
        AboutBox box(&platform.systemInfoTool, &platform.messageBoxes);
        box.show();
        click(box, "cmdSysInfo");
        EXPECT_EQ(platform.systemInfoTool.starts, 1) << int(c.outcome);
        ASSERT_EQ(platform.messageBoxes.shown.size(), c.message ? 1 : 0) << int(c.outcome);
        if (c.message) {
            const MessageRequest &m = platform.messageBoxes.shown[0];
            EXPECT_EQ(m.text, QStringLiteral("System Information Is Unavailable At This Time"));
            EXPECT_EQ(m.icon, MsgIcon::None);
            EXPECT_EQ(m.buttons, MsgButtons::Ok);
            EXPECT_EQ(m.title, QStringLiteral("Orvanta"));
        }
        // The box stays open either way.
        EXPECT_TRUE(box.isVisible()) << int(c.outcome);
    }
}
