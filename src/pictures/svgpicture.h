#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace orv {

// An SVG or SVGZ file made safe to draw: decompressed (at most MaxXmlBytes), entity
// declarations that expand into other entities refused, elements nested deeper than
// MaxDepth or more than MaxElements refused, and every reference to something outside
// the file (an <image> that names a file or an address) dropped, so that drawing it
// reads nothing but the file itself. nullopt when the file is refused or no XML.
std::optional<QByteArray> safeSvg(const QByteArray &data, bool compressed);

struct SvgPicture {
    QImage image;       // drawn at the declared size, or smaller within the render bound
    QSize naturalPixels; // the declared size (width and height, else the view box)
};

// Draws a safe SVG (see safeSvg) at its declared size, at most `maxRenderPixels`
// pixels; nullopt when QtSvg cannot read it or the declared size is beyond the
// loader's limits.
std::optional<SvgPicture> drawSvg(const QByteArray &safeXml, qint64 maxRenderPixels);

namespace svglimits {
constexpr qint64 MaxXmlBytes = 16 * 1024 * 1024;
constexpr int MaxDepth = 256;
constexpr int MaxElements = 200'000;
constexpr int MaxEntities = 64;
} // namespace svglimits

} // namespace orv
