#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <Qt>
#include <gtest/gtest.h>

class QWidget;

namespace orv::test {

// Where `at` (the control's centre when null) of `control` lies on its window.
QPoint windowPoint(const QWidget *control, QPoint at = QPoint());

// Whether a user pointing at `at` of `control` would point at it: the window's
// topmost widget there is the control or one of its children.
bool liesOnTop(const QWidget *control, QPoint at = QPoint());

// A click as a user makes it: pressed and released on the window where the
// control lies, so that Qt routes it to the widget under the pointer and
// passes on what that widget ignores. The control's window must be shown.
void userClick(QWidget *control, QPoint at = QPoint(), Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void userPress(QWidget *control, QPoint at = QPoint(), Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void userRelease(QWidget *control, QPoint at = QPoint(), Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// What a widget shows on screen, children included.
QImage drawn(QWidget *widget);

// Test pictures whose colours tell where each part of them was drawn: red
// left of column `splitX` and blue from it on, with a green band over the top
// `bandHeight` rows; and one of four quadrants, red, blue (top), green, black.
QImage splitPicture(QSize size, int splitX, int bandHeight = 0);
QImage quadrantPicture(QSize size);

// The colour a pixel is closest to among pure red, green, blue, black and
// white (smooth scaling blends colours only at their borders).
enum class Hue { Red, Green, Blue, Black, White, Other };
Hue hueOf(QColor colour);
Hue hueAt(const QImage &image, QPoint pixel);
const char *hueName(Hue hue);
// For EXPECT_TRUE: whether the pixel has the hue, saying what it has if not.
::testing::AssertionResult hasHue(const QImage &image, QPoint pixel, Hue hue);

} // namespace orv::test

// Texts in test failures as text, not as arrays of characters.
#include <QString>
#include <ostream>
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
