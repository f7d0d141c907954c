#pragma once

#include <QWidget>

namespace orv {

// An opaque panel that reports clicks (the mask panels around the box).
class ClickPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ClickPanel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace orv
