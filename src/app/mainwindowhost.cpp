#include "mainwindowhost.h"

#include "displayengine.h"
#include "form1.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "turncommands.h"

#include <QLabel>

namespace orv {

int MainWindowHost::curpic() const
{
    return m_form.state().curpic;
}

void MainWindowHost::setCurpic(int position)
{
    m_form.state().curpic = position;
}

void MainWindowHost::setLabel1(const QString &text)
{
    m_form.label1()->setText(text);
}

QString MainWindowHost::label2() const
{
    return m_form.view()->label2()->text();
}

void MainWindowHost::setLabel2(const QString &text)
{
    m_form.view()->setStatus(text);
}

void MainWindowHost::resetImageBox()
{
    ImageBoxView *view = m_form.view();
    m_form.engine().stopMoving();
    view->image1()->hide();
    view->image2()->hide();
    view->image1()->setStretch(false);
    view->image2()->setPicture(m_form.engine().sign());
    DisplayState &s = m_form.state();
    s.boxheight = 2535;
    s.boxwidth = 1860;
    m_form.engine().sizebox();
    view->image2()->show();
    // No picture of the list is on display now: a click shows entry curpic.
    s.pichidden = true;
}

void MainWindowHost::selectFirstEntry()
{
    m_form.engine().selectOnly(0);
}

} // namespace orv

namespace orv {

PictureList &MainWindowHost::pictureList()
{
    return m_form.pictureList();
}

void MainWindowHost::selectOnly(int index)
{
    m_form.engine().selectOnly(index);
}

void MainWindowHost::showMainWindow()
{
    m_form.show();
    m_form.raise();
    m_form.activateWindow();
}

void MainWindowHost::mainDisp()
{
    m_form.engine().disp();
}

void MainWindowHost::mainDisapp()
{
    m_form.engine().disapp();
}

void MainWindowHost::setPichidden(bool hidden)
{
    m_form.state().pichidden = hidden;
}

QSize MainWindowHost::boxSize() const
{
    return QSize(m_form.state().boxwidth, m_form.state().boxheight);
}

PictureTurn MainWindowHost::turnOf(const QString &path) const
{
    return m_form.turnCommands().turns().turn(path);
}

} // namespace orv
