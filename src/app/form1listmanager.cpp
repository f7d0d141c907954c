// The ways into the list manager from the main window.
#include "form1.h"

#include "form1listmanagerhost.h"
#include "listmanager.h"
#include "maintoolbar.h"
#include "toolbutton.h"

#include <QAction>

namespace orv {

void Form1::buildListManager()
{
    m_listManagerHost = std::make_unique<Form1ListManagerHost>(*this);
    m_listManager = new ListManager(m_list, m_cliplist, *m_listManagerHost, m_services, this, this);
    // The toolbar button and the popup item toggle the window; the List
    // menu's items open it (or bring it forward).
    connect(m_toolbar->button(QStringLiteral("list")), &ToolButton::clicked, m_listManager,
            &ListManager::toggle);
    connect(action(QStringLiteral("pmoplstmngr")), &QAction::triggered, m_listManager, &ListManager::toggle);
    connect(action(QStringLiteral("moplstmngr")), &QAction::triggered, m_listManager, &ListManager::open);
    connect(action(QStringLiteral("msrtcust")), &QAction::triggered, m_listManager, &ListManager::open);
}

} // namespace orv
