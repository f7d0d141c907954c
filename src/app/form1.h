#pragma once

#include "displaystate.h"
#include "exitstatus.h"
#include "picturelist.h"
#include "platformservices.h"
#include "viewercontext.h"
#include "wheelnotches.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QListView;
class QMenu;
class QNativeGestureEvent;
class QWheelEvent;

namespace orv {

class BoxTools;
class DisplayEngine;
class DisplayModes;
class DesktopCommands;
class FileCommands;
class ImageBoxView;
class ImageControl;
class MainToolbar;
class ListFileCommands;
class ListManager;
class Form1ListManagerHost;
class MainWindowHost;
class RecentListsMenu;
class RecentSlotStore;
class SettingsFile;
class SlideOptions;
class SlideshowStart;
class SlideshowSettings;
class OpenFolderDialog;
class Navigation;
class ToolButton;
class TurnCommands;
class SortCommands;

// The main window: owner of the picture list, the current position and the
// display state; the hub every other window works through. The work itself
// is done by the display engine and the command units it wires up.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    // `apppath` is the program's folder; `commandLine` the argument text.
    Form1(PlatformServices services, QString apppath, QString commandLine, QWidget *parent = nullptr);
    // `arguments` are the program's arguments, one by one.
    Form1(PlatformServices services, QString apppath, QStringList arguments, QWidget *parent = nullptr);
    ~Form1() override;

    // Runs the start-up sequence once (the window's load).
    void load();
    bool isLoaded() const { return m_loaded; }
    // Loads the window if needed and shows it, unless loading ended the program.
    void showLoaded();

    // File > Exit: a close request; ends the program when confirmed.
    void mexit();
    // File > Open > Pic. File(s).
    void mopfile();
    // List > Clear and File > New list.
    void clearList();
    // File > Open > Pic. Folder: the open-folder dialog, set up on first use.
    void mopfolder();
    // List > Sort > By name, List > Randomize.
    void msrtnmeclick();
    void msrtrandclick();
    // Forgets the list file the list came from.
    void openedfileclr();
    // Help > About: the about box, modal.
    void mabout();

    DisplayState &state() { return m_state; }
    PictureList &pictureList() { return m_list; }
    DisplayEngine &engine() { return *m_engine; }
    Navigation &navigation() { return *m_navigation; }
    DisplayModes &modes() { return *m_modes; }
    BoxTools &boxTools() { return *m_boxTools; }
    FileCommands &fileCommands() { return *m_fileCommands; }
    TurnCommands &turnCommands() { return *m_turnCommands; }
    SortCommands &sortCommands() { return *m_sortCommands; }
    ImageBoxView *view() const { return m_view; }
    QLabel *label1() const { return m_label1; }
    OpenFolderDialog *opendir() const { return m_opendir; }
    std::vector<PictureEntry> &cliplist() { return m_cliplist; }
    MainToolbar *toolbar() const { return m_toolbar; }
    QMenu *popmenu() const { return m_popmenu; }
    QAction *action(const QString &name) const { return m_actions.value(name); }
    const QString &apppath() const { return m_apppath; }
    const QString &inifile() const { return m_inifile; }
    const QString &helpfile() const { return m_helpfile; }
    QString openedfile() const;
    ListFileCommands &listFiles() { return *m_listFiles; }
    RecentListsMenu &recentLists() { return *m_recent; }
    SlideOptions &slideOptions() { return *m_slideOptions; }
    SlideshowSettings &slideshowSettings() { return *m_slideSettings; }
    SlideshowStart &slideshow() { return *m_slideshow; }
    ListManager &listManager() { return *m_listManager; }
    bool quitok() const { return m_quitok; }
    bool hasEnded() const { return m_ended; }
    // What the process is to return once the program has ended.
    int exitStatus() const { return int(m_exitStatus); }

