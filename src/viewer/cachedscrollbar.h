#pragma once

#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace orv {

// A scroll bar that keeps its last drawing and shows it again while nothing
// it shows has changed. The bars lie over the picture, so each new picture
// repaints them; Qt 6.4's Fusion style takes about a millisecond to draw
// the two, a fifth of the next picture's time. While the pointer is over the
// bar or a button is held on it (hover and pressed looks), it draws afresh.
// It is opaque: drawn on the window's colour, as a bar beside a picture is,
// where Fusion's partly transparent arrow buttons let the picture show.
class CachedScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit CachedScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool sameLook(const QStyleOptionSlider &option) const;

    QImage m_drawn;
    QStyleOptionSlider m_drawnFor; // what m_drawn shows
    const QStyle *m_drawnStyle = nullptr;
    bool m_pressed = false;
};

} // namespace orv
