#pragma once

#include <QImage>
#include <QWidget>

namespace orv {

// An image control: shows a picture at its natural size from its top-left
// corner (cut where the control is smaller), or stretched to the control's size. An empty control is
// transparent, so what lies below shows through.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    void setPicture(const QImage &picture);
    void clearPicture();
    // The next frame of a picture that moves in place of the picture: drawn as the
    // picture was (natural size, stretch), its smooth copy made anew.
    void setFrame(const QImage &frame);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

    // The size (pixels) an unstretched picture is drawn at, from the control's
    // top-left corner and cut at its edges. Invalid (the default, and after
    // setPicture): the control's own size.
    QSize naturalSize() const { return m_natural; }
    void setNaturalSize(QSize pixels);

    // The smooth copy a stretched picture is painted from, in device pixels
    // and in the screen's colours.
    // One made elsewhere (on a worker thread) can be handed in; a copy that
    // does not fit the size painted at is simply made again.
    const QImage &scaledCopy() const { return m_scaled; }
    void setScaledCopy(const QImage &scaled) { m_scaled = scaled; }

Q_SIGNALS:
    void pressed(QMouseEvent *event);
    void released(QMouseEvent *event);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const QImage &scaledForSize(QSize size);
    // The picture to draw unscaled or piecewise, in the screen's colours.
    const QImage &pictureInScreenColours();

    QImage m_picture;
    bool m_stretch = false;
    QSize m_natural;
    QImage m_scaled; // smooth copy for the current size in device pixels, reused by repaints
    bool m_pressed = false;
};

} // namespace orv