    // Box limits from the work area, less the toolbar and `reserve` twips.
    void computeBoxLimits(int reserve);
    // Enables the popup's items for the selection of List2 (the menu is then
    // shown by the caller).
    void preparePopup();

Q_SIGNALS:
    // The program must end at once, with `exitStatus` (an ExitStatus): every
    // window closes without questions.
    void endProgram(int exitStatus);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildCommandUnits();
    ViewerContext viewerContext();
    void buildFileUnits();
    void buildMenus();
    void buildPopup();
    void connectToolbar();
    void connectInput();
    void buildListManager();
    // Turning pictures, sorting by date, size and type, the wheel and pinch.
    void buildTurnCommands();
    void buildSortCommands();
    // One step of the wheel over the picture: scroll, zoom or step.
    void wheelOverPicture(QWheelEvent *event);
    void pinch(QNativeGestureEvent *event);
    // The picture's point under the window's point `pos`, in twips.
    QPointF picturePoint(QPointF pos) const;
    void placeControls();
    QAction *addAction(QMenu *menu, const char *name, const QString &text);
    QAction *addCheckAction(QMenu *menu, const char *name, const QString &text,
                            std::function<void()> command);
    void applyWhatsThisTopics();
    void runCommandLine();
    void openPictureArgument(const QString &path);
    void openPictureArguments(const QStringList &paths);
    void onSettingsChanged();
    void followNewScale();
    void coverWorkArea();
    void followScreenProfile();
    void showPopupAt(const QPoint &globalPos);
    void end(ExitStatus status);

    PlatformServices m_services;
    QString m_apppath;
    QString m_inifile;
    QString m_helpfile;
    QStringList m_arguments;
    QString m_commandLine;
    bool m_loaded = false;
    // The screen's pixel ratio the window was laid out for, and whether a
    // layout for a new scale waits for the event loop.
    double m_pixelRatio = 1.0;
    bool m_rescalePending = false;
    bool m_quitok = false;
    bool m_ended = false;
    ExitStatus m_exitStatus = ExitStatus::Ok;

    DisplayState m_state;
    PictureList m_list;

    ImageBoxView *m_view = nullptr;
    MainToolbar *m_toolbar = nullptr;
    ToolButton *m_listdn = nullptr;
    QListView *m_list1 = nullptr;
    QListView *m_list2 = nullptr;
    QListView *m_pathlist = nullptr;
    QLabel *m_label1 = nullptr;
    ImageControl *m_sign = nullptr;
    QMenu *m_popmenu = nullptr;
    QHash<QString, QAction *> m_actions;
    // The list manager's clipboard, and the shuffle's work list.
    std::vector<PictureEntry> m_cliplist;
    std::unique_ptr<MainWindowHost> m_host;
    OpenFolderDialog *m_opendir = nullptr;

    // The settings file, the slideshow settings and the list-file commands.
    std::unique_ptr<SettingsFile> m_ini;
    std::unique_ptr<SlideshowSettings> m_slideSettings;
    SlideOptions *m_slideOptions = nullptr;
    std::unique_ptr<RecentSlotStore> m_recentStore;
    ListFileCommands *m_listFiles = nullptr;
    RecentListsMenu *m_recent = nullptr;
    SlideshowStart *m_slideshow = nullptr;
    std::unique_ptr<Form1ListManagerHost> m_listManagerHost;
    ListManager *m_listManager = nullptr;

    DisplayEngine *m_engine = nullptr;
    Navigation *m_navigation = nullptr;
    DisplayModes *m_modes = nullptr;
    BoxTools *m_boxTools = nullptr;
    FileCommands *m_fileCommands = nullptr;
    TurnCommands *m_turnCommands = nullptr;
    SortCommands *m_sortCommands = nullptr;
    WheelNotches m_wheelSteps; // stepping and zooming with the wheel
    double m_pinchRest = 0;    // a pinch short of a zoom step
    DesktopCommands *m_desktopCommands = nullptr;
};

} // namespace orv
