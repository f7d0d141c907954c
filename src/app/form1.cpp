#include "form1.h"

#include "boxgeometry.h"
#include "boxtools.h"
#include "commandline.h"
#include "displayengine.h"
#include "displaymodes.h"
#include "desktopcommands.h"
#include "filecommands.h"
#include "filedialogs.h"
#include "filesystem.h"
#include "form1listmanagerhost.h"
#include "helpviewer.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "installlayout.h"
#include "listfilecommands.h"
#include "listmanager.h"
#include "maintoolbar.h"
#include "mainwindowdrops.h"
#include "mainwindowhost.h"
#include "messageboxes.h"
#include "navigation.h"
#include "openfolderdialog.h"
#include "picturefiletypes.h"
#include "picturelistcolumn.h"
#include "picturepath.h"
#include "recentlistsmenu.h"
#include "screencolours.h"
#include "screenprofile.h"
#include "recentslotstore.h"
#include "settingsfile.h"
#include "shuffle.h"
#include "signpicture.h"
#include "slideform.h"
#include "slideoptions.h"
#include "slideshowsettings.h"
#include "slideshowstart.h"
#include "sortbyname.h"
#include "systeminfo.h"
#include "toolbutton.h"
#include "welcomescreen.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QSvgRenderer>

namespace orv {

namespace {
QListView *makeListView(QWidget *parent, const char *name, PictureList *model, int column)
{
    auto *view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(new PictureListColumn(model, column, view));
    view->setUniformItemSizes(true); // long lists stay fast
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

// Rows of the one-row list as high as the list shows, so exactly one name
// is visible.
class OneRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        if (const auto *view = qobject_cast<const QAbstractItemView *>(parent()))
            s.setHeight(std::max(1, view->viewport()->height()));
        return s;
    }
};

// The zoom pointer: the zoom-in button's picture at 32 x 32, hot spot (9, 8).
QCursor zoomPointer()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    QSvgRenderer(QStringLiteral(":/toolbar/zomin1.svg")).render(&p);
    p.end();
    return QCursor(pm, 9, 8);
}
} // namespace

Form1::Form1(PlatformServices services, QString apppath, QString commandLine, QWidget *parent)
    : Form1(services, std::move(apppath), commandLine.isEmpty() ? QStringList() : QStringList{commandLine},
            parent)
{}

Form1::Form1(PlatformServices services, QString apppath, QStringList arguments, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_apppath(std::move(apppath)),
      m_arguments(std::move(arguments)), m_commandLine(argumentText(m_arguments))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvanta "));
    buildControls();
    buildCommandUnits();
    buildFileUnits();
    buildMenus();
    buildPopup();
    buildTurnCommands();
    buildSortCommands();
    connectToolbar();
    connectInput();
    buildListManager();
    m_pixelRatio = m_services.systemInfo->devicePixelRatio();
    connect(m_services.systemInfo, &SystemInfo::settingsChanged, this, &Form1::onSettingsChanged);
    if (m_services.screenProfile) {
        connect(m_services.screenProfile, &ScreenProfile::changed, this, &Form1::followScreenProfile);
        followScreenProfile();
    }
}

Form1::~Form1()
{
    // The slideshow windows and the list manager use the hosts; they go first.
    delete m_slideshow;
    m_slideshow = nullptr;
    delete m_listManager;
    m_listManager = nullptr;
}

void Form1::buildControls()
{
    m_view = new ImageBoxView(this);
    m_view->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_view);
    TwipPlacer &placer = m_view->placer();
    placer.setScale(TwipScale(m_services.systemInfo->logicalDpi()));

    m_toolbar = new MainToolbar(m_view);

    m_list1 = makeListView(m_toolbar, "List1", &m_list, PictureList::NameColumn);
    m_list1->setToolTip(tr("pic.'s list"));
    m_list1->setAccessibleName(tr("pic.'s list"));
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list1->setItemDelegate(new OneRowDelegate(m_list1));
    // Its row is laid out again whenever it is resized (a DPI change).
    m_list1->setResizeMode(QListView::Adjust);

    m_listdn = new ToolButton(QStringLiteral("listdn"), QIcon(QStringLiteral(":/toolbar/listdn.svg")),
                              tr("Open list"), m_toolbar);

    m_label1 = new QLabel(QStringLiteral("0/0"), m_toolbar);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setToolTip(tr("Current pic.'s count in the list"));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_list2 = makeListView(m_view, "List2", &m_list, PictureList::NameColumn);
    m_list2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list2->setAccessibleName(tr("Open list"));
    m_list2->hide();

    m_pathlist = makeListView(m_view, "pathlist", &m_list, PictureList::FolderColumn);
    m_pathlist->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pathlist->hide();

    m_sign = new ImageControl(m_view);
    m_sign->setObjectName(QStringLiteral("sign"));
    m_sign->setPicture(renderSignPicture(placer.scale()));
    m_sign->hide();
}

