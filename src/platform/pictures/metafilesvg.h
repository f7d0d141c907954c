#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

namespace orv {

// A metafile converted to SVG text. The converters only parse and convert (no Qt GUI
// classes), so that they can run in a separate process later.
struct MetafileSvg {
    QByteArray svg;
    // The picture's size as the metafile defines it.
    QSize naturalTwips;
    // The part of the SVG's user space that is the picture; null: the SVG's own size.
    QRectF viewBox;

    bool ok() const { return !svg.isEmpty() && naturalTwips.width() > 0 && naturalTwips.height() > 0; }
};

// The pixel size of a picture of `twips` at `dpi`, each side at least one pixel.
QSize pixelsFromTwips(QSize twips, double dpi);

// Renders `metafile` into a transparent ARGB32_Premultiplied image of `pixelSize`, the
// view box (or the whole SVG) stretched onto the image. Null image if the SVG is invalid.
QImage renderMetafileSvg(const MetafileSvg &metafile, QSize pixelSize);

} // namespace orv
