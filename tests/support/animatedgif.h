#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>

namespace orv::test {

// One frame of a GIF the tests write: `image` placed at `offset` on the canvas, shown for
// `delayCs` hundredths of a second.
struct GifFrame {
    QImage image;
    QPoint offset;
    int delayCs = 10;
};

// The bytes of an animated GIF of `frames` on a canvas of `canvas` pixels. The frames hold
// at most 128 colours in all (one palette for the file). `repeats` is the loop field of
// the looping extension (0 for ever, n: n more times); -1 leaves the extension out (the
// sequence plays once). The pixel data is stored without compression, so keep frames small.
QByteArray animatedGif(QSize canvas, const QList<GifFrame> &frames, int repeats = 0);

// Whole-canvas frames, each filled with the next of `colours`.
QList<GifFrame> solidFrames(QSize canvas, const QList<QColor> &colours, int delayCs = 10);

} // namespace orv::test
