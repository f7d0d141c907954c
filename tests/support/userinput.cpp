#include "userinput.h"

#include <QPainter>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace orv::test {

namespace {

QWindow *windowOf(const QWidget *control)
{
    QWindow *window = control->window()->windowHandle();
    Q_ASSERT_X(window, "userClick", "the control's window is not shown");
    return window;
}

} // namespace

QPoint windowPoint(const QWidget *control, QPoint at)
{
    return control->mapTo(control->window(), at.isNull() ? control->rect().center() : at);
}

bool liesOnTop(const QWidget *control, QPoint at)
{
    const QWidget *window = control->window();
    const QWidget *hit = window->childAt(windowPoint(control, at));
    if (!hit)
        hit = window;
    return hit == control || control->isAncestorOf(hit);
}

void userClick(QWidget *control, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(windowOf(control), button, modifiers, windowPoint(control, at));
}

void userPress(QWidget *control, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(windowOf(control), button, modifiers, windowPoint(control, at));
}

void userRelease(QWidget *control, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseRelease(windowOf(control), button, modifiers, windowPoint(control, at));
}

QImage drawn(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage splitPicture(QSize size, int splitX, int bandHeight)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, splitX, size.height()), Qt::red);
    p.fillRect(QRect(splitX, 0, size.width() - splitX, size.height()), Qt::blue);
    if (bandHeight > 0)
        p.fillRect(QRect(0, 0, size.width(), bandHeight), Qt::green);
    return image;
}

QImage quadrantPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2, h = size.height() / 2;
    QPainter p(&image);
    p.fillRect(QRect(0, 0, w, h), Qt::red);
    p.fillRect(QRect(w, 0, size.width() - w, h), Qt::blue);
    p.fillRect(QRect(0, h, w, size.height() - h), Qt::green);
    p.fillRect(QRect(w, h, size.width() - w, size.height() - h), Qt::black);
    return image;
}

Hue hueOf(QColor c)
{
    const auto high = [](int v) { return v >= 192; };
    const auto low = [](int v) { return v <= 64; };
    const int r = c.red(), g = c.green(), b = c.blue();
    if (high(r) && low(g) && low(b))
        return Hue::Red;
    if (low(r) && high(g) && low(b))
        return Hue::Green;
    if (low(r) && low(g) && high(b))
        return Hue::Blue;
    if (low(r) && low(g) && low(b))
        return Hue::Black;
    if (high(r) && high(g) && high(b))
        return Hue::White;
    return Hue::Other;
}

Hue hueAt(const QImage &image, QPoint pixel)
{
    if (!image.rect().contains(pixel))
        return Hue::Other;
    return hueOf(image.pixelColor(pixel));
}

const char *hueName(Hue hue)
{
    switch (hue) {
    case Hue::Red:
        return "red";
    case Hue::Green:
        return "green";
    case Hue::Blue:
        return "blue";
    case Hue::Black:
        return "black";
    case Hue::White:
        return "white";
    case Hue::Other:
        break;
    }
    return "other";
}

::testing::AssertionResult hasHue(const QImage &image, QPoint pixel, Hue hue)
{
    const Hue actual = hueAt(image, pixel);
    if (actual == hue)
        return ::testing::AssertionSuccess();
    const QColor c = image.rect().contains(pixel) ? image.pixelColor(pixel) : QColor();
    return ::testing::AssertionFailure()
           << "pixel (" << pixel.x() << ", " << pixel.y() << ") is " << hueName(actual) << " "
           << qPrintable(c.name()) << ", not " << hueName(hue);
}

} // namespace orv::test
