#include "slideshowstart.h"

#include "slideform.h"
#include "slideoptions.h"
#include "slideshowsettings.h"
#include "welcomescreen.h"

namespace orv {

SlideshowStart::SlideshowStart(SlideshowHost &host, SlideshowSettings &settings, SlideOptions &options,
                               const PlatformServices &services, QWidget *windowParent, QObject *parent)
    : QObject(parent), m_host(host), m_settings(settings), m_options(options), m_services(services),
      m_windowParent(windowParent)
{}

SlideshowStart::~SlideshowStart()
{
    delete m_slideForm.data();
    delete m_welcome.data();
}

SlideForm *SlideshowStart::slideForm()
{
    if (!m_slideForm) {
        m_slideForm = new SlideForm(m_host, m_settings, m_services, m_windowParent);
        // The close box discards the window; it deletes itself later.
        connect(m_slideForm, &SlideForm::discarded, this, [this] { m_slideForm = nullptr; });
    }
    return m_slideForm;
}

WelcomeScreen *SlideshowStart::welcomeScreen()
{
    if (!m_welcome) {
        m_welcome = new WelcomeScreen(m_settings, m_windowParent);
        connect(m_welcome, &WelcomeScreen::okClicked, this, &SlideshowStart::onWelcomeOk);
    }
    return m_welcome;
}

void SlideshowStart::start()
{
    if (m_settings.showsplash() != 0) {
        WelcomeScreen *w = welcomeScreen();
        w->show();
        w->raise();
        w->activateWindow();
        return;
    }
    slideForm()->startShow();
}

void SlideshowStart::onWelcomeOk()
{
    WelcomeScreen *w = m_welcome;
    if (!w)
        return;
    if (w->dontShowAgain()) {
        // Later shows start at once.
        m_options.setSplashscr(false);
        if (m_options.isEnding())
            return; // the user declined to repair the settings file
        m_settings.setShowsplash(0);
        m_options.writefile();
    }
    // Closing discards the screen; it goes once its Ok has finished.
    m_welcome = nullptr;
    w->hide();
    w->deleteLater();
    slideForm()->startShow();
}

} // namespace orv
