#pragma once

#include "pictureturn.h"
#include "viewercontext.h"

#include <QObject>

namespace orv {

// Turning and mirroring the picture on display, and writing the turn into its
// file. A turn is first a way of showing the picture (in every display style
// and in the slideshow); "Save turned picture" makes it the file's own.
class TurnCommands : public QObject
{
    Q_OBJECT
public:
    explicit TurnCommands(ViewerContext context, QObject *parent = nullptr);

    // Help topics of the commands.
    enum Topic { RotateLeftTopic = 110, RotateRightTopic, FlipHorizontalTopic, FlipVerticalTopic, SaveTurnTopic };

    void rotateLeft() { turnBy(PictureTurn{3, false}); }
    void rotateRight() { turnBy(PictureTurn{1, false}); }
    void flipHorizontally() { turnBy(PictureTurn{0, true}); }
    void flipVertically() { turnBy(PictureTurn{2, true}); }
    // The picture on display turned by `step` after the turn it has.
    void turnBy(PictureTurn step);

    // File > Save turned picture: enabled for a turned picture on display
    // whose format can take the turn without loss.
    bool canSave() const;
    void saveTurn();

    const PictureTurns &turns() const { return m_turns; }
    // The path of the picture on display; empty when none is shown.
    QString shownPath() const;

private:

    ViewerContext m_c;
    PictureTurns m_turns;
};

} // namespace orv
