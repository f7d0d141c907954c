#include "metafilesvg.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace orv {

QSize pixelsFromTwips(QSize twips, double dpi)
{
    const auto px = [dpi](int t) { return std::max(1, int(std::lround(t * dpi / 1440.0))); };
    return QSize(px(twips.width()), px(twips.height()));
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
