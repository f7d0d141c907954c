// The main window's menu bar, popup menu and what's-this topics.
#include "form1.h"

#include "aboutbox.h"
#include "displaymodes.h"
#include "desktopcommands.h"
#include "filecommands.h"
#include "helpviewer.h"
#include "listfilecommands.h"
#include "maintoolbar.h"
#include "modalrunner.h"
#include "navigation.h"
#include "recentlistsmenu.h"
#include "recentslotstore.h"
#include "slideform.h"
#include "slideoptions.h"
#include "slideshowstart.h"
#include "toolbutton.h"
#include "welcomescreen.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>

namespace orv {

QAction *Form1::addAction(QMenu *menu, const char *name, const QString &text)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    m_actions.insert(a->objectName(), a);
    return a;
}

QAction *Form1::addCheckAction(QMenu *menu, const char *name, const QString &text,
                               std::function<void()> command)
{
    QAction *a = addAction(menu, name, text);
    a->setCheckable(true);
    // The commands set the check mark themselves from the state they toggle,
    // so Qt's own toggling on a click is undone first.
    connect(a, &QAction::triggered, this, [a, command](bool checked) {
        a->setChecked(!checked);
        command();
    });
    return a;
}

void Form1::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mfile"));
    QMenu *open = file->addMenu(tr("&Open"));
    open->setObjectName(QStringLiteral("mopen"));
    connect(addAction(open, "mopfile", tr("Pic. &File(s)")), &QAction::triggered, this,
            &Form1::mopfile);
    connect(addAction(open, "moplist", tr("&List")), &QAction::triggered, m_listFiles,
            &ListFileCommands::moplist);
    connect(addAction(open, "mopfolder", tr("Pic. Folde&r")), &QAction::triggered, this,
            &Form1::mopfolder);
    QAction *mclrlist = addAction(file, "mclrlist", tr("&New list"));
    mclrlist->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(mclrlist, &QAction::triggered, this, &Form1::clearList);
    QAction *msavelst = addAction(file, "msavelst", tr("&Save list"));
    msavelst->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(msavelst, &QAction::triggered, m_listFiles, &ListFileCommands::msavelstclick);
    QAction *msaveas = addAction(file, "msaveas", tr("Save list &As"));
    msaveas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(msaveas, &QAction::triggered, m_listFiles, &ListFileCommands::msaveasclick);
    file->addSeparator();
    QAction *mdel = addAction(file, "mdel", tr("&Delete file"));
    mdel->setShortcut(QKeySequence(Qt::Key_Delete));
    mdel->setAutoRepeat(false); // a held key deletes once
    connect(mdel, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->deletefiles(false); });
    QAction *mrename = addAction(file, "mrename", tr("&Rename file"));
    connect(mrename, &QAction::triggered, m_fileCommands, &FileCommands::renfile);
    QAction *mprop = addAction(file, "mprop", tr("&Properties"));
    connect(mprop, &QAction::triggered, m_fileCommands, &FileCommands::showfileprop);
    QAction *mshowfolder = addAction(file, "mshowfolder", tr("Show in folder"));
    connect(mshowfolder, &QAction::triggered, m_desktopCommands, &DesktopCommands::showInFolder);
    // Rename, Properties and Show in folder take one file.
    connect(file, &QMenu::aboutToShow, this, [this, mrename, mprop, mshowfolder] {
        const bool single = m_navigation->selectedCount() < 2;
        mrename->setEnabled(single);
        mprop->setEnabled(single);
        mshowfolder->setEnabled(single && !m_list.isEmpty());
    });
    file->addSeparator();
    // The recent lists stand between two separators, slot 4 at the top.
    QAction *beforeExit = file->addSeparator();
    m_recent = new RecentListsMenu(file, beforeExit, m_recentStore.get(), this);
    connect(m_recent, &RecentListsMenu::openRequested, this, [this](const QString &path) {
        // Reading the slot may have ended the program (a declined settings repair).
        if (!m_ended)
            m_listFiles->openlistclick(path);
    });
    connect(m_listFiles, &ListFileCommands::recentListUsed, m_recent, &RecentListsMenu::addtomenu);
    QAction *mexitAction = addAction(file, "mexit", tr("&Exit"));
    mexitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(mexitAction, &QAction::triggered, this, &Form1::mexit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("medit"));
    connect(addAction(edit, "mcopy", tr("&Copy")), &QAction::triggered, m_fileCommands,
            &FileCommands::copy);
    connect(addAction(edit, "mcut", tr("Cu&t")), &QAction::triggered, m_fileCommands,
            &FileCommands::cut);
    connect(addAction(edit, "mpaste", tr("&Paste")), &QAction::triggered, m_fileCommands,
            &FileCommands::paste);
    QAction *mcopypic = addAction(edit, "mcopypic", tr("Copy picture"));
    connect(mcopypic, &QAction::triggered, m_desktopCommands, &DesktopCommands::copyPicture);
    connect(edit, &QMenu::aboutToShow, this,
            [this, mcopypic] { mcopypic->setEnabled(m_desktopCommands->canCopyPicture()); });
    edit->addSeparator();
    connect(addAction(edit, "mall", tr("&Select all")), &QAction::triggered, m_navigation,
            &Navigation::selectAll);
    connect(addAction(edit, "minv", tr("&Invert selection")), &QAction::triggered, m_navigation,
            &Navigation::invertSelection);

    QMenu *viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->setObjectName(QStringLiteral("mview"));
    connect(addAction(viewMenu, "mnext", tr("&Next")), &QAction::triggered, m_navigation,
            &Navigation::next);
    connect(addAction(viewMenu, "mprev", tr("&Prev")), &QAction::triggered, m_navigation,
            &Navigation::previous);
    QAction *mlist = addCheckAction(viewMenu, "mlist", tr("&List"),
                                    [this] { m_navigation->toggleDropDown(); });
    m_navigation->setDropDownAction(mlist);
    viewMenu->addSeparator();
    QAction *mfit =
        addCheckAction(viewMenu, "mfit", tr("Fit to &Box"), [this] { m_modes->fitToggle(); });
    QAction *mstretch = addCheckAction(viewMenu, "mstretch", tr("&Stretch"),
                                       [this] { m_modes->stretchToggle(); });
    QAction *mfull = addAction(viewMenu, "mfull", tr("&Full screen"));
    QAction *mbar =
        addCheckAction(viewMenu, "mbar", tr("&Toolbar"), [this] { m_modes->toolbarToggle(); });
    mbar->setChecked(true);
    viewMenu->addSeparator();
    connect(addAction(viewMenu, "mslide", tr("&Run slide show")), &QAction::triggered,
            m_slideshow, &SlideshowStart::start);
    connect(addAction(viewMenu, "mslideoption", tr("Slide show &options")), &QAction::triggered,
            m_slideOptions, &SlideOptions::open);

    DisplayModes::Controls modeControls;
    modeControls.fit = m_toolbar->button(QStringLiteral("fit"));
    modeControls.stretch1 = m_toolbar->button(QStringLiteral("stretch1"));
    modeControls.mfit = mfit;
    modeControls.mstretch = mstretch;
    modeControls.mbar = mbar;
    modeControls.frame2 = m_toolbar;
    m_modes = new DisplayModes(viewerContext(), modeControls, this);
    connect(mfull, &QAction::triggered, m_modes, &DisplayModes::fullScreen);
    connect(m_modes, &DisplayModes::limitsChanged, this, &Form1::placeControls);

    QMenu *list = menuBar()->addMenu(tr("&List"));
    list->setObjectName(QStringLiteral("mlistmenu"));
    connect(addAction(list, "mclear", tr("&Clear")), &QAction::triggered, this,
            &Form1::clearList);
    QMenu *sort = list->addMenu(tr("&Sort"));
    sort->setObjectName(QStringLiteral("msort"));
    connect(addAction(sort, "msrtnme", tr("By &name")), &QAction::triggered, this,
            &Form1::msrtnmeclick);
    connect(addAction(sort, "msrtrand", tr("&Randomize")), &QAction::triggered, this,
            &Form1::msrtrandclick);
    // These two open the list manager (wired with it).
    addAction(sort, "msrtcust", tr("&Customize"));
    addAction(list, "moplstmngr", tr("&Open lisl manager"));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mhelp"));
    QAction *mtopics = addAction(help, "mtopics", tr("Help &Topics"));
    mtopics->setShortcut(QKeySequence(Qt::Key_F1));
    connect(mtopics, &QAction::triggered, this, [this] { m_services.help->showContents(this, m_helpfile); });
    connect(addAction(help, "mthis", tr("&What's this?")), &QAction::triggered, this,
            [this] { m_services.help->enterContextHelpMode(); });
    connect(addAction(help, "mbug", tr("Bug report")), &QAction::triggered, this,
            [this] { m_services.help->showTopic(this, m_helpfile, 31); });
    help->addSeparator();
    connect(addAction(help, "mabout", tr("&About Orvanta...")), &QAction::triggered, this,
            &Form1::mabout);
}

