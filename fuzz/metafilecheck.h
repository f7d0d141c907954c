#pragma once

// What the metafile harnesses check of a converted metafile: the helper's message round
// trip, and that the SVG renders (at a small size) without fault.

#include "fuzzsupport.h"
#include "metafilesvg.h"
#include "metafilewire.h"

namespace orv::fuzz {

// Rendered at most this many pixels: enough to run every drawing path, cheap per input.
constexpr qint64 RenderPixels = 128 * 128;

inline void checkConverted(const MetafileSvg &svg, double dpi)
{
    if (!svg.ok())
        return;
    const QByteArray message = MetafileWire::encode(svg);
    const std::optional<MetafileSvg> back = MetafileWire::decode(message, message.size());
    ORV_FUZZ_CHECK(back && back->svg == svg.svg && back->naturalTwips == svg.naturalTwips &&
                   back->viewBox == svg.viewBox);
    renderMetafileSvg(svg, renderedPixelSize(pixelsFromTwips(svg.naturalTwips, dpi), RenderPixels));
}

} // namespace orv::fuzz
