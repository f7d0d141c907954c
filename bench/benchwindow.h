#pragma once

#include "drives.h"
#include "filedialogs.h"
#include "filesystem.h"
#include "helpviewer.h"
#include "messageboxes.h"
#include "modalrunner.h"
#include "picturecache.h"
#include "platformservices.h"
#include "qtfileoperations.h"
#include "qtpictureloader.h"
#include "randomsource.h"
#include "systembeep.h"
#include "systeminfo.h"

#include <QTemporaryDir>
#include <memory>

namespace orv {
class Form1;
}

namespace orv::bench {

// Message boxes that never stop a measurement: each is counted and answered
// with `answer` (Cancel unless a figure needs another).
class QuietMessageBoxes : public MessageBoxes
{
public:
    MsgResult show(QWidget *, const MessageRequest &request) override
    {
        ++count;
        lastText = request.text;
        return answer;
    }
    int count = 0;
    QString lastText;
    MsgResult answer = MsgResult::Cancel;
};

class QuietFileDialogs : public FileDialogs
{
public:
    std::optional<QStringList> openFiles(QWidget *, const FileDialogRequest &, bool) override { return {}; }
    std::optional<QString> saveFile(QWidget *, const FileDialogRequest &) override { return {}; }
};

class QuietBeep : public SystemBeep
{
public:
    void beep() override {}
};

// The main window as the program builds it, with the real picture loader
// behind the picture cache and the real screen information, in a temporary
// program folder with a default settings file. Message boxes, file dialogs
// and the beep are quiet stand-ins so that nothing waits for a person.
class BenchWindow
{
public:
    explicit BenchWindow(const QString &commandLine = QString(),
                         qint64 cacheBudget = PictureCache::DefaultBudgetBytes);
    ~BenchWindow();

    Form1 &form() { return *m_form; }
    PictureCache &cache() { return *m_cache; }
    const QtPictureLoader &loader() const { return m_loader; }
    QuietMessageBoxes &messageBoxes() { return m_messageBoxes; }
    const PlatformServices &services() const { return m_services; }

    // Runs the start-up sequence, shows the window and paints it.
    void showLoaded();
    // Paints the picture area now, as the next screen refresh would.
    void paint();
    // The picture list becomes exactly these files; nothing is shown.
    void setPictures(const QStringList &paths);
    // Shows entry `index` (0-based) and paints it.
    void showEntry(int index);
    // Sends a key press and release to the window, as the keyboard does.
    void pressKey(int key);
    void setFitMode(bool fit);

private:
    QTemporaryDir m_apppath;
    QtSystemInfo m_systemInfo;
    QuietMessageBoxes m_messageBoxes;
    QuietFileDialogs m_fileDialogs;
    QuietBeep m_beep;
    QtFileSystem m_fileSystem;
    QtPictureLoader m_loader;
    std::unique_ptr<PictureCache> m_cache;
    QtModalRunner m_modalRunner;
    QtHelpViewer m_help;
    QtDrives m_drives;
    ClockRandomSource m_random;
    // The trash in a folder of the benchmark's own.
    QTemporaryDir m_dataHome;
    QtFileOperations m_fileOperations{m_dataHome.filePath(QStringLiteral("Trash"))};
    PlatformServices m_services;
    std::unique_ptr<Form1> m_form;
};

} // namespace orv::bench
