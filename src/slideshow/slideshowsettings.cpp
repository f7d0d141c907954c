#include "slideshowsettings.h"

namespace orv {

void SlideshowSettings::apply(int intervalMs, int fitstyle, int showsplash)
{
    const bool differs = intervalMs != m_interval || fitstyle != m_fitstyle || showsplash != m_showsplash;
    m_interval = intervalMs;
    m_fitstyle = fitstyle;
    m_showsplash = showsplash;
    if (differs)
        Q_EMIT changed();
    Q_EMIT applied();
}

void SlideshowSettings::setFitstyle(int fitstyle)
{
    if (fitstyle == m_fitstyle)
        return;
    m_fitstyle = fitstyle;
    Q_EMIT changed();
}

void SlideshowSettings::setShowsplash(int showsplash)
{
    if (showsplash == m_showsplash)
        return;
    m_showsplash = showsplash;
    Q_EMIT changed();
}

} // namespace orv