void Form1::buildCommandUnits()
{
    DisplayEngine::Controls controls;
    controls.view = m_view;
    controls.label1 = m_label1;
    controls.list1 = m_list1;
    controls.list2 = m_list2;
    controls.dialogParent = this;
    m_engine = new DisplayEngine(m_state, m_list, controls, m_services, this);
    m_engine->setSign(m_sign->picture());

    // The menu actions they drive are set once the menus exist.
    const ViewerContext context = viewerContext();
    m_navigation = new Navigation(context, {m_list1, m_list2, m_pathlist, nullptr}, this);

    BoxTools::Buttons b;
    b.long1 = m_toolbar->button(QStringLiteral("long1"));
    b.delong1 = m_toolbar->button(QStringLiteral("delong1"));
    b.wide1 = m_toolbar->button(QStringLiteral("wide1"));
    b.dewide1 = m_toolbar->button(QStringLiteral("dewide1"));
    b.zomin1 = m_toolbar->button(QStringLiteral("zomin1"));
    b.zomout1 = m_toolbar->button(QStringLiteral("zomout1"));
    m_boxTools = new BoxTools(context, b, zoomPointer(), this);

    m_fileCommands = new FileCommands(
        context, {m_list1, m_list2},
        [this](int topic) { return m_services.help->topicText(m_helpfile, topic); }, this);
    m_desktopCommands = new DesktopCommands(context, m_list1, m_list2, this);
}

ViewerContext Form1::viewerContext()
{
    ViewerContext context;
    context.state = &m_state;
    context.list = &m_list;
    context.engine = m_engine;
    context.view = m_view;
    context.services = m_services;
    context.window = this;
    return context;
}

void Form1::buildFileUnits()
{
    m_inifile = SettingsFile::location(m_apppath);
    m_ini = std::make_unique<SettingsFile>(m_inifile);
    m_ini->setSystemDefault(SettingsFile::systemDefault(m_apppath));
    m_slideSettings = std::make_unique<SlideshowSettings>();
    m_slideOptions = new SlideOptions(
        *m_ini, *m_slideSettings, m_services, [this] { end(ExitStatus::SettingsNotRepaired); }, this, this);
    m_recentStore = std::make_unique<RecentSlotStore>(
        *m_ini, m_services.messageBoxes, [this] { return m_slideOptions->readfile(); }, this);

    m_host = std::make_unique<MainWindowHost>(*this);
    m_slideshow = new SlideshowStart(*m_host, *m_slideSettings, *m_slideOptions, m_services, this, this);

    m_listFiles = new ListFileCommands(m_list, m_services, this, this);
    connect(m_listFiles, &ListFileCommands::curpicChanged, this, [this](int c) { m_state.curpic = c; });
    connect(m_listFiles, &ListFileCommands::counterTextChanged, m_label1, &QLabel::setText);
    connect(m_listFiles, &ListFileCommands::statusTextChanged, m_view, &ImageBoxView::setStatus);

    new MainWindowDrops(this, m_list, *m_host, *m_services.messageBoxes, *m_listFiles);
}

QString Form1::openedfile() const
{
    return m_listFiles->openedfile();
}

void Form1::openedfileclr()
{
    m_listFiles->openedfileclr();
}

