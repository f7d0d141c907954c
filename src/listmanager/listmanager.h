#pragma once

#include "pictureentry.h"
#include "platformservices.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace orv {

class ListForm;
class ListManagerHost;
class PictureList;

// The ways into the list manager from the main window. The toolbar's `list`
// button and the popup's "&Open lisl manger" toggle it: its pressed look
// means open, so a click then closes the window (which asks first) and
// otherwise opens it. The List menu's "&Open lisl manager" and "&Customize"
// open it, or bring it forward. A closed window is discarded; the next open
// sets up a new one.
class ListManager : public QObject
{
    Q_OBJECT
public:
    // `windowParent` (the main window) holds the window as a top-level
    // window of its own.
    ListManager(PictureList &list, std::vector<PictureEntry> &cliplist, ListManagerHost &host,
                const PlatformServices &services, QWidget *windowParent, QObject *parent = nullptr);
    // Deletes the window without asking.
    ~ListManager() override;

    void toggle();
    void open();

    // The window while it is set up, else null.
    ListForm *window() const;

private:
    void showWindow();

    PictureList &m_list;
    std::vector<PictureEntry> &m_cliplist;
    ListManagerHost &m_host;
    PlatformServices m_services;
    QWidget *m_windowParent;
    QPointer<ListForm> m_form;
};

} // namespace orv
