// Damaged, foreign and oversized settings files at start-up: the program either reads
// them or says the file is damaged and, on OK, rebuilds the option records, keeping
// whatever else the file holds (the recent lists above all). Nothing crashes or hangs.

#include "recentlistsmenu.h"
#include "recentslots.h"
#include "robustnessfixture.h"
#include "settingsfile.h"
#include "settingsrecords.h"
#include "slideshowsettings.h"
#include "oddfiles.h"
#include "testutils.h"

#include <QAction>
#include <QFile>
#include <optional>

using namespace orv;
using namespace orv::test;

namespace {

const QString damagedText = QStringLiteral(
    "The 'Orvanta.ini' file is missing or corrupted. This file is important to run this program. Press ok "
    "and this file will be reinstalled but some of your settings will be reset to its initial values. You "
    "press cancel to try solving this problem manually");

QByteArray goodOptions()
{
    QByteArray file;
    SettingsRecords::writeOptions(file, QStringLiteral("3"), 1, 0);
    return file;
}

QByteArray withSlots(QByteArray file, const QStringList &paths)
{
    for (const QString &p : paths)
        RecentSlots::store(file, p);
    return file;
}

// The file the recovery leaves behind a damaged `before`: the defaults in records 1-4,
// every other byte as it was.
QByteArray recovered(QByteArray before)
{
    SettingsRecords::writeRecoveryDefaults(before);
    return before;
}

} // namespace

class BadSettings : public RealPicturesTest
{
protected:
    QString ini() const { return dir.filePath(SettingsFile::fileName()); }
};

TEST_F(BadSettings, EachFileIsReadOrRecoveredKeepingTheRecentLists)
{
    QByteArray slotPaths =
        withSlots(QByteArray(), {QStringLiteral("/home/user/a.pvl"), QStringLiteral("/tmp/b.pvl")});
    QByteArray damagedWithSlots = slotPaths;
    SettingsRecords::writeOptions(damagedWithSlots, QStringLiteral("0"), 0, 1);
    QByteArray oddSlots = goodOptions();
    SettingsRecords::setRecord(oddSlots, 100, 4, QByteArray(100, '\0'));
    SettingsRecords::setRecord(oddSlots, 100, 5,
                               QByteArray("/tmp/line\nbreak\t\x01.pvl").leftJustified(100, ' '));
    SettingsRecords::setRecord(oddSlots, 100, 6,
                               QByteArray("/tmp/caf\xc9 cr\xe8me.pvl").leftJustified(100, ' '));
    SettingsRecords::setRecord(oddSlots, 100, 7, QByteArray(100, 'x'));
    SettingsRecords::setRecord(oddSlots, 100, 8, QByteArray("&&&&").leftJustified(100, ' '));

    const struct {
        const char *what;
        QByteArray bytes;
        bool damaged;
    } cases[] = {
        {"zero-length", QByteArray(), true},
        {"options cut after the interval", goodOptions().left(30), false},
        {"options cut inside the interval's label", goodOptions().left(20), true},
        {"a JPEG",
         QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20) + QByteArray(2000, '\0'),
         true},
        {"random bytes", randomBytes(800, 6), SettingsRecords::readOptions(randomBytes(800, 6)).error != 0},
        {"a list file",
         QByteArray("a.jpg").leftJustified(128, ' ') + QByteArray("eof").leftJustified(128, ' '), true},
        {"damaged options before good recent lists", damagedWithSlots, true},
        {"recent lists with control characters", oddSlots, false},
        {"oversized", goodOptions() + QByteArray(8 << 20, '\x7f'), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(ini(), c.bytes);
        platform.messageBoxes.shown.clear();
        QElapsedTimer clock;
        clock.start();
        start();
        EXPECT_LT(clock.elapsed(), HangMs);
        EXPECT_FALSE(form->hasEnded());
        EXPECT_EQ(platform.messageBoxes.texts(), c.damaged ? QStringList{damagedText} : QStringList());
        EXPECT_EQ(readFile(ini()), c.damaged ? recovered(c.bytes) : c.bytes);
        // The recent-lists menu shows each slot that holds a path, whatever its bytes.
        for (int slot = 1; slot <= RecentSlots::SlotCount; ++slot)
            EXPECT_EQ(form->recentLists().action(slot)->isVisible(),
                      RecentSlots::slot(readFile(ini()), slot).has_value())
                << slot;
        form.reset();
    }
}

