// The main window's input: toolbar buttons, keys and clicks.
#include "form1.h"

#include "boxtools.h"
#include "clickpanel.h"
#include "displaymodes.h"
#include "filecommands.h"
#include "helpviewer.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "maintoolbar.h"
#include "navigation.h"
#include "slideform.h"
#include "slideshowstart.h"
#include "toolbutton.h"
#include "welcomescreen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>

namespace orv {

namespace {
// A button that shows a border only while it is held.
void givePressedLook(ToolButton *b)
{
    QObject::connect(b, &ToolButton::pressed, b, [b] { b->setBorder(true); });
    QObject::connect(b, &ToolButton::released, b, [b] { b->setBorder(false); });
}
} // namespace

void Form1::connectToolbar()
{
    auto button = [this](const char *name) { return m_toolbar->button(QLatin1String(name)); };

    for (const char *name : {"next1", "prev1", "full1", "this", "zomin1", "zomout1"})
        givePressedLook(button(name));
    connect(button("next1"), &ToolButton::clicked, m_navigation, &Navigation::next);
    connect(button("prev1"), &ToolButton::clicked, m_navigation, &Navigation::previous);
    connect(button("fit"), &ToolButton::clicked, m_modes, &DisplayModes::fitToggle);
    connect(button("stretch1"), &ToolButton::clicked, m_modes, &DisplayModes::stretchToggle);
    connect(button("full1"), &ToolButton::clicked, m_modes, &DisplayModes::fullScreen);
    connect(button("this"), &ToolButton::clicked, this, [this] { m_services.help->enterContextHelpMode(); });
    connect(m_listdn, &ToolButton::clicked, m_navigation, &Navigation::toggleDropDown);
    givePressedLook(button("slide"));
    connect(button("slide"), &ToolButton::clicked, m_slideshow, &SlideshowStart::start);

    const struct {
        const char *name;
        BoxTools::Tool tool;
    } tools[] = {{"long1", BoxTools::Elongate},
                 {"delong1", BoxTools::Deelongate},
                 {"wide1", BoxTools::Widen},
                 {"dewide1", BoxTools::Dewiden}};
    for (const auto &t : tools) {
        const BoxTools::Tool tool = t.tool;
        connect(button(t.name), &ToolButton::pressed, m_boxTools, [this, tool] { m_boxTools->press(tool); });
        connect(button(t.name), &ToolButton::released, m_boxTools,
                [this, tool] { m_boxTools->release(tool); });
    }
    connect(button("zomin1"), &ToolButton::released, m_boxTools, &BoxTools::armZoom);
    ToolButton *zomout = button("zomout1");
    connect(zomout, &ToolButton::released, m_boxTools,
            [this, zomout] { m_boxTools->zoomOut(zomout->lastModifiers()); });

    // Delete: for good when Shift, Ctrl or Alt is held at the release.
    ToolButton *del = button("del");
    givePressedLook(del);
    connect(del, &ToolButton::released, m_fileCommands, [this, del] {
        const Qt::KeyboardModifiers any = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        m_fileCommands->deletefiles((del->lastModifiers() & any) != 0);
    });
}

void Form1::connectInput()
{
    connect(m_view, &ImageBoxView::backgroundClicked, this, [this] { m_navigation->togglePicture(true); });
    connect(m_view, &ImageBoxView::statusClicked, this, [this] { m_navigation->togglePicture(false); });
    connect(m_view->image2(), &ImageControl::clicked, this, [this] { m_navigation->togglePicture(true); });
    connect(m_view->image1(), &ImageControl::released, this, [this](QMouseEvent *event) {
        if (m_state.zoomarmed) {
            const TwipScale &scale = m_view->placer().scale();
            const QPointF p = event->position();
            m_boxTools->zoomClick(QPointF(scale.toTwips(p.x()), scale.toTwips(p.y())));
        } else {
            m_navigation->togglePicture(true);
        }
    });
    for (ClickPanel *mask : {m_view->marup(), m_view->mardn(), m_view->marleft(), m_view->marright()})
        connect(mask, &ClickPanel::clicked, this, [this] { m_navigation->togglePicture(false); });

    connect(m_list1, &QListView::doubleClicked, this,
            [this](const QModelIndex &i) { m_navigation->showEntry(i.row()); });
    connect(m_list2, &QListView::doubleClicked, this,
            [this](const QModelIndex &i) { m_navigation->showEntry(i.row()); });

    m_list1->installEventFilter(this);
    m_list1->viewport()->installEventFilter(this);
    m_list2->installEventFilter(this);
    m_list2->viewport()->installEventFilter(this);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_navigation->enterKey();
        return;
    case Qt::Key_Backspace:
        m_navigation->previous();
        return;
    case Qt::Key_Space:
        m_navigation->togglePicture(false);
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Backspace:
        case Qt::Key_Space:
            // The window handles these whichever list has the focus.
            if (plain) {
                keyPressEvent(key);
                return true;
            }
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (watched == m_list1) {
                m_navigation->openDropDown();
                return true;
            }
            break;
        case Qt::Key_Menu:
            if (watched == m_list1) {
                m_navigation->openDropDown();
                return true;
            }
            if (watched == m_list2) {
                showPopupAt(m_list2->mapToGlobal(m_list2->visualRect(m_list2->currentIndex()).center()));
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }
    if (type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        const QPoint global = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        if (watched == m_list1->viewport()) {
            m_navigation->openDropDown();
            showPopupAt(global);
            return true;
        }
        if (watched == m_list2->viewport()) {
            showPopupAt(global);
            return true;
        }
    }
    return false;
}

} // namespace orv
