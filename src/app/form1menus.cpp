// The main window's menu bar, popup menu and what's-this topics.
#include "form1.h"

#include "aboutbox.h"
#include "displaymodes.h"
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
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mfile"));
    QMenu *open = file->addMenu(QStringLiteral("&Open"));
    open->setObjectName(QStringLiteral("mopen"));
    connect(addAction(open, "mopfile", QStringLiteral("Pic. &File(s)")), &QAction::triggered, this,
            &Form1::mopfile);
    connect(addAction(open, "moplist", QStringLiteral("&List")), &QAction::triggered, m_listFiles,
            &ListFileCommands::moplist);
    connect(addAction(open, "mopfolder", QStringLiteral("Pic. Folde&r")), &QAction::triggered, this,
            &Form1::mopfolder);
    QAction *mclrlist = addAction(file, "mclrlist", QStringLiteral("&New list"));
    mclrlist->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(mclrlist, &QAction::triggered, this, &Form1::clearList);
    QAction *msavelst = addAction(file, "msavelst", QStringLiteral("&Save list"));
    msavelst->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(msavelst, &QAction::triggered, m_listFiles, &ListFileCommands::msavelstclick);
    QAction *msaveas = addAction(file, "msaveas", QStringLiteral("Save list &As"));
    msaveas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(msaveas, &QAction::triggered, m_listFiles, &ListFileCommands::msaveasclick);
    file->addSeparator();
    QAction *mdel = addAction(file, "mdel", QStringLiteral("&Delete file"));
    mdel->setShortcut(QKeySequence(Qt::Key_Delete));
    mdel->setAutoRepeat(false); // a held key deletes once
    connect(mdel, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->deletefiles(false); });
    QAction *mrename = addAction(file, "mrename", QStringLiteral("&Rename file"));
    connect(mrename, &QAction::triggered, m_fileCommands, &FileCommands::renfile);
    QAction *mprop = addAction(file, "mprop", QStringLiteral("&Properties"));
    connect(mprop, &QAction::triggered, m_fileCommands, &FileCommands::showfileprop);
    // Rename and Properties take one file.
    connect(file, &QMenu::aboutToShow, this, [this, mrename, mprop] {
        const bool single = m_navigation->selectedCount() < 2;
        mrename->setEnabled(single);
        mprop->setEnabled(single);
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
    QAction *mexitAction = addAction(file, "mexit", QStringLiteral("&Exit"));
    mexitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(mexitAction, &QAction::triggered, this, &Form1::mexit);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("medit"));
    connect(addAction(edit, "mcopy", QStringLiteral("&Copy")), &QAction::triggered, m_fileCommands,
            &FileCommands::copy);
    connect(addAction(edit, "mcut", QStringLiteral("Cu&t")), &QAction::triggered, m_fileCommands,
            &FileCommands::cut);
    connect(addAction(edit, "mpaste", QStringLiteral("&Paste")), &QAction::triggered, m_fileCommands,
            &FileCommands::paste);
    edit->addSeparator();
    connect(addAction(edit, "mall", QStringLiteral("&Select all")), &QAction::triggered, m_navigation,
            &Navigation::selectAll);
    connect(addAction(edit, "minv", QStringLiteral("&Invert selection")), &QAction::triggered, m_navigation,
            &Navigation::invertSelection);

    QMenu *viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    viewMenu->setObjectName(QStringLiteral("mview"));
    connect(addAction(viewMenu, "mnext", QStringLiteral("&Next")), &QAction::triggered, m_navigation,
            &Navigation::next);
    connect(addAction(viewMenu, "mprev", QStringLiteral("&Prev")), &QAction::triggered, m_navigation,
            &Navigation::previous);
    QAction *mlist = addCheckAction(viewMenu, "mlist", QStringLiteral("&List"),
                                    [this] { m_navigation->toggleDropDown(); });
    m_navigation->setDropDownAction(mlist);
    viewMenu->addSeparator();
    QAction *mfit =
        addCheckAction(viewMenu, "mfit", QStringLiteral("Fit to &Box"), [this] { m_modes->fitToggle(); });
    QAction *mstretch = addCheckAction(viewMenu, "mstretch", QStringLiteral("&Stretch"),
                                       [this] { m_modes->stretchToggle(); });
    QAction *mfull = addAction(viewMenu, "mfull", QStringLiteral("&Full screen"));
    QAction *mbar =
        addCheckAction(viewMenu, "mbar", QStringLiteral("&Toolbar"), [this] { m_modes->toolbarToggle(); });
    mbar->setChecked(true);
    viewMenu->addSeparator();
    connect(addAction(viewMenu, "mslide", QStringLiteral("&Run slide show")), &QAction::triggered,
            m_slideshow, &SlideshowStart::start);
    connect(addAction(viewMenu, "mslideoption", QStringLiteral("Slide show &options")), &QAction::triggered,
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

    QMenu *list = menuBar()->addMenu(QStringLiteral("&List"));
    list->setObjectName(QStringLiteral("mlistmenu"));
    connect(addAction(list, "mclear", QStringLiteral("&Clear")), &QAction::triggered, this,
            &Form1::clearList);
    QMenu *sort = list->addMenu(QStringLiteral("&Sort"));
    sort->setObjectName(QStringLiteral("msort"));
    connect(addAction(sort, "msrtnme", QStringLiteral("By &name")), &QAction::triggered, this,
            &Form1::msrtnmeclick);
    connect(addAction(sort, "msrtrand", QStringLiteral("&Randomize")), &QAction::triggered, this,
            &Form1::msrtrandclick);
    // These two open the list manager (wired with it).
    addAction(sort, "msrtcust", QStringLiteral("&Customize"));
    addAction(list, "moplstmngr", QStringLiteral("&Open lisl manager"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mhelp"));
    QAction *mtopics = addAction(help, "mtopics", QStringLiteral("Help &Topics"));
    mtopics->setShortcut(QKeySequence(Qt::Key_F1));
    connect(mtopics, &QAction::triggered, this, [this] { m_services.help->showContents(this, m_helpfile); });
    connect(addAction(help, "mthis", QStringLiteral("&What's this?")), &QAction::triggered, this,
            [this] { m_services.help->enterContextHelpMode(); });
    connect(addAction(help, "mbug", QStringLiteral("Bug report")), &QAction::triggered, this,
            [this] { m_services.help->showTopic(this, m_helpfile, 31); });
    help->addSeparator();
    connect(addAction(help, "mabout", QStringLiteral("&About Orvanta...")), &QAction::triggered, this,
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
    connect(addAction(m_popmenu, "pmdisp", QStringLiteral("&Show")), &QAction::triggered, this,
            [this] { m_navigation->showEntry(m_list2->currentIndex().row()); });
    addAction(m_popmenu, "pmoplstmngr", QStringLiteral("&Open lisl manger"));
    m_popmenu->addSeparator();
    connect(addAction(m_popmenu, "pmcopy", QStringLiteral("Co&py")), &QAction::triggered, m_fileCommands,
            &FileCommands::copy);
    connect(addAction(m_popmenu, "pmcut", QStringLiteral("Cu&t")), &QAction::triggered, m_fileCommands,
            &FileCommands::cut);
    connect(addAction(m_popmenu, "pmdel", QStringLiteral("&Delete")), &QAction::triggered, m_fileCommands,
            [this] { m_fileCommands->deletefiles(false); });
    connect(addAction(m_popmenu, "pmrename", QStringLiteral("&Rename")), &QAction::triggered, m_fileCommands,
            &FileCommands::renfile);
    connect(addAction(m_popmenu, "pmprop", QStringLiteral("&Properties")), &QAction::triggered,
            m_fileCommands, &FileCommands::showfileprop);
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
}

} // namespace orv
