#include "signpicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace orv {

QImage renderSignPicture(const TwipScale &scale)
{
    QImage image(scale.toPixels(1860), scale.toPixels(2535), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/sign.svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

} // namespace orv
