#pragma once

#include "exiv2metadatareader.h"
#include "fakedrives.h"
#include "fakefileoperations.h"
#include "fakerandomsource.h"
#include "filedialogs.h"
#include "filesystem.h"
#include "helpviewer.h"
#include "messageboxes.h"
#include "modalrunner.h"
#include "pictureloader.h"
#include "platformservices.h"
#include "systembeep.h"
#include "systeminfo.h"
#include "systeminfotool.h"
#include "systemclipboard.h"
#include "filemanager.h"
#include "screenprofile.h"

#include <QHash>
#include <QList>
#include <deque>
#include <functional>
#include <memory>

namespace orv::test {

// Records every message box and answers from a script (Ok / the first button
// when the script is empty).
class FakeMessageBoxes : public MessageBoxes
{
public:
    MsgResult show(QWidget *parent, const MessageRequest &request) override;

    QList<MessageRequest> shown;
    std::deque<MsgResult> answers;
    // Called when a box is shown, before answering (to change the world, e.g.
    // restore a file before "Retry").
    std::function<void(const MessageRequest &)> onShow;
    QStringList texts() const;
};

class FakeFileDialogs : public FileDialogs
{
public:
    std::optional<QStringList> openFiles(QWidget *parent, const FileDialogRequest &request,
                                         bool multiple) override;
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override;

    std::deque<std::optional<QStringList>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QList<bool> openMultiple;
};

class FakeBeep : public SystemBeep
{
public:
    void beep() override { ++count; }
    int count = 0;
};

class FakeSystemInfo : public SystemInfo
{
public:
    QSizeF workAreaTwips() const override { return workArea; }
    double logicalDpi() const override { return dpi; }
    double devicePixelRatio() const override { return ratio; }
    QString platformName() const override { return platform; }
    QString systemVersion() const override { return version; }
    void change(QSizeF area)
    {
        workArea = area;
        Q_EMIT settingsChanged();
    }

    QSizeF workArea{9600, 7200};
    double dpi = 96.0;
    double ratio = 1.0;
    QString platform = QStringLiteral("Linux");
    QString version = QStringLiteral("Debian 12");
};

// Answers fileexists from the real file system unless a path is scripted.
class FakeFileSystem : public FileSystem
{
public:
    bool fileexists(const QString &path) const override;
    int accessError(const QString &path) const override;
    QHash<QString, bool> scripted;
    // Answers of accessError by path; others come from the real file system.
    QHash<QString, int> errors;
    mutable QStringList probes;
};

// Serves pictures from a table keyed by path; paths not in the table are
// loaded by the wrapped loader (if any) or fail as "file not found".
class FakePictureLoader : public PictureLoader
{
public:
    LoadedPicture load(const QString &path) const override;
    // Frames of pictures that move come from the wrapped loader.
    FrameDecoderPtr frames(const QString &path) const override
    {
        return fallback ? fallback->frames(path) : nullptr;
    }

    void addPicture(const QString &path, QSize pixels, QColor colour = Qt::red);
    void addFailure(const QString &path, int error) { failures[path] = error; }

    QHash<QString, LoadedPicture> pictures;
    QHash<QString, int> failures;
    const PictureLoader *fallback = nullptr;
    mutable QStringList loads;
};

// Runs a script on the dialog instead of a nested event loop; the script
// returns the dialog's result code. Without a script the dialog is rejected.
class FakeModalRunner : public ModalRunner
{
public:
    int exec(QDialog *dialog) override;
    std::deque<std::function<int(QDialog *)>> scripts;
    QList<QDialog *> shown;
};

// Records what the help viewer was asked; topics come from a table.
class FakeHelpViewer : public HelpViewer
{
public:
    void showContents(QWidget *, const QString &helpFile) override { contents << helpFile; }
    void showTopic(QWidget *, const QString &helpFile, int context) override
    {
        topics << qMakePair(helpFile, context);
    }
    QString topicText(const QString &, int context) override { return topicTexts.value(context); }
    void enterContextHelpMode() override { ++contextHelpModes; }

    QStringList contents;
    QList<QPair<QString, int>> topics;
    QHash<int, QString> topicTexts;
    int contextHelpModes = 0;
};

// Answers every start with the scripted outcome and counts the starts.
class FakeSystemInfoTool : public SystemInfoTool
{
public:
    Outcome start() override
    {
        ++starts;
        return outcome;
    }
    Outcome outcome = Outcome::Started;
    int starts = 0;
};

// The desktop's clipboard: records what the program put there; `foreign`
// stands for files another program put there since.
class FakeSystemClipboard : public SystemClipboard
{
public:
    void setFiles(const QStringList &paths, bool cut) override
    {
        files = {paths, cut};
        picture = QImage();
        foreign = {};
    }
    void setPicture(const QImage &p) override
    {
        picture = p;
        files = {};
        foreign = {};
    }
    Files foreignFiles() const override { return foreign; }

    Files files;
    QImage picture;
    Files foreign;
};

// Records the files it was asked to show; answers `shows`.
class FakeFileManager : public FileManager
{
public:
    bool showItem(const QString &path) override
    {
        shown << path;
        return shows;
    }
    QStringList shown;
    bool shows = true;
};

// One bundle of fakes, with a PlatformServices pointing at them.
// A screen whose colour profile the test sets; none at first.
class FakeScreenProfile : public ScreenProfile
{
public:
    QByteArray icc;
    QByteArray iccProfile(int) const override { return icc; }
    void set(const QByteArray &profile)
    {
        icc = profile;
        Q_EMIT changed();
    }
};

struct FakePlatform {
    FakeMessageBoxes messageBoxes;
    FakeFileDialogs fileDialogs;
    FakeBeep beep;
    FakeSystemInfo systemInfo;
    FakeFileSystem fileSystem;
    FakePictureLoader pictureLoader;
    FakeModalRunner modalRunner;
    FakeHelpViewer help;
    FakeDrives drives;
    FakeRandomSource random;
    FakeFileOperations fileOperations;
    FakeSystemInfoTool systemInfoTool;
    // Photos' Exif data is read from the test's own files.
    Exiv2MetadataReader metadata;
    FakeSystemClipboard clipboard;
    FakeFileManager fileManager;
    FakeScreenProfile screenProfile;

    PlatformServices services();
};

} // namespace orv::test
