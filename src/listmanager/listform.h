#pragma once

#include "picturelist.h"
#include "platformservices.h"
#include "secondlistfiles.h"
#include "twipplacer.h"

#include <QHash>
#include <QMainWindow>
#include <vector>

class QAction;
class QListView;
class QMenu;

namespace orv {

class ListManagerHost;
class MoveButton;
class MoveRepeater;

// The list manager `listform` ("Orvanta (List Manager)"): the picture list
// (the main list, `List1`) beside a second list of its own (`List2`, with
// its folders in the hidden `pathlist`), edited through the list clipboard,
// with move buttons that repeat while held. `List1` is a second view of the
// picture list itself, so every edit here is made in the main window at once,
// and everything the main window does to the list shows here at once.
//
// The Edit menu acts on the *active list*: the second list when an entry of
// it is selected, otherwise the main list. Giving one list the focus clears
// the other's selection. Closing asks first; a closed window is discarded.
class ListForm : public QMainWindow
{
    Q_OBJECT
public:
    enum class Side { Main, Second };

    ListForm(PictureList &list, std::vector<PictureEntry> &cliplist, ListManagerHost &host,
             const PlatformServices &services, QWidget *parent = nullptr);
    ~ListForm() override;

    // Editing (Edit menu and popups).
    Side activeList() const;
    void copy(Side side);
    // Cut takes the entries into the clipboard top to bottom, or bottom to
    // top when `bottomUp` (the second list's popup).
    void cut(Side side, bool bottomUp = false);
    void paste(Side side);
    // Delete; Edit > Delete also refreshes the main window's counter.
    void deleteEntries(Side side, bool refreshCounter);
    void selectAll();
    void invertSelection();
    void moveup();
    void movedn();

    // Files and ordering.
    void mnew();
    void mother();
    void msave2();
    void msave2as();
    void msrtname();
    void msrtrand();
    void mclear();
    // The close question; true means close.
    bool checkexit();

    QListView *list1() const { return m_list1; }
    QListView *list2() const { return m_list2; }
    PictureList &secondList() { return m_second; }
    const QString &list2file() const { return m_files.list2file(); }
    MoveRepeater &repeater() const { return *m_repeater; }
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QMenu *popmain() const { return m_popmain; }
    QMenu *pop2() const { return m_pop2; }
    const TwipPlacer &placer() const { return m_placer; }
    // The client area's width in twips (2985, or wider once a second list is
    // started).
    double clientWidth() const { return m_clientWidth; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildPopups();
    void applyWhatsThisTopics();
    QAction *addAction(QMenu *menu, const char *name, const QString &text);
    // Sets the client width; `initial` also gives the window its first height.
    void setClientWidth(double twips, bool initial = false);
    void placeLists();
    void widen();
    void enableSecondList();
    QListView *view(Side side) const { return side == Side::Main ? m_list1 : m_list2; }
    PictureList &model(Side side) { return side == Side::Main ? m_list : m_second; }
    std::vector<int> selectedRows(Side side) const;
    void showPopup(Side side, const QPoint &globalPos);
    bool filterListEvent(Side side, QEvent *event);

    PictureList &m_list;
    std::vector<PictureEntry> &m_cliplist;
    ListManagerHost &m_host;
    PlatformServices m_services;
    PictureList m_second;
    SecondListFiles m_files;
    TwipPlacer m_placer;
    double m_clientWidth = 0;

    QWidget *m_client = nullptr;
    QListView *m_list1 = nullptr;
    QListView *m_list2 = nullptr;
    QListView *m_pathlist = nullptr;
    MoveButton *m_up = nullptr;
    MoveButton *m_down = nullptr;
    MoveRepeater *m_repeater = nullptr;
    QMenu *m_popmain = nullptr;
    QMenu *m_pop2 = nullptr;
    QHash<QString, QAction *> m_actions;
};

} // namespace orv
