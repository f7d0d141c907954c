// The main window's turn and mirror commands: View menu items with their
// keys, popup items and File > Save turned picture.
#include "form1.h"

#include "displayengine.h"
#include "helpviewer.h"
#include "turncommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace orv {

void Form1::buildTurnCommands()
{
    m_turnCommands = new TurnCommands(viewerContext(), this);
    m_engine->setTurns(&m_turnCommands->turns());

    const struct {
        const char *name;
        const char *popupName;
        QString text;
        QString tip;
        QKeySequence key;
        PictureTurn step;
        int topic;
    } turns[] = {
        {"mrotleft", "pmrotleft", tr("Rotate &left"), tr("Turn the picture a quarter turn to the left"),
         QKeySequence(Qt::CTRL | Qt::Key_L), PictureTurn{3, false}, TurnCommands::RotateLeftTopic},
        {"mrotright", "pmrotright", tr("Rotate &right"), tr("Turn the picture a quarter turn to the right"),
         QKeySequence(Qt::CTRL | Qt::Key_R), PictureTurn{1, false}, TurnCommands::RotateRightTopic},
        {"mfliph", "pmfliph", tr("Flip &horizontally"), tr("Mirror the picture left to right"),
         QKeySequence(Qt::CTRL | Qt::Key_H), PictureTurn{0, true}, TurnCommands::FlipHorizontalTopic},
        {"mflipv", "pmflipv", tr("Flip &vertically"), tr("Mirror the picture top to bottom"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), PictureTurn{2, true},
         TurnCommands::FlipVerticalTopic},
    };
    QMenu *viewMenu = menuBar()->findChild<QMenu *>(QStringLiteral("mview"));
    viewMenu->addSeparator();
    viewMenu->setToolTipsVisible(true);
    m_popmenu->addSeparator();
    m_popmenu->setToolTipsVisible(true);
    QList<QAction *> popupItems;
    for (const auto &t : turns) {
        const PictureTurn step = t.step;
        const QString help = m_services.help->topicText(m_helpfile, t.topic);
        QAction *item = addAction(viewMenu, t.name, t.text);
        item->setShortcut(t.key);
        QAction *popupItem = addAction(m_popmenu, t.popupName, t.text);
        popupItems << popupItem;
        for (QAction *a : {item, popupItem}) {
            a->setToolTip(t.tip);
            a->setWhatsThis(help);
            connect(a, &QAction::triggered, m_turnCommands, [this, step] { m_turnCommands->turnBy(step); });
        }
    }
    // The popup's turn items act on the picture on display.
    connect(m_popmenu, &QMenu::aboutToShow, this, [this, popupItems] {
        for (QAction *a : popupItems)
            a->setEnabled(!m_turnCommands->shownPath().isEmpty());
    });

    // File > Save turned picture, after Properties.
    QMenu *file = menuBar()->findChild<QMenu *>(QStringLiteral("mfile"));
    file->setToolTipsVisible(true);
    QAction *save = new QAction(tr("Save &turned picture"), file);
    save->setObjectName(QStringLiteral("msaveturn"));
    save->setToolTip(tr("Write the picture's turn into its file, without loss"));
    save->setWhatsThis(m_services.help->topicText(m_helpfile, TurnCommands::SaveTurnTopic));
    const QList<QAction *> fileItems = file->actions();
    const qsizetype prop = fileItems.indexOf(action(QStringLiteral("mprop")));
    file->insertAction(prop >= 0 && prop + 1 < fileItems.size() ? fileItems[prop + 1] : nullptr, save);
    m_actions.insert(save->objectName(), save);
    connect(save, &QAction::triggered, m_turnCommands, &TurnCommands::saveTurn);
    connect(file, &QMenu::aboutToShow, this, [this, save] { save->setEnabled(m_turnCommands->canSave()); });
}

} // namespace orv