void Form1::placeControls()
{
    TwipPlacer &placer = m_view->placer();
    // As wide as the box allows, never wider than the work area.
    const double workWidth = m_services.systemInfo->workAreaTwips().width();
    m_toolbar->place(placer, std::min(double(std::max(9600, m_state.maxboxwidth + 400)), workWidth));
    const double left = MainToolbar::listLeft();
    placer.place(m_list1, QRectF(left, 37, 3000, 285));
    placer.place(m_listdn, QRectF(left + 3030, 30, 300, 300));
    placer.place(m_label1, QRectF(left + 3450, 60, 1500, 240));
    placer.place(m_list2, QRectF(left, 360, 3330, std::max(1000, m_state.maxboxheight)));
    m_toolbar->raise();
    m_list2->raise();
}

void Form1::computeBoxLimits(int reserve)
{
    const BoxLimits limits = boxLimits(m_services.systemInfo->workAreaTwips(), m_state.toolbarshown, reserve);
    m_state.maxboxheight = limits.maxboxheight;
    m_state.maxboxwidth = limits.maxboxwidth;
    placeControls();
}

void Form1::load()
{
    if (m_loaded)
        return;
    m_loaded = true;

    // Paths (the settings file's place is settled at construction).
    m_helpfile = InstallLayout(m_apppath).helpFile();
    applyWhatsThisTopics();

    // Initial state, then the welcome sign in the default box.
    m_state = DisplayState();
    m_view->image2()->setPicture(m_sign->picture());
    computeBoxLimits(1200);
    m_engine->sizebox();
    m_view->setStatus(tr("Welcome. Open or make a pictures list to start."));

    // Settings, recent lists, slideshow settings; a damaged settings file
    // whose repair the user declines ends the program here.
    m_slideOptions->readfile();
    if (m_ended)
        return;
    m_recent->readmenulists();
    m_slideOptions->app();

    runCommandLine();
}

void Form1::showLoaded()
{
    load();
    if (m_ended)
        return;
    coverWorkArea();
    show();
}

void Form1::coverWorkArea()
{
    // The window covers the work area the layout is computed from.
    const QSizeF area = m_services.systemInfo->workAreaTwips();
    const QRect pixels = m_view->placer().scale().toPixels(QRectF(QPointF(), area));
    QPoint origin;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        origin = screen->availableGeometry().topLeft();
    setGeometry(QRect(origin, pixels.size()));
}

void Form1::runCommandLine()
{
    const QStringList pictures =
        pictureArguments(m_arguments, QDir::currentPath(),
                         [this](const QString &path) { return m_services.fileSystem->fileexists(path); });
    if (!pictures.isEmpty()) {
        openPictureArguments(pictures);
        return;
    }
    switch (classifyArgument(m_commandLine)) {
    case ArgumentKind::Empty:
        return;
    case ArgumentKind::ListFile:
        m_listFiles->openlistclick(absoluteArgument(m_commandLine, QDir::currentPath()));
        return;
    case ArgumentKind::Picture:
        openPictureArgument(absoluteArgument(m_commandLine, QDir::currentPath()));
        return;
    case ArgumentKind::Bad: {
        MessageRequest box;
        box.text = tr("Bad command line argument");
        box.icon = MsgIcon::Critical;
        box.buttons = MsgButtons::Ok;
        m_services.messageBoxes->show(this, box);
        end(ExitStatus::BadArgument);
        return;
    }
    }
}

void Form1::openPictureArgument(const QString &path)
{
    m_list.append(splitPicturePath(path));
    m_engine->disp();
}

void Form1::openPictureArguments(const QStringList &paths)
{
    // A new list of the pictures, the first one shown.
    std::vector<PictureEntry> entries;
    entries.reserve(size_t(paths.size()));
    for (const QString &path : paths)
        entries.push_back(splitPicturePath(path));
    m_list.appendAll(entries);
    m_engine->disp();
}

