#pragma once

#include "viewercontext.h"

#include <QPointF>

#include <optional>

namespace orv {

// A zoomed picture as the user sees it: how many times its natural size it is
// shown, and the picture's point at the box's centre, as fractions of its
// width and height.
struct ZoomView {
    double factor = 1;
    QPointF centre{0.5, 0.5};
};

// The zoom of the picture on display; none unless it is shown in true size
// larger than its natural size.
std::optional<ZoomView> zoomOf(const ViewerContext &c);

// Shows Image1 at `width` x `height` twips, stretched, its scroll bars laid
// out afresh with their values kept where they fit.
void showZoomed(const ViewerContext &c, double width, double height);

// Zooms the picture on display, laid out at its natural size, as `zoom` says.
void applyZoom(const ViewerContext &c, const ZoomView &zoom);

} // namespace orv