void Form1::mabout()
{
    AboutBox box(m_services.systemInfoTool, m_services.messageBoxes, this);
    m_services.modalRunner->exec(&box);
}

void Form1::buildPopup()
{
    m_popmenu = new QMenu(this);
    m_popmenu->setObjectName(QStringLiteral("popmenu"));
    connect(addAction(m_popmenu, "pmdisp", tr("&Show")), &QAction::triggered, this,
            [this] { m_navigation->showEntry(m_list2->currentIndex().row()); });
    addAction(m_popmenu, "pmoplstmngr", tr("&Open lisl manger"));
    m_popmenu->addSeparator();
    connect(addAction(m_popmenu, "pmcopy", tr("Co&py")), &QAction::triggered, m_fileCommands,
            &FileCommands::copy);
    connect(addAction(m_popmenu, "pmcut", tr("Cu&t")), &QAction::triggered, m_fileCommands,
            &FileCommands::cut);
    connect(addAction(m_popmenu, "pmdel", tr("&Delete")), &QAction::triggered, m_fileCommands,
            [this] { m_fileCommands->deletefiles(false); });
    connect(addAction(m_popmenu, "pmrename", tr("&Rename")), &QAction::triggered, m_fileCommands,
            &FileCommands::renfile);
    connect(addAction(m_popmenu, "pmprop", tr("&Properties")), &QAction::triggered,
            m_fileCommands, &FileCommands::showfileprop);
    connect(addAction(m_popmenu, "pmshowfolder", tr("Show in folder")), &QAction::triggered,
            m_desktopCommands, &DesktopCommands::showInFolder);
}

