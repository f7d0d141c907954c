#pragma once

#include <QPushButton>

namespace orv {

// The list manager's `up` and `down` command buttons: any mouse button
// presses them, and the release ends the press wherever the mouse is then
// (the button holds the mouse while pressed). pressed() and released() come
// with every press and release; Space on the focused button does the same.
class MoveButton : public QPushButton
{
    Q_OBJECT
public:
    MoveButton(const QString &name, const QIcon &icon, const QString &toolTip, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_held = false;
};

} // namespace orv
