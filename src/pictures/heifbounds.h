#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>

namespace orv {

// Every picture size a HEIF file makes libheif allocate before it decodes a pixel, besides
// the `ispe` sizes libheif itself checks: the canvases that tile grids and overlays declare
// in their own item data, and the coded sizes in the HEVC sequence parameter sets, both
// those of the `hvcC` properties and those sent within an item's data. Any of them may be
// far larger than the picture claims to be. Boxes, items or parameter sets that cannot be
// read are left out (libheif refuses those itself).
QList<QSize> heifAllocatedSizes(const QByteArray &file);

} // namespace orv
