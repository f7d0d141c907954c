// The list manager's menu bar, its two popups and its what's-this topics.
#include "listform.h"

#include "helpviewer.h"
#include "listmanagerhost.h"
#include "movebutton.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QMenuBar>

namespace orv {

QAction *ListForm::addAction(QMenu *menu, const char *name, const QString &text)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    m_actions.insert(a->objectName(), a);
    return a;
}

void ListForm::buildMenus()
{
    auto command = [this](QMenu *menu, const char *name, const QString &text, auto handler) {
        QAction *a = addAction(menu, name, text);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto submenu = [this](QMenu *menu, const char *name, const QString &text) {
        QMenu *sub = menu->addMenu(text);
        sub->setObjectName(QLatin1String(name));
        sub->menuAction()->setObjectName(QLatin1String(name));
        m_actions.insert(sub->objectName(), sub->menuAction());
        return sub;
    };

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mfile"));
    command(file, "mnew", tr("Open &New list"), &ListForm::mnew);
    command(file, "mother", tr("Open &another list"), &ListForm::mother);
    command(file, "msavem", tr("Save &main list"), [this] { m_host.msavelstclick(); });
    command(file, "msavemas", tr("Save main list &as"), [this] { m_host.msaveasclick(); });
    command(file, "msave2", tr("Save secon&d list"), &ListForm::msave2)->setEnabled(false);
    command(file, "msave2as", tr("Save seco&nd list as"), &ListForm::msave2as)->setEnabled(false);
    file->addSeparator();
    command(file, "mexit", tr("E&xit"), &ListForm::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("medit"));
    command(edit, "mcopy", tr("&Copy"), [this] { copy(activeList()); });
    command(edit, "mcut", tr("Cu&t"), [this] { cut(activeList()); });
    QMenu *pasteMenu = submenu(edit, "mpaste", tr("&Paste"));
    command(pasteMenu, "mpastem", tr("To &main list"), [this] { paste(Side::Main); });
    command(pasteMenu, "mpaste2", tr("To &second list"), [this] {
        paste(Side::Second);
    })->setEnabled(false);
    command(edit, "mdel", tr("&Delete"), [this] { deleteEntries(activeList(), true); });
    edit->addSeparator();
    QMenu *sort = submenu(edit, "msort", tr("&Sort"));
    command(sort, "msrtname", tr("By &name"), &ListForm::msrtname);
    command(sort, "msrtrand", tr("&Randomize"), &ListForm::msrtrand);
    command(edit, "mclear", tr("C&lear"), &ListForm::mclear);
    edit->addSeparator();
    command(edit, "mup", tr("Move &up"), &ListForm::moveup);
    command(edit, "mdown", tr("Move &down"), &ListForm::movedn);
    edit->addSeparator();
    command(edit, "mall", tr("Select &all"), &ListForm::selectAll);
    command(edit, "minver", tr("&Invert selection"), &ListForm::invertSelection);
}

void ListForm::buildPopups()
{
    m_popmain = new QMenu(this);
    m_popmain->setObjectName(QStringLiteral("popmain"));
    connect(addAction(m_popmain, "pmcopym", tr("&Copy           ")), &QAction::triggered, this,
            [this] { copy(Side::Main); });
    connect(addAction(m_popmain, "pmcutm", tr("Cu&t")), &QAction::triggered, this,
            [this] { cut(Side::Main); });
    connect(addAction(m_popmain, "pmpastem", tr("&paste")), &QAction::triggered, this,
            [this] { paste(Side::Main); });
    m_popmain->addSeparator();
    connect(addAction(m_popmain, "pmdelm", tr("&Delete")), &QAction::triggered, this,
            [this] { deleteEntries(Side::Main, false); });

    m_pop2 = new QMenu(this);
    m_pop2->setObjectName(QStringLiteral("pop2"));
    connect(addAction(m_pop2, "pmcopy2", tr("&Copy          ")), &QAction::triggered, this,
            [this] { copy(Side::Second); });
    connect(addAction(m_pop2, "pmcut2", tr("Cu&t")), &QAction::triggered, this,
            [this] { cut(Side::Second, true); });
    connect(addAction(m_pop2, "pmpaste2", tr("&Paste")), &QAction::triggered, this,
            [this] { paste(Side::Second); });
    m_pop2->addSeparator();
    connect(addAction(m_pop2, "pmdel2", tr("&Delete")), &QAction::triggered, this,
            [this] { deleteEntries(Side::Second, false); });
}

void ListForm::applyWhatsThisTopics()
{
    // Each control's and command's what's-this text is its topic in the help
    // file; the popups' items share the topics of their Edit commands.
    const struct {
        const char *name;
        int topic;
    } topics[] = {{"client", 40},   {"List1", 41},    {"List2", 42},    {"up", 43},       {"down", 44},
                  {"mnew", 45},     {"mother", 46},   {"msavem", 47},   {"msavemas", 48}, {"msave2", 49},
                  {"msave2as", 50}, {"mexit", 51},    {"mcopy", 52},    {"pmcopym", 52},  {"pmcopy2", 52},
                  {"mcut", 53},     {"pmcutm", 53},   {"pmcut2", 53},   {"mpaste", 54},   {"mpastem", 54},
                  {"mpaste2", 54},  {"pmpastem", 54}, {"pmpaste2", 54}, {"mdel", 55},     {"pmdelm", 55},
                  {"pmdel2", 55},   {"msort", 56},    {"msrtname", 56}, {"msrtrand", 57}, {"mclear", 58},
                  {"mup", 59},      {"mdown", 60},    {"mall", 61},     {"minver", 62}};
    const QString helpfile = m_host.helpfile();
    for (const auto &t : topics) {
        const QString text = m_services.help->topicText(helpfile, t.topic);
        const QString name = QLatin1String(t.name);
        if (QAction *a = action(name))
            a->setWhatsThis(text);
        else if (QWidget *w = findChild<QWidget *>(name))
            w->setWhatsThis(text);
    }
}

} // namespace orv
