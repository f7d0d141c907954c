#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>

namespace orv {

// A metafile converted to SVG text. Only Qt Core types: the converters that make it run
// in the helper process orvanta-metafile, which loads no GUI library.
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

} // namespace orv
