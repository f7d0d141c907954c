#include "userinput.h"

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

} // namespace orv::test
