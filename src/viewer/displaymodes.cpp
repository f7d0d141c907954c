#include "displaymodes.h"

#include "boxgeometry.h"
#include "displayengine.h"
#include "systeminfo.h"
#include "toolbutton.h"

#include <QAction>

namespace orv {

DisplayModes::DisplayModes(ViewerContext context, Controls controls, QObject *parent)
    : QObject(parent), m_c(context), m_controls(controls)
{}

void DisplayModes::setFitLook(bool on)
{
    m_controls.fit->setBorder(on);
    m_controls.mfit->setChecked(on);
}

void DisplayModes::setStretchLook(bool on)
{
    m_controls.stretch1->setBorder(on);
    m_controls.mstretch->setChecked(on);
}

void DisplayModes::fitToggle()
{
    DisplayState &s = *m_c.state;
    if (s.fitmode) {
        setFitLook(false);
        s.fitmode = false;
    } else {
        setFitLook(true);
        s.fitmode = true;
        setStretchLook(false);
        s.stretchmode = false;
    }
    m_c.engine->disp();
}

void DisplayModes::stretchToggle()
{
    DisplayState &s = *m_c.state;
    if (s.stretchmode) {
        setStretchLook(false);
        s.stretchmode = false;
    } else {
        setStretchLook(true);
        s.stretchmode = true;
        s.fitmode = false;
        setFitLook(false);
    }
    m_c.engine->disp();
}

void DisplayModes::fullScreen()
{
    DisplayState &s = *m_c.state;
    s.boxheight = s.maxboxheight;
    s.boxwidth = s.maxboxwidth;
    m_c.engine->sizebox();
}

void DisplayModes::toolbarToggle()
{
    DisplayState &s = *m_c.state;
    if (m_controls.mbar->isChecked()) {
        m_controls.mbar->setChecked(false);
        m_controls.frame2->hide();
        s.toolbarshown = 0;
    } else {
        m_controls.mbar->setChecked(true);
        m_controls.frame2->show();
        s.toolbarshown = 1;
    }
    s.maxboxheight = boxLimits(m_c.services.systemInfo->workAreaTwips(), s.toolbarshown, 1200).maxboxheight;
    Q_EMIT limitsChanged();
    m_c.engine->disp();
}

} // namespace orv
