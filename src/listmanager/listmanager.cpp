#include "listmanager.h"

#include "listform.h"
#include "listmanagerhost.h"

namespace orv {

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
    if (!m_form)
        m_form = new ListForm(m_list, m_cliplist, m_host, m_services, m_windowParent);
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

} // namespace orv
