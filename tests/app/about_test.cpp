// Help > About through the menu the user clicks, and a start from the
// installed layout: help file, system default settings, the user's own copy.
#include "aboutbox.h"
#include "form1fixture.h"
#include "installlayout.h"
#include "recentlistsmenu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace orv::test {
namespace {

class AboutTest : public Form1Test
{
protected:
    // Clicks the menu bar's title and then the item, where they are drawn.
    void clickMenu(const char *menuName, const char *actionName)
    {
        QMenuBar *bar = form->menuBar();
        auto *menu = form->findChild<QMenu *>(QLatin1String(menuName));
        ASSERT_NE(menu, nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(menu->isVisible());
        QAction *item = form->action(QLatin1String(actionName));
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
};

TEST_F(AboutTest, HelpAboutOpensTheBoxModallyAfterASeparator)
{
    start();
    form->show();
    const QList<QAction *> items = form->findChild<QMenu *>(QStringLiteral("mhelp"))->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items.last()->objectName(), QStringLiteral("mabout"));
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());

    platform.systemInfoTool.outcome = SystemInfoTool::Outcome::NotFound;
    QString version;
    platform.modalRunner.scripts.push_back([&](QDialog *d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("frmAbout"));
        EXPECT_EQ(d->parentWidget(), form.get());
        d->show();
        version = d->findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
        auto *sysInfo = d->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
        QTest::mouseClick(sysInfo, Qt::LeftButton, {}, sysInfo->rect().center());
        auto *ok = d->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        return d->result();
    });
    clickMenu("mhelp", "mabout");
    ASSERT_EQ(platform.modalRunner.shown.size(), 1);
    EXPECT_EQ(version, QStringLiteral("1.0"));
    EXPECT_EQ(platform.systemInfoTool.starts, 1);
    EXPECT_EQ(platform.messageBoxes.texts(), QStringList{"System Information Is Unavailable At This Time"});
    // Closed and discarded: no about box is left behind.
    EXPECT_EQ(form->findChild<AboutBox *>(), nullptr);
}

// A program folder laid out as an installation: bin/, the data folder with the
// help file, and the system configuration folder, all where the build puts them.
class InstalledStartTest : public Form1Test
{
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        bin = QDir(root.filePath(QStringLiteral("usr/bin"))).absolutePath();
        QDir().mkpath(bin);
        const InstallLayout layout(bin);
        QDir().mkpath(QDir(bin).filePath(InstallLayout::dataFolderFromBin()));
        help = layout.locate(QStringLiteral("Orvanta.HLP"), InstallLayout::dataFolderFromBin());
        writeFile(help, "<html><body><a name=\"topic-0\"></a></body></html>");
        systemDefault = QDir::cleanPath(
            QDir(bin).filePath(InstallLayout::systemConfigFolderFromBin() + QStringLiteral("/Orvanta.ini")));
        QDir().mkpath(QFileInfo(systemDefault).path());
        QByteArray defaults;
        SettingsRecords::writeRecoveryDefaults(defaults);
        defaults.replace(25, 3, "7  "); // an interval of the installation's own
        writeFile(systemDefault, defaults);
        // The user's configuration folder, and no XDG system folders but ours.
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        savedConfigDirs = qgetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("home-config")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", root.filePath(QStringLiteral("no-such-folder")).toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
        qputenv("XDG_CONFIG_DIRS", savedConfigDirs);
    }
    Form1 &startInstalled()
    {
        form = std::make_unique<Form1>(platform.services(), bin, QString());
        form->load();
        return *form;
    }
    QString userFile() const { return SettingsFile::location(bin); }

    QTemporaryDir root;
    QString bin, help, systemDefault;
    QByteArray savedConfigHome, savedConfigDirs;
};

TEST_F(InstalledStartTest, FirstStartReadsTheSystemDefaultsAndTheInstalledHelp)
{
    startInstalled();
    EXPECT_TRUE(platform.messageBoxes.shown.isEmpty())
        << platform.messageBoxes.texts().join(" | ").toStdString();
    EXPECT_EQ(form->helpfile(), help);
    EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("interval"))->text(), QStringLiteral("7"));
    // The settings are the user's, in the configuration folder, not beside the program.
    EXPECT_TRUE(form->inifile().startsWith(root.filePath(QStringLiteral("home-config"))));
    EXPECT_FALSE(QFileInfo::exists(form->inifile())) << "reading creates nothing";
    EXPECT_FALSE(QFileInfo::exists(QDir(bin).filePath(QStringLiteral("Orvanta.ini"))));
}

TEST_F(InstalledStartTest, TheFirstWriteCreatesTheUsersCopyAndLeavesTheDefaultAlone)
{
    startInstalled();
    const QByteArray before = readFile(systemDefault);
    const QString list = root.filePath(QStringLiteral("holiday.pvl"));
    form->recentLists().addtomenu(list);
    EXPECT_EQ(readFile(systemDefault), before);
    const QByteArray mine = readFile(userFile());
    EXPECT_EQ(mine.mid(25, 3), QByteArray("7  ")) << "the defaults carried over";
    EXPECT_TRUE(mine.contains(list.toUtf8()));
}

TEST_F(InstalledStartTest, WithNoSettingsFileAnywhereTheDamagedFileMessageStillComes)
{
    QFile::remove(systemDefault);
    platform.messageBoxes.answers = {MsgResult::Ok};
    startInstalled();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1);
    EXPECT_TRUE(
        platform.messageBoxes.shown[0].text.startsWith(QStringLiteral("The 'Orvanta.ini' file is missing")));
    EXPECT_EQ(readFile(userFile()).size(), 400) << "recovered into the user's own file";
}

} // namespace
} // namespace orv::test
