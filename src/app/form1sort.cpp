// List > Sort by date taken, date modified, size and type, beside By name.
#include "form1.h"

#include "helpviewer.h"
#include "sortcommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace orv {

void Form1::buildSortCommands()
{
    m_sortCommands = new SortCommands(m_list, m_services.metadata, this, this);
    QMenu *sort = menuBar()->findChild<QMenu *>(QStringLiteral("msort"));
    sort->setToolTipsVisible(true);
    const struct {
        const char *name;
        QString text;
        QString tip;
        SortOrder order;
        int topic;
    } orders[] = {
        {"msrtdate", tr("By date &taken"), tr("Sort the list by the date each photo was taken"),
         SortOrder::DateTaken, SortCommands::DateTakenTopic},
        {"msrtmod", tr("By date &modified"), tr("Sort the list by the date each file was last changed"),
         SortOrder::DateModified, SortCommands::DateModifiedTopic},
        {"msrtsize", tr("By si&ze"), tr("Sort the list by file size, smallest first"), SortOrder::Size,
         SortCommands::SizeTopic},
        {"msrttype", tr("By t&ype"), tr("Sort the list by file type (the name's extension)"), SortOrder::Type,
         SortCommands::TypeTopic},
    };
    // After By name, before Randomize.
    QAction *before = action(QStringLiteral("msrtrand"));
    for (const auto &o : orders) {
        auto *item = new QAction(o.text, sort);
        item->setObjectName(QLatin1String(o.name));
        item->setToolTip(o.tip);
        item->setWhatsThis(m_services.help->topicText(m_helpfile, o.topic));
        sort->insertAction(before, item);
        m_actions.insert(item->objectName(), item);
        const SortOrder order = o.order;
        connect(item, &QAction::triggered, m_sortCommands, [this, order] { m_sortCommands->sortBy(order); });
    }
}

} // namespace orv