void Form1::onSettingsChanged()
{
    // The screen's DPI may have changed with its other settings: every
    // control is placed again for it, and the sign is drawn for it.
    TwipPlacer &placer = m_view->placer();
    const double dpi = m_services.systemInfo->logicalDpi();
    const double ratio = m_services.systemInfo->devicePixelRatio();
    const bool rescaled = dpi != placer.scale().dpi() || ratio != m_pixelRatio;
    m_pixelRatio = ratio;
    if (dpi != placer.scale().dpi()) {
        placer.setScale(TwipScale(dpi));
        const QImage oldSign = m_sign->picture();
        m_sign->setPicture(renderSignPicture(placer.scale()));
        m_engine->setSign(m_sign->picture());
        if (m_view->image2()->picture() == oldSign)
            m_view->image2()->setPicture(m_sign->picture());
    }
    if (rescaled && m_loaded && !m_rescalePending) {
        // A screen's settings change in several steps (DPI, geometry): the
        // window is laid out once, after the last.
        m_rescalePending = true;
        QMetaObject::invokeMethod(this, &Form1::followNewScale, Qt::QueuedConnection);
    }
    if (m_rescalePending)
        return;
    computeBoxLimits(1300);
    m_engine->sizebox();
}

void Form1::followNewScale()
{
    m_rescalePending = false;
    // Each widget, menus included, takes its font at the new DPI, as Qt does
    // when a window moves to another screen.
    QList<QWidget *> widgets = findChildren<QWidget *>();
    widgets.prepend(this);
    for (QWidget *w : std::as_const(widgets)) {
        QEvent moved(QEvent::ScreenChangeInternal);
        QCoreApplication::sendEvent(w, &moved);
    }
    // Laid out as start-up lays it out, the picture on display shown again.
    computeBoxLimits(1200);
    coverWorkArea();
    if (!m_state.pichidden && m_state.curpic >= 1 && !m_list.isEmpty() &&
        (m_view->image1()->isVisible() || m_view->image2()->isVisible()))
        m_engine->disp();
    else
        m_engine->sizebox();
    update();
}

void Form1::followScreenProfile()
{
    // Pictures take the colours of the screen the window is on; the picture
    // on display is shown anew in them (the cache decodes it again).
    const int screen = std::max(0, int(QGuiApplication::screens().indexOf(this->screen())));
    if (!ScreenColours::setScreenProfile(m_services.screenProfile->iccProfile(screen)))
        return;
    if (!m_state.pichidden && m_state.curpic >= 1 && m_state.curpic <= m_list.count() &&
        (m_view->image1()->isVisible() || m_view->image2()->isVisible()))
        m_engine->disp();
}

void Form1::mopfile()
{
    FileDialogRequest request;
    request.filter = PictureFileTypes::dialogFilter();
    request.filterIndex = 2;
    const auto chosen = m_services.fileDialogs->openFiles(this, request, true);
    if (!chosen || chosen->isEmpty())
        return;
    std::vector<PictureEntry> entries;
    entries.reserve(size_t(chosen->size()));
    for (const QString &path : *chosen)
        entries.push_back(splitPicturePath(QDir::toNativeSeparators(path)));
    m_list.appendAll(entries);
    m_engine->disp();
}

void Form1::mopfolder()
{
    // Set up on first use in the folder the program was started in.
    if (!m_opendir)
        m_opendir = new OpenFolderDialog(m_list, m_services, *m_host, this, QDir::currentPath());
    m_opendir->runModal();
}

void Form1::msrtnmeclick()
{
    orv::msrtnmeclick(m_list);
}

void Form1::msrtrandclick()
{
    orv::msrtrandclick(m_list, m_cliplist, *m_services.random);
}

void Form1::clearList()
{
    m_list.clear();
    m_listFiles->openedfileclr();
    m_label1->setText(QStringLiteral("0/0"));
    m_state.curpic = 1;
    m_engine->disp();
}

void Form1::mexit()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_quitok) {
        event->accept();
        return;
    }
    MessageRequest box;
    box.text = tr("You are going to end your session with ME!!");
    box.icon = MsgIcon::Question;
    box.buttons = MsgButtons::OkCancel;
    box.defaultButton = 1;
    if (m_services.messageBoxes->show(this, box) != MsgResult::Ok) {
        event->ignore();
        return;
    }
    m_quitok = true;
    event->accept();
    end(ExitStatus::Ok);
}

void Form1::end(ExitStatus status)
{
    m_quitok = true;
    m_ended = true;
    m_exitStatus = status;
    Q_EMIT endProgram(int(status));
}

} // namespace orv
