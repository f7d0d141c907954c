#pragma once

#include "platformservices.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace orv {

class SlideForm;
class SlideOptions;
class SlideshowHost;
class SlideshowSettings;
class WelcomeScreen;

// The Start command of the slideshow (menu `mslide` "&Run slide show" and
// the toolbar's `slide` button) and the two windows it opens: the welcome
// screen `frmSplash` and the slideshow window `slideForm`. Both are set up
// on first use; a discarded window is set up again by the next use.
class SlideshowStart : public QObject
{
    Q_OBJECT
public:
    // `windowParent` (the main window, or none) owns the two windows as
    // top-level windows of its own.
    SlideshowStart(SlideshowHost &host, SlideshowSettings &settings, SlideOptions &options,
                   const PlatformServices &services, QWidget *windowParent = nullptr,
                   QObject *parent = nullptr);
    // Deletes the windows without handing anything back to the main window.
    ~SlideshowStart() override;

    // The Start command: the welcome screen alone when it is on, else the show.
    void start();

    // The windows, set up if they are not.
    SlideForm *slideForm();
    WelcomeScreen *welcomeScreen();
    // The windows if they are set up, else null.
    SlideForm *existingSlideForm() const { return m_slideForm; }
    WelcomeScreen *existingWelcomeScreen() const { return m_welcome; }

private:
    void onWelcomeOk();

    SlideshowHost &m_host;
    SlideshowSettings &m_settings;
    SlideOptions &m_options;
    PlatformServices m_services;
    QWidget *m_windowParent;
    QPointer<SlideForm> m_slideForm;
    QPointer<WelcomeScreen> m_welcome;
};

} // namespace orv
