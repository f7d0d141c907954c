#include "imagecontrol.h"

#include "compactpicture.h"
#include "screencolours.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace orv {

namespace {
// Above this many pixels a stretched picture is drawn piecewise on the fly
// instead of keeping a scaled copy (a zoomed photo can be huge).
constexpr qint64 kMaxCachedPixels = 16 * 1024 * 1024;
} // namespace

ImageControl::ImageControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_natural = QSize();
    m_scaled = QImage();
    update();
}

void ImageControl::setFrame(const QImage &frame)
{
    m_picture = frame;
    m_scaled = QImage();
    update();
}

void ImageControl::setNaturalSize(QSize pixels)
{
    if (m_natural == pixels)
        return;
    m_natural = pixels;
    update();
}

void ImageControl::clearPicture()
{
    setPicture(QImage());
}

void ImageControl::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    update();
}

const QImage &ImageControl::scaledForSize(QSize size)
{
    if (m_scaled.size() != size)
        m_scaled = ScreenColours::converted(CompactPicture::smoothlyScaled(m_picture, size));
    return m_scaled;
}

const QImage &ImageControl::pictureInScreenColours()
{
    // The picture cache hands out pictures drawn as they are in the screen's
    // colours already; one from elsewhere is converted on its first paint.
    if (ScreenColours::needsConversion(m_picture))
        m_picture = ScreenColours::converted(m_picture);
    return m_picture;
}

void ImageControl::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    const QRect exposed = event->rect();
    // Unstretched, the picture is drawn at its natural size, which is the
    // control's unless a smaller control cuts it; a picture decoded smaller
    // than that (a metafile past the rendering bound) is drawn scaled up to it.
    const QSize target = m_stretch || !m_natural.isValid() ? size() : m_natural;
    if (!m_stretch && m_picture.size() == target) {
        painter.drawImage(exposed.topLeft(), pictureInScreenColours(), exposed);
        return;
    }
    if (target.isEmpty())
        return;
    // The scaled copy has the screen's own pixels, so it stays sharp where a
    // logical pixel is several device pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(target) * ratio).toSize();
    if (qint64(device.width()) * device.height() <= kMaxCachedPixels) {
        const QImage &scaled = scaledForSize(device);
        if (device == target) {
            painter.drawImage(exposed.topLeft(), scaled, exposed);
        } else {
            const QRectF source(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio);
            painter.drawImage(QRectF(exposed), scaled, source);
        }
        return;
    }
    // Draw only the exposed part, mapping it back onto the source picture.
    const double sx = double(m_picture.width()) / target.width();
    const double sy = double(m_picture.height()) / target.height();
    const QRectF source(exposed.left() * sx, exposed.top() * sy, exposed.width() * sx, exposed.height() * sy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(exposed), pictureInScreenColours(), source);
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    Q_EMIT pressed(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT released(event);
    if (m_pressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    m_pressed = false;
}

} // namespace orv
