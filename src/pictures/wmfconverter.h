#pragma once

#include "metafiledata.h"

#include <QByteArray>
#include <QSize>
#include <limits>

namespace orv {

// Whether `head` (the first bytes of a file) starts a Windows metafile, with or without
// the placeable header.
bool looksLikeWmf(const QByteArray &head);

// Converts a Windows metafile to SVG (played by libwmf) whose user space is the picture
// in pixels at `dpi`; the view box of the result is null.
//
// Natural size: with a placeable header, its bounding box at its units per inch. Without
// one the file has no physical size; it is then its window extent (the SetWindowExt in
// effect when drawing starts) at 96 units per inch, or, when it sets none, the extent of
// what it draws at 96 units per inch.
//
// Fails (svg empty) on data libwmf cannot play, and without playing it when the picture
// would have more than `maxPixels` pixels.
MetafileSvg convertWmf(const QByteArray &data, double dpi,
                       qint64 maxPixels = std::numeric_limits<qint64>::max());

} // namespace orv
