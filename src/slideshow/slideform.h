#pragma once

#include "platformservices.h"
#include "slideshowlayout.h"
#include "twipplacer.h"
#include "wheelnotches.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace orv {

class FramePlayer;
class ImageControl;
class SlideshowHost;
class SlideshowSettings;
class ToolButton;
struct LoadedPicture;

// The slideshow window `slideForm` ("Orvanta (Slide show)"): shows the main
// window's pictures one after another on `Timer1`, each sized by the
// slideshow's sizing style and centred in the work area, and hands control
// back to the main window at the end of the list or when the user leaves.
// Hidden, not closed, between shows; the close box discards it.
class SlideForm : public QWidget
{
    Q_OBJECT
public:
    SlideForm(SlideshowHost &host, const SlideshowSettings &settings, const PlatformServices &services,
              QWidget *parent = nullptr);

    // Shows the window, enables Timer1 and runs one step.
    void startShow();
    // One step of the show: the picture at `curpic`, then `curpic` moves on.
    void disp();
    // Places Image1 for the current box size, centred in the work area.
    void sizebox();

    // Timer1 enabled.
    bool isRunning() const;
    // The pause button's border: the show is paused.
    bool isPaused() const;
    bool isPictureShown() const;

    QTimer *timer() const { return m_timer; }
    // Plays the picture on show when it moves, while it is shown.
    FramePlayer *player() const { return m_player; }
    ImageControl *image1() const { return m_image1; }
    QLabel *counter() const { return m_label1; }
    const TwipPlacer &placer() const { return m_placer; }
    // The work area (`workwidth` x `workheight`) and Image1's box
    // (`slidewidth` x `slideheight`), in twips.
    QSize workArea() const { return m_work; }
    QSize slideSize() const { return QSize(m_layout.slidewidth, m_layout.slideheight); }

Q_SIGNALS:
    // The close box closed the window; it is deleted once control returns
    // to the event loop.
    void discarded();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    enum class LoadOutcome { Loaded, Removed, Failed };

    void buildControls();
    // The one place a picture file is read.
    LoadedPicture loadPicture(const QString &path) const;
    // The smallest decoded size that shows a picture sharply in this window.
    QSize decodeMinimum() const;
    LoadOutcome loadCurrent();
    void layOut();
    void setCounter(int position, int count);
    // Back to the main window: it shows `curpic`, this window hides.
    void handBack();
    void stepBackOne();
    void setTimerEnabled(bool on);
    void readWorkArea();
    void coverWorkArea();
    void onSystemSettingsChanged();
    void onIntervalChanged();
    // The picture on show plays from its first frame when it moves; `firstShown`: that
    // frame is on screen already.
    void playMoving(bool firstShown);
    void showFrame(const QImage &frame);

    // Input.
    void toggleShown();
    void downArrow();
    void pauseClicked();
    void previous();

    SlideshowHost &m_host;
    const SlideshowSettings &m_settings;
    PlatformServices m_services;
    TwipPlacer m_placer;

    ImageControl *m_image1 = nullptr;
    QWidget *m_strip = nullptr;
    QLabel *m_label1 = nullptr;
    ToolButton *m_frw = nullptr;
    ToolButton *m_pause = nullptr;
    ToolButton *m_rew = nullptr;
    QTimer *m_timer = nullptr;
    FramePlayer *m_player = nullptr;
    QString m_moving; // the file of the picture on show when it moves

    QSize m_work;                 // workwidth x workheight
    QSize m_slidepic;             // slidepicwidth x slidepicheight
    SlideLayout m_layout;         // slidewidth x slideheight
    bool m_windowPressed = false; // a click on the window began here
    bool m_stepping = false;
    WheelNotches m_wheel;
};

} // namespace orv
