#pragma once

#include <QAbstractButton>
#include <QIcon>

namespace orv {

// A toolbar image button: a picture stretched to the button, with a thin
// single-line border while it is held (or while its mode is on). Any mouse
// button presses it; pressed() and released() come with every press and
// release, clicked() when the release is over the button.
class ToolButton : public QAbstractButton
{
    Q_OBJECT
public:
    ToolButton(const QString &name, const QIcon &icon, const QString &toolTip, QWidget *parent = nullptr);

    bool border() const { return m_border; }
    void setBorder(bool on);

    // The keyboard modifiers of the last press or release.
    Qt::KeyboardModifiers lastModifiers() const { return m_modifiers; }

    QSize sizeHint() const override { return QSize(20, 20); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_border = false;
    bool m_held = false;
    Qt::KeyboardModifiers m_modifiers;
};

} // namespace orv
