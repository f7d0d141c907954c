#include "metafilesvg.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace orv {

QSize renderedPixelSize(QSize natural, qint64 maxPixels)
{
    const qint64 pixels = qint64(natural.width()) * natural.height();
    if (natural.isEmpty() || maxPixels <= 0 || pixels <= maxPixels)
        return natural;
    const double scale = std::sqrt(double(maxPixels) / double(pixels));
    // Rounded down so that the product stays within the bound.
    return QSize(std::max(1, int(natural.width() * scale)), std::max(1, int(natural.height() * scale)));
}

QImage renderMetafileSvg(const MetafileSvg &metafile, QSize pixelSize)
{
    if (pixelSize.isEmpty())
        return {};
    QSvgRenderer renderer(metafile.svg);
    if (!renderer.isValid())
        return {};
    if (!metafile.viewBox.isNull())
        renderer.setViewBox(metafile.viewBox);

    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Aliased like GDI: one-pixel lines stay crisp instead of spreading over two rows.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixelSize)));
    painter.end();
    return image;
}

} // namespace orv
