#include "listform.h"

#include "listdroptarget.h"
#include "listediting.h"
#include "listmanagerhost.h"
#include "messageboxes.h"
#include "movebutton.h"
#include "moverepeater.h"
#include "picturelistcolumn.h"
#include "systeminfo.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>

namespace orv {

namespace {

// Designer places, in twips. The client area opens 2985 wide, which shows the
// main list and the move buttons; starting a second list widens the window
// to an outer width of 5500 and uncovers List2.
const QRectF kList1(960, 240, 1815, 3375);
const QRectF kList2(3240, 240, 1815, 3375);
const QRectF kUp(360, 1080, 375, 495);
const QRectF kDown(360, 1920, 375, 495);
constexpr double kNarrowWidth = 2985;
constexpr double kClientHeight = 4005;
constexpr double kWideOuterWidth = 5500;
constexpr double kIconSize = 300;

QListView *makeList(QWidget *parent, const char *name, const QString &accessibleName, PictureList *model,
                    int column)
{
    auto *view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(accessibleName);
    view->setModel(new PictureListColumn(model, column, view));
    view->setUniformItemSizes(true); // long lists stay fast
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The popups come on the right button's release and the menu key, below.
    view->setContextMenuPolicy(Qt::PreventContextMenu);
    view->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    return view;
}

} // namespace

ListForm::ListForm(PictureList &list, std::vector<PictureEntry> &cliplist, ListManagerHost &host,
                   const PlatformServices &services, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_list(list), m_cliplist(cliplist), m_host(host), m_services(services),
      m_files(m_second, services, this), m_placer(TwipScale(services.systemInfo->logicalDpi()))
{
    setObjectName(QStringLiteral("listform"));
    setWindowTitle(tr("Orvanta (List Manager)"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_repeater = new MoveRepeater(
        [this](MoveRepeater::Direction d) { d == MoveRepeater::Up ? moveup() : movedn(); }, this);
    buildControls();
    buildMenus();
    buildPopups();
    applyWhatsThisTopics();
    setClientWidth(kNarrowWidth, true);
}

ListForm::~ListForm() = default;

void ListForm::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    m_list1 = makeList(m_client, "List1", tr("Main list"), &m_list, PictureList::NameColumn);
    m_list2 = makeList(m_client, "List2", tr("Second list"), &m_second, PictureList::NameColumn);
    m_pathlist = makeList(m_client, "pathlist", tr("Second list folders"), &m_second,
                          PictureList::FolderColumn);
    m_pathlist->hide();

    m_up = new MoveButton(QStringLiteral("up"), QIcon(QStringLiteral(":/listmanager/up.svg")),
                          tr("Move selected files up"), m_client);
    m_down = new MoveButton(QStringLiteral("down"), QIcon(QStringLiteral(":/listmanager/down.svg")),
                            tr("Move selected files down."), m_client);
    const int icon = m_placer.scale().toPixels(kIconSize);
    for (MoveButton *b : {m_up, m_down})
        b->setIconSize(QSize(icon, icon));
    m_placer.place(m_up, kUp);
    m_placer.place(m_down, kDown);
    connect(m_up, &QAbstractButton::pressed, this, [this] { m_repeater->press(MoveRepeater::Up); });
    connect(m_down, &QAbstractButton::pressed, this, [this] { m_repeater->press(MoveRepeater::Down); });
    connect(m_up, &QAbstractButton::released, m_repeater, &MoveRepeater::release);
    connect(m_down, &QAbstractButton::released, m_repeater, &MoveRepeater::release);

    // Files dropped on a list are inserted where they are dropped.
    new ListDropTarget(m_list1, m_list, [this](int row, int count, bool wasEmpty) {
        m_host.picturesDropped(row, count, wasEmpty);
    });
    new ListDropTarget(m_list2, m_second);

    for (QWidget *w : {static_cast<QWidget *>(m_list1), m_list1->viewport(), static_cast<QWidget *>(m_list2),
                       m_list2->viewport(), m_client})
        w->installEventFilter(this);
}

void ListForm::setClientWidth(double twips, bool initial)
{
    m_clientWidth = twips;
    const TwipScale &scale = m_placer.scale();
    const int menu = menuBar()->sizeHint().height();
    const int width = scale.toPixels(twips);
    const int height = scale.toPixels(kClientHeight) + menu;
    // The lists stand where they stand; a taller window makes them longer.
    setMinimumSize(width, height);
    setMaximumWidth(width);
    resize(width, initial ? height : std::max(height, this->height()));
    // Beyond the narrow window's edge List2 takes no focus, so Tab and the
    // menu key stay in what the user sees.
    m_list2->setFocusPolicy(twips > kNarrowWidth ? Qt::StrongFocus : Qt::NoFocus);
    placeLists();
}

void ListForm::placeLists()
{
    const double height = std::max(kList1.height(), m_placer.scale().toTwips(m_client->height()) - 630);
    m_placer.place(m_list1, QRectF(kList1.topLeft(), QSizeF(kList1.width(), height)));
    m_placer.place(m_list2, QRectF(kList2.topLeft(), QSizeF(kList2.width(), height)));
}

void ListForm::widen()
{
    // An outer width of 5500 twips: the frame, where the window system draws
    // one, is part of it.
    const int frame = isVisible() ? std::max(0, frameGeometry().width() - geometry().width()) : 0;
    setClientWidth(kWideOuterWidth - m_placer.scale().toTwips(frame));
}

void ListForm::enableSecondList()
{
    for (const char *name : {"msave2", "msave2as", "mpaste2"})
        action(QLatin1String(name))->setEnabled(true);
}

ListForm::Side ListForm::activeList() const
{
    return m_list2->selectionModel()->hasSelection() ? Side::Second : Side::Main;
}

std::vector<int> ListForm::selectedRows(Side side) const
{
    const QListView *v = view(side);
    return ListEditing::selectedRows(*v->selectionModel(), v->model()->rowCount());
}

void ListForm::copy(Side side)
{
    m_cliplist = ListEditing::entriesAt(model(side), selectedRows(side));
}

void ListForm::cut(Side side, bool bottomUp)
{
    const std::vector<int> rows = selectedRows(side);
    m_cliplist = ListEditing::entriesAt(model(side), rows, bottomUp);
    if (rows.empty())
        return;
    // Every selected entry goes, so the selection ends empty; clearing it
    // first spares the views from following it through each removal.
    view(side)->selectionModel()->clearSelection();
    model(side).removeEntries(rows);
}

void ListForm::paste(Side side)
{
    const QModelIndex current = view(side)->currentIndex();
    ListEditing::paste(model(side), current.isValid() ? current.row() : -1, m_cliplist);
}

void ListForm::deleteEntries(Side side, bool refreshCounter)
{
    const std::vector<int> rows = selectedRows(side);
    if (rows.empty())
        return;
    view(side)->selectionModel()->clearSelection();
    model(side).removeEntries(rows);
    if (refreshCounter && side == Side::Main)
        m_host.refreshCounter();
}

void ListForm::selectAll()
{
    QListView *v = view(activeList());
    QAbstractItemModel *m = v->model();
    const int count = m->rowCount();
    if (count > 0)
        v->selectionModel()->select(QItemSelection(m->index(0, 0), m->index(count - 1, 0)),
                                    QItemSelectionModel::Select);
}

void ListForm::invertSelection()
{
    const Side side = activeList();
    QItemSelectionModel *selection = view(side)->selectionModel();
    // The new ranges in one pass; clearing first spares Qt from comparing
    // every old range with every new one.
    const QItemSelection inverted = ListEditing::invertedRows(*view(side)->model(), selectedRows(side));
    selection->clearSelection();
    selection->select(inverted, QItemSelectionModel::Select);
}

void ListForm::moveup()
{
    const std::vector<int> rows = selectedRows(Side::Main);
    if (ListEditing::moveUp(m_list, rows))
        m_list1->scrollTo(m_list1->model()->index(std::max(rows.front() - 1, 0), 0));
}

void ListForm::movedn()
{
    const std::vector<int> rows = selectedRows(Side::Main);
    if (ListEditing::moveDown(m_list, rows))
        m_list1->scrollTo(m_list1->model()->index(std::min(rows.back() + 1, m_list.count() - 1), 0));
}

void ListForm::mnew()
{
    widen();
    m_files.startNew();
    enableSecondList();
}

void ListForm::mother()
{
    widen();
    enableSecondList();
    m_files.openAnother();
}

void ListForm::msave2()
{
    m_files.save();
}

void ListForm::msave2as()
{
    m_files.saveAs();
}

void ListForm::msrtname()
{
    // List1 shows the picture list itself: it shows the new order at once.
    m_host.msrtnmeclick();
}

void ListForm::msrtrand()
{
    m_host.msrtrandclick();
}

void ListForm::mclear()
{
    m_list.clear();
    m_host.openedfileclr();
    m_host.setCounterText(QStringLiteral("0/0"));
}

bool ListForm::checkexit()
{
    MessageRequest box;
    box.text = tr("Exit and LOSE any unsaved changes??");
    box.icon = MsgIcon::Question;
    box.buttons = MsgButtons::OkCancel;
    box.defaultButton = 1;
    return m_services.messageBoxes->show(this, box) == MsgResult::Ok;
}

void ListForm::closeEvent(QCloseEvent *event)
{
    if (!checkexit()) {
        event->ignore();
        return;
    }
    m_repeater->release();
    m_host.setListButtonPressed(false);
    event->accept();
}

void ListForm::changeEvent(QEvent *event)
{
    // A window that loses the mouse mid-press may never see the release.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_repeater->release();
    QMainWindow::changeEvent(event);
}

void ListForm::showPopup(Side side, const QPoint &globalPos)
{
    (side == Side::Main ? m_popmain : m_pop2)->popup(globalPos);
}

bool ListForm::filterListEvent(Side side, QEvent *event)
{
    QListView *v = view(side);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Giving one list the focus clears the other's selection; a focus
        // that only comes back from a menu or another window is no change.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            view(side == Side::Main ? Side::Second : Side::Main)->selectionModel()->clearSelection();
        return false;
    }
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Menu) {
            // At the focus entry: the mouse may be anywhere on the screen.
            const QRect r = v->visualRect(v->currentIndex());
            const QPoint at = r.isValid() ? r.center() : QPoint(4, 4);
            showPopup(side, v->viewport()->mapToGlobal(at));
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The right button leaves the selection as it is.
        return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        showPopup(side, mouse->globalPosition().toPoint());
        return true;
    }
    default:
        return false;
    }
}

bool ListForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client) {
        if (event->type() == QEvent::Resize)
            placeLists();
        return false;
    }
    const bool isViewport = watched == m_list1->viewport() || watched == m_list2->viewport();
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::MouseButtonRelease;
    if (mouse != isViewport)
        return false;
    if (watched == m_list1 || watched == m_list1->viewport())
        return filterListEvent(Side::Main, event);
    if (watched == m_list2 || watched == m_list2->viewport())
        return filterListEvent(Side::Second, event);
    return false;
}

} // namespace orv
