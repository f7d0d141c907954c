#pragma once

#include "metafiledata.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <optional>

namespace orv {

// The parts of an enhanced metafile's header that size and place the picture.
struct EmfFrame {
    // Natural size: the inclusive frame (0.01 mm) in twips.
    QSize naturalTwips;
    // The frame in the reference device's pixels, the unit of the drawing records.
    QRectF deviceFrame;
};

// Whether `head` (the first bytes of a file) starts an enhanced metafile.
bool looksLikeEmf(const QByteArray &head);

// Reads the header of an enhanced metafile; nullopt if it is not one or the header is
// unusable (empty frame, ...).
std::optional<EmfFrame> readEmfFrame(const QByteArray &data);

// Converts an enhanced metafile to SVG (through libemf2svg). The view box of the result
// is the picture's frame. Fails (svg empty) on data libemf2svg cannot convert.
MetafileSvg convertEmf(const QByteArray &data);

} // namespace orv
