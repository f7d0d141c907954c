#pragma once

#include "viewercontext.h"

#include <QObject>

class QAction;

namespace orv {

class ToolButton;

// Fit and stretch toggles, the full-screen box and the toolbar toggle. The
// toggles' borders and menu check marks follow the mode flags they set.
class DisplayModes : public QObject
{
    Q_OBJECT
public:
    struct Controls {
        ToolButton *fit = nullptr;
        ToolButton *stretch1 = nullptr;
        QAction *mfit = nullptr;
        QAction *mstretch = nullptr;
        QAction *mbar = nullptr;
        QWidget *frame2 = nullptr;
    };

    DisplayModes(ViewerContext context, Controls controls, QObject *parent = nullptr);

    void fitToggle();
    void stretchToggle();
    void fullScreen();
    void toolbarToggle();

Q_SIGNALS:
    // The viewing area's height changed with the toolbar.
    void limitsChanged();

private:
    void setFitLook(bool on);
    void setStretchLook(bool on);

    ViewerContext m_c;
    Controls m_controls;
};

} // namespace orv