void Form1::preparePopup()
{
    const PopupEnabling e = popupEnabling(m_navigation->selectedCount());
    action(QStringLiteral("pmdisp"))->setEnabled(e.show);
    action(QStringLiteral("pmcopy"))->setEnabled(e.copy);
    action(QStringLiteral("pmcut"))->setEnabled(e.cut);
    action(QStringLiteral("pmdel"))->setEnabled(e.remove);
    action(QStringLiteral("pmrename"))->setEnabled(e.rename);
    action(QStringLiteral("pmprop"))->setEnabled(e.properties);
    action(QStringLiteral("pmshowfolder"))->setEnabled(e.properties);
    action(QStringLiteral("pmoplstmngr"))->setEnabled(e.openListManager);
}

void Form1::showPopupAt(const QPoint &globalPos)
{
    preparePopup();
    m_popmenu->popup(globalPos);
}

void Form1::applyWhatsThisTopics()
{
    // Each control's what's-this text is its topic in the help file.
    const struct {
        const char *name;
        int topic;
    } topics[] = {{"del", 2},       {"long1", 3},   {"delong1", 4}, {"wide1", 5},   {"dewide1", 6},
                  {"zomin1", 7},    {"zomout1", 8}, {"next1", 9},   {"prev1", 10},  {"fit", 11},
                  {"stretch1", 12}, {"full1", 13},  {"this", 14},   {"listdn", 15}, {"list", 16},
                  {"slide", 17},    {"List1", 18},  {"Label1", 19}, {"Image2", 20}, {"Label2", 21}};
    for (const auto &t : topics) {
        if (QWidget *w = findChild<QWidget *>(QLatin1String(t.name)))
            w->setWhatsThis(m_services.help->topicText(m_helpfile, t.topic));
    }
    // The file commands' menu items.
    const struct {
        const char *name;
        int topic;
    } fileTopics[] = {{"mcopy", FileCommands::CopyTopic},       {"pmcopy", FileCommands::CopyTopic},
                      {"mcut", FileCommands::CutTopic},         {"pmcut", FileCommands::CutTopic},
                      {"mpaste", FileCommands::PasteTopic},     {"mdel", FileCommands::DeleteTopic},
                      {"pmdel", FileCommands::DeleteTopic},     {"mrename", FileCommands::RenameTopic},
                      {"pmrename", FileCommands::RenameTopic},  {"mprop", FileCommands::PropertiesTopic},
                      {"pmprop", FileCommands::PropertiesTopic}};
    for (const auto &t : fileTopics)
        action(QLatin1String(t.name))->setWhatsThis(m_services.help->topicText(m_helpfile, t.topic));
    for (const char *name : {"mshowfolder", "pmshowfolder"})
        action(QLatin1String(name))->setWhatsThis(
            m_services.help->topicText(m_helpfile, DesktopCommands::ShowInFolderTopic));
    action(QStringLiteral("mcopypic"))
        ->setWhatsThis(m_services.help->topicText(m_helpfile, DesktopCommands::CopyPictureTopic));
}

} // namespace orv
