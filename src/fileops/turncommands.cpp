#include "turncommands.h"

#include "displayengine.h"
#include "messageboxes.h"
#include "picturelist.h"
#include "systembeep.h"
#include "turnsave.h"
#include "zoomview.h"

#include <QDir>

namespace orv {

TurnCommands::TurnCommands(ViewerContext context, QObject *parent) : QObject(parent), m_c(context) {}

QString TurnCommands::shownPath() const
{
    const DisplayState &s = *m_c.state;
    if (s.pichidden || s.curpic < 1 || s.curpic > m_c.list->count())
        return {};
    return m_c.list->fullPath(s.curpic - 1);
}

void TurnCommands::turnBy(PictureTurn step)
{
    const QString path = shownPath();
    if (path.isEmpty()) {
        m_c.services.beep->beep();
        return;
    }
    // A zoomed picture stays zoomed as much, about the same point of it.
    const std::optional<ZoomView> zoom = zoomOf(m_c);
    m_turns.setTurn(path, m_turns.turn(path).then(step));
    m_c.engine->disp();
    if (zoom && shownPath() == path)
        applyZoom(m_c, {zoom->factor, step.applied(zoom->centre)});
}

bool TurnCommands::canSave() const
{
    const QString path = shownPath();
    return !path.isEmpty() && !m_turns.turn(path).isNone() && TurnSave::kindOf(path) != TurnSave::NotSavable;
}

void TurnCommands::saveTurn()
{
    const QString path = shownPath();
    if (path.isEmpty() || m_turns.turn(path).isNone())
        return;
    const PictureTurn turn = m_turns.turn(path);
    TurnSave result = TurnSave::save(path, turn);
    if (result.outcome == TurnSave::NeedsTrim) {
        MessageRequest box;
        box.icon = MsgIcon::Question;
        box.buttons = MsgButtons::YesNo;
        box.defaultButton = 1;
        box.text = tr("This picture's width or height is not a multiple of its %1 x %2 pixel blocks, so it "
                      "cannot be turned without loss as it is.\n\nTurn it without loss and cut the partial "
                      "blocks off its edge (%3 x %4 pixels remain)?")
                       .arg(result.block.width())
                       .arg(result.block.height())
                       .arg(result.trimmedSize.width())
                       .arg(result.trimmedSize.height());
        if (m_c.services.messageBoxes->show(m_c.window, box) != MsgResult::Yes)
            return; // the turn stays a way of showing the picture
        result = TurnSave::save(path, turn, true);
    }
    if (result.outcome != TurnSave::Saved) {
        MessageRequest box;
        box.icon = MsgIcon::Exclamation;
        box.text = tr("The turned picture could not be saved; the file is as it was:\n%1\n\n%2")
                       .arg(QDir::toNativeSeparators(path), result.reason);
        m_c.services.messageBoxes->show(m_c.window, box);
        return;
    }
    // The file holds the turn now: it is shown as it is.
    m_turns.forget(path);
    m_c.engine->disp();
}

} // namespace orv
