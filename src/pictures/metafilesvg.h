#pragma once

#include "metafiledata.h"

#include <QImage>
#include <QSize>

namespace orv {

// The size a metafile of `natural` pixels is rendered at: the natural size, or, when that
// has more than `maxPixels` pixels, the natural size scaled down (proportions kept) to at
// most `maxPixels`. A metafile has no pixels of its own, so a huge frame costs only the
// memory and time of the pixels actually drawn.
QSize renderedPixelSize(QSize natural, qint64 maxPixels);

// Renders `metafile` into a transparent ARGB32_Premultiplied image of `pixelSize`, the
// view box (or the whole SVG) stretched onto the image. Null image if the SVG is invalid.
QImage renderMetafileSvg(const MetafileSvg &metafile, QSize pixelSize);

} // namespace orv
