#include "pictureturn.h"

#include "pictureloader.h"

#include <QColorSpace>
#include <QTransform>

namespace orv {

PictureTurn PictureTurn::then(PictureTurn next) const
{
    PictureTurn r;
    if (next.mirrored) {
        // A mirror after a turn of q equals a turn of -q before it.
        r.quarters = ((next.quarters - quarters) % 4 + 4) % 4;
        r.mirrored = !mirrored;
    } else {
        r.quarters = (quarters + next.quarters) % 4;
        r.mirrored = mirrored;
    }
    return r;
}

PictureTurn PictureTurn::fromExifOrientation(int orientation)
{
    switch (orientation) {
    case 2:
        return {0, true};
    case 3:
        return {2, false};
    case 4:
        return {2, true};
    case 5:
        return {3, true};
    case 6:
        return {1, false};
    case 7:
        return {1, true};
    case 8:
        return {3, false};
    default:
        return {};
    }
}

QImage PictureTurn::applied(const QImage &image) const
{
    if (isNone() || image.isNull())
        return image;
    const QImage mirroredImage = mirrored ? image.mirrored(true, false) : image;
    if (quarters == 0)
        return mirroredImage;
    QImage turned = mirroredImage.transformed(QTransform().rotate(90.0 * quarters));
    turned.setColorSpace(image.colorSpace());
    return turned;
}

QPointF PictureTurn::applied(QPointF fraction) const
{
    QPointF p(mirrored ? 1 - fraction.x() : fraction.x(), fraction.y());
    for (int q = 0; q < quarters; ++q)
        p = QPointF(1 - p.y(), p.x()); // a quarter turn clockwise
    return p;
}

LoadedPicture turned(LoadedPicture picture, PictureTurn turn)
{
    if (turn.isNone() || !picture.ok())
        return picture;
    picture.image = turn.applied(picture.image);
    picture.naturalTwips = turn.applied(picture.naturalTwips);
    return picture;
}

} // namespace orv
