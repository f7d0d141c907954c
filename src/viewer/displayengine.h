#pragma once

#include "displaystate.h"
#include "platformservices.h"

#include <QImage>
#include <QObject>
#include <functional>

class QAbstractItemView;
class QLabel;
class QScrollBar;
class QWidget;

namespace orv {

class FramePlayer;
class ImageBoxView;
class PictureList;
class PicturePrefetcher;
class PictureTurns;

// Shows the current picture of the list in the image box and lays out the
// box, scroll bars, masks and labels: disp, disapp, sizebox and rescroll.
// It owns no widgets; the main window hands it the controls it drives.
class DisplayEngine : public QObject
{
    Q_OBJECT
public:
    struct Controls {
        ImageBoxView *view = nullptr;
        QLabel *label1 = nullptr; // the position counter
        QAbstractItemView *list1 = nullptr;
        QAbstractItemView *list2 = nullptr;
        QWidget *dialogParent = nullptr; // parent of message boxes
    };

    DisplayEngine(DisplayState &state, PictureList &list, Controls controls, PlatformServices services,
                  QObject *parent = nullptr);

    // The sign shown when no picture of the list is on display.
    void setSign(const QImage &sign) { m_sign = sign; }
    const QImage &sign() const { return m_sign; }
    // The turns the user gave pictures: each is shown turned (not owned).
    void setTurns(const PictureTurns *turns) { m_turns = turns; }

    void disp();
    void disapp();
    void sizebox();
    void rescroll();

    // Selects entry `index` alone in both lists (and scrolls List1 to it).
    void selectOnly(int index);
    void setCounter(int position, int count);

    static QString emptyListText()
    {
        return tr("The pictures' list is empty.(No pictures to display.)");
    }

    // The least size in device pixels a picture is decoded at for the current
    // mode: the viewing area in fit and stretch modes (the box never grows
    // past it), invalid (the full picture) in true size, which zoom builds on.
    QSize decodeMinimum() const;

    // Has the picture that the next display shows (entry curpic) decoded
    // ahead, for the box it will be shown in. Runs by itself once the list
    // has changed (a list opened, pictures added to an empty list, ...), when
    // the command that changed it has ended and curpic is settled.
    void prefetchUpcoming();

    // Plays the picture on display when it moves (from the end of disp() until the
    // next display, hiding, or a reset of the box).
    FramePlayer *player() const { return m_player; }
    void stopMoving();

private:
    // Asks for prefetchUpcoming() once the current event has been handled.
    void scheduleUpcoming();

    enum class LoadOutcome { Loaded, Removed, Failed };
    LoadOutcome loadCurrent();
    // Draws the next frame of the picture that moves wherever the picture is drawn.
    void showFrame(const QImage &frame);
    // Has the pictures before and after the current one decoded ahead, with
    // their smooth copies for the box they will be shown in.
    void prefetchNeighbours();
    // For the pictures next to the current one: the box's size in device
    // pixels for a picture of a given natural size (twips), as the current
    // mode will lay it out from the box as it is now; none in true size.
    std::function<QSize(QSize)> neighbourDrawnSize() const;
    // Hands the box a smooth copy made ahead, when there is one of its size.
    void useScaledCopy();
    void trueSizeLayout();
    void fitLayout();
    void stretchLayout();
    void onVScroll(int value);
    void onHScroll(int value);
    void showLayers();
    void applyLayers();
    void setBarEnabled(QScrollBar *bar, bool enabled);

    DisplayState &m_state;
    PictureList &m_list;
    Controls m_c;
    PlatformServices m_services;
    QImage m_sign;
    // The loader's prefetcher, when it has one.
    PicturePrefetcher *m_prefetcher = nullptr;
    bool m_upcomingScheduled = false;
    FramePlayer *m_player = nullptr;
    bool m_currentMoves = false; // the picture loaded last moves
    QString m_movingPath;        // the picture that plays
    const PictureTurns *m_turns = nullptr;
    // The layers disp() shows, set once as it ends (see applyLayers).
    bool m_showImage1 = false;
    bool m_showImage2 = false;
    bool m_settling = false; // within disp(): visibility waits for applyLayers
};

} // namespace orv
