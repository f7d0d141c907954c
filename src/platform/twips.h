#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <cmath>

namespace orv {

// Converts between twips (1/1440 inch) and device-independent pixels at a
// given logical DPI (15 twips a pixel at 96 DPI).
class TwipScale
{
public:
    explicit TwipScale(double logicalDpi = 96.0) : m_dpi(logicalDpi > 0 ? logicalDpi : 96.0) {}

    double dpi() const { return m_dpi; }
    double toPixelsF(double twips) const { return twips * m_dpi / 1440.0; }
    int toPixels(double twips) const { return int(std::lround(toPixelsF(twips))); }
    double toTwips(double pixels) const { return pixels * 1440.0 / m_dpi; }

    // A rectangle in twips to pixels: edges are rounded, so neighbouring
    // controls share edges without gaps.
    QRect toPixels(const QRectF &twips) const
    {
        const int left = toPixels(twips.left());
        const int top = toPixels(twips.top());
        const int right = toPixels(twips.left() + twips.width());
        const int bottom = toPixels(twips.top() + twips.height());
        return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
    }
    QSize pixelsToTwips(const QSize &px) const
    {
        return QSize(int(std::lround(toTwips(px.width()))), int(std::lround(toTwips(px.height()))));
    }

private:
    double m_dpi;
};

} // namespace orv
