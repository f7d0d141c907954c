#include "listmanager.h"

#include "listform.h"
#include "listmanagerhost.h"

#include <QPoint>
#include <QRect>

namespace orv {

namespace {
const QPoint kOffset(16, 72);
} // namespace

ListManager::ListManager(PictureList &list, std::vector<PictureEntry> &cliplist, ListManagerHost &host,
                         const PlatformServices &services, QWidget *windowParent, QObject *parent)
    : QObject(parent), m_list(list), m_cliplist(cliplist), m_host(host), m_services(services),
      m_windowParent(windowParent)
{}

ListManager::~ListManager()
{
    delete m_form.data();
}

ListForm *ListManager::window() const
{
    return m_form.data();
}

void ListManager::toggle()
{
    if (m_host.listButtonPressed()) {
        // The button goes flat first; if the window refuses to close it
        // stays open with a flat button, and the next click brings it forward.
        m_host.setListButtonPressed(false);
        if (m_form)
            m_form->close();
        return;
    }
    open();
}

void ListManager::open()
{
    m_host.setListButtonPressed(true);
    showWindow();
}

void ListManager::showWindow()
{
    if (!m_form) {
        m_form = new ListForm(m_list, m_cliplist, m_host, m_services, m_windowParent);
        // At the main window's left, below its menu and toolbar, where it
        // leaves the picture in the middle free and has room to widen.
        if (m_windowParent && m_windowParent->isVisible()) {
            const QRect area = m_windowParent->geometry();
            m_form->move(area.left() + kOffset.x(), area.top() + kOffset.y());
        }
    }
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

} // namespace orv