TEST_F(BadSettings, CancelOnTheDamagedFileEndsTheProgramCleanly)
{
    writeFile(ini(), QByteArray(100, '#'));
    platform.messageBoxes.answers.push_back(MsgResult::Cancel);
    start();
    EXPECT_TRUE(form->hasEnded());
    EXPECT_EQ(readFile(ini()), QByteArray(100, '#')) << "nothing is written on Cancel";
}

TEST_F(BadSettings, ASettingsFileThatCannotBeWrittenLeavesTheProgramRunning)
{
    // A folder where the file should be: neither readable nor replaceable.
    QDir().mkpath(ini());
    start();
    EXPECT_FALSE(form->hasEnded());
    ASSERT_GE(platform.messageBoxes.shown.size(), 1);
    EXPECT_EQ(platform.messageBoxes.shown.first().text, damagedText);
    EXPECT_TRUE(QFileInfo(ini()).isDir());
}

TEST_F(BadSettings, AProgramFolderAtAnOddPathKeepsItsSettingsThere)
{
    for (const QString &name : {QStringLiteral("with blanks"), QStringLiteral("Übersicht – 写真"),
                                QStringLiteral("line\nbreak"), QString(200, QLatin1Char('p'))}) {
        SCOPED_TRACE(name.toStdString());
        const QString apppath = dir.filePath(name);
        ASSERT_TRUE(QDir().mkpath(apppath));
        platform.messageBoxes.shown.clear();
        start(QString(), apppath);
        EXPECT_EQ(platform.messageBoxes.texts(), QStringList{damagedText}) << "a first start recovers";
        EXPECT_EQ(readFile(QDir(apppath).filePath(SettingsFile::fileName())), recovered(QByteArray()));
        form.reset();
        platform.messageBoxes.shown.clear();
        start(QString(), apppath);
        EXPECT_TRUE(platform.messageBoxes.shown.isEmpty()) << "the second start reads the file back";
        form.reset();
    }
}

TEST_F(BadSettings, AFileThatIsThereButCannotBeReadIsNeverReplaced)
{
    const QByteArray withLists =
        withSlots(goodOptions(), {QStringLiteral("/home/user/a.pvl"), QStringLiteral("/tmp/b.pvl")});
    const qint64 tooLarge = (16 << 20) + 1;
    const struct {
        const char *what;
        std::function<void()> make;
        std::function<bool()> unchanged;
        bool ordinaryUser;
    } cases[] = {
        {"no permission to read",
         [&] {
             writeFile(ini(), withLists);
             QFile::setPermissions(ini(), QFileDevice::Permissions());
         },
         [&] { return readFile(ini()) == withLists; }, true},
        {"a named pipe", {}, [&] { return QFileInfo::exists(ini()) && !QFileInfo(ini()).isFile(); }, false},
        {"a link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), ini()); },
         [&] { return QFileInfo(ini()).symLinkTarget() == QLatin1String("/dev/zero"); }, false},
        {"larger than any settings file", [&] { makeSparseFile(ini(), tooLarge); },
         [&] { return QFileInfo(ini()).size() == tooLarge; }, false},
    };
    openToEveryone(dir.path());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(ini());
        std::optional<StuckPipe> pipe;
        if (c.make)
            c.make();
        else
            pipe.emplace(ini());
        platform.messageBoxes.shown.clear();
        {
            std::optional<AsOrdinaryUser> ordinary;
            if (c.ordinaryUser)
                ordinary.emplace();
            start();
            EXPECT_FALSE(form->hasEnded());
            // The damaged-file message, then once the note that nothing will be saved.
            const QStringList texts = platform.messageBoxes.texts();
            ASSERT_EQ(texts.size(), 2) << texts.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(texts[0], damagedText);
            EXPECT_TRUE(texts[1].contains(QStringLiteral("could not be read")));
            EXPECT_TRUE(texts[1].endsWith(QStringLiteral("does not save changes to them.")));
            EXPECT_EQ(form->slideshowSettings().interval(), 1000) << "the initial settings are in force";
            EXPECT_EQ(form->slideshowSettings().showsplash(), 1);

            // Storing a recent list keeps it for this run only, without a new message.
            form->recentLists().addtomenu(QStringLiteral("/home/user/new.pvl"));
            EXPECT_EQ(platform.messageBoxes.shown.size(), 2);
            EXPECT_TRUE(form->recentLists().action(1)->isVisible());
            form.reset();
        }
        EXPECT_TRUE(c.unchanged()) << "the file is left as it was";
        if (pipe) {
            EXPECT_EQ(pipe->readersLetGo(), 0) << "the program waited on the pipe";
        }
    }
}
