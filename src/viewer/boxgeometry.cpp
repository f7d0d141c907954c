#include "boxgeometry.h"

#include "rounding.h"

#include <algorithm>
#include <cmath>

namespace orv {

int approx(double x)
{
    if (!(x > 0))
        return 0;
    const double up = std::ceil(x);
    return up >= 2147483647.0 ? 2147483647 : int(up);
}

BoxLimits boxLimits(QSizeF workArea, int toolbarshown, int reserve)
{
    BoxLimits l;
    l.maxboxheight = roundHalfEven(workArea.height() - 360.0 * toolbarshown - reserve);
    l.maxboxwidth = roundHalfEven(workArea.width() - 200.0);
    return l;
}

SizeboxGeometry sizeboxGeometry(int W, int H, int MW, int MH, int T)
{
    SizeboxGeometry g;
    const double marginV = (MH - H) / 2.0;
    const double marginH = (MW - W) / 2.0;

    g.image2 = QRectF(marginH + 15, marginV + T + 15, W, H + 5);
    g.vscroll = QRectF(g.image2.width() + g.image2.left() + 10, marginV + T - 10, 255, H + 20);
    g.hscroll = QRectF(marginH - 10, g.image2.height() + g.image2.top() + 15, W + 230, 255);
    // The client area spans the work area (MW + 200): a box as wide as the
    // limit keeps its scroll bars inside it.
    const double clientWidth = MW + 200.0;
    g.hscroll.setLeft(std::max(0.0, g.hscroll.left()));
    g.hscroll.setRight(std::min(clientWidth, g.hscroll.right()));
    g.vscroll.moveLeft(std::max(0.0, std::min(g.vscroll.left(), clientWidth - g.vscroll.width())));

    g.marup = QRectF(0, T, 9600, marginV);
    g.mardn = QRectF(0, T + g.marup.height() + H + 15, 9615, g.marup.height() + 2715);
    g.label2Top = marginV + 220;
    g.marleft = QRectF(0, T + g.marup.height(), marginH + 12, H + 200);
    g.marright = QRectF((MW + W) / 2.0 + 15, g.marleft.top(), marginH + 260, g.marleft.height());
    return g;
}

TrueSizePlacement trueSizePlacement(int picwidth, int picheight, int maxboxwidth, int maxboxheight, int T)
{
    TrueSizePlacement p;
    if (picheight > maxboxheight) {
        p.image1Top = T + 50;
        p.boxheight = maxboxheight;
    } else {
        p.image1Top = (maxboxheight - picheight) / 2.0 + T + 20;
        p.boxheight = picheight;
    }
    if (picwidth > maxboxwidth) {
        p.image1Left = 50;
        p.boxwidth = maxboxwidth;
    } else {
        p.image1Left = (maxboxwidth - picwidth) / 2.0;
        p.boxwidth = picwidth;
    }
    return p;
}

BoxSize fitBox(int w, int h, BoxSize box, int maxboxwidth, int maxboxheight)
{
    if (box.height > box.width)
        box.width = box.height;
    else
        box.height = box.width < maxboxheight ? box.width : maxboxheight;

    if (w <= 0 && h <= 0)
        return box; // nothing to take proportions from
    double r;
    if (h > w) {
        r = double(w) / double(h);
        r = box.height * r;
        box.width = approx(r);
        if (box.width > maxboxwidth) {
            box.width = maxboxwidth;
            r = double(h) / double(w);
            r = box.width * r;
            box.height = approx(r);
        }
    } else {
        r = double(h) / double(w);
        r = box.width * r;
        box.height = approx(r);
        if (box.height > maxboxheight) {
            box.height = maxboxheight;
            r = double(w) / double(h);
            r = box.height * r;
            box.width = approx(r);
        }
    }
    return box;
}

RescrollResult rescroll(const RescrollInput &in)
{
    RescrollResult out;
    out.xoffset = in.xoffset;
    out.yoffset = in.yoffset;

    if (in.picheight > in.boxheight) {
        out.vertical.enabled = true;
        out.vertical.maximum = in.picheight - in.boxheight;
        if (out.yoffset < 0)
            out.yoffset = 0;
        if (out.xoffset < 0)
            out.xoffset = 0;
        // A maximum below the current value brings the value down first.
        const int m = out.vertical.maximum;
        const int v = std::clamp(in.vertical.value, 0, m);
        if (out.yoffset < m - v) {
            out.vertical.value = v + out.yoffset;
        } else {
            out.yoffset = m - v;
            out.vertical.value = m;
        }
    } else {
        out.vertical.enabled = false;
        out.vertical.maximum = in.vertical.maximum;
        out.vertical.value = 0;
    }

    if (in.picwidth > in.boxwidth) {
        out.horizontal.enabled = true;
        out.horizontal.maximum = in.picwidth - in.boxwidth;
        if (out.xoffset < out.horizontal.maximum)
            out.horizontal.value = out.xoffset > 0 ? out.xoffset : 0;
        else
            out.horizontal.value = out.horizontal.maximum;
    } else {
        out.horizontal.enabled = false;
        out.horizontal.maximum = in.horizontal.maximum;
        out.horizontal.value = 0;
    }
    return out;
}

} // namespace orv
