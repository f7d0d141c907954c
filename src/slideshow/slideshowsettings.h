#pragma once

#include <QObject>

namespace orv {

// The slideshow settings in force: the timer interval in milliseconds and the
// globals `fitstyle` (0 auto-resolution, 1 fit to the current box size, 2 true
// size) and `showsplash` (1 = the welcome screen comes first). The options
// dialog's apply step sets them; the slideshow window reads them.
class SlideshowSettings : public QObject
{
    Q_OBJECT
public:
    // The slideshow timer's interval until the first apply.
    static constexpr int DesignerInterval = 2500;

    using QObject::QObject;

    int interval() const { return m_interval; }
    int fitstyle() const { return m_fitstyle; }
    int showsplash() const { return m_showsplash; }

    // The apply step: all three at once. Emits applied() every time.
    void apply(int intervalMs, int fitstyle, int showsplash);
    void setFitstyle(int fitstyle);
    void setShowsplash(int showsplash);

Q_SIGNALS:
    // Any of the three values changed.
    void changed();
    // The apply step ran (also with unchanged values). The welcome screen
    // clears its "Don't show this screen again" box when showsplash() is 1.
    void applied();

private:
    int m_interval = DesignerInterval;
    int m_fitstyle = 0;
    int m_showsplash = 0;
};

} // namespace orv
