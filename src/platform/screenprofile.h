#pragma once

#include <QByteArray>
#include <QObject>

namespace orv {

// The colour profile the desktop publishes for a screen: the ICC profile a
// colour manager sets for it, which pictures are converted to before they are
// drawn there.
class ScreenProfile : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // The profile of screen `screen` (its place in QGuiApplication::screens()),
    // as the ICC bytes; empty where the desktop publishes none.
    virtual QByteArray iccProfile(int screen) const = 0;

Q_SIGNALS:
    // A screen's profile was set, changed or removed.
    void changed();
};

// The X11 desktop's profiles: the root window's _ICC_PROFILE property for the
// first screen, _ICC_PROFILE_1, _ICC_PROFILE_2... for the others, followed as
// colour managers change them. Elsewhere (Wayland, offscreen, other systems)
// there is none.
class QtScreenProfile : public ScreenProfile
{
    Q_OBJECT
public:
    explicit QtScreenProfile(QObject *parent = nullptr);
    ~QtScreenProfile() override;
    QByteArray iccProfile(int screen) const override;

private:
    struct X11;
    X11 *m_x11 = nullptr;
};

} // namespace orv
