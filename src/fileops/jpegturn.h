#pragma once

#include "pictureturn.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace orv {

// A JPEG turned without decoding it: libjpeg-turbo moves its DCT blocks, so
// no pixel is computed anew. Every marker segment is kept (Exif, ICC profile,
// XMP, comments) and the Exif orientation is set to 1, the turn it asked for
// being part of the transform.
struct JpegTurn {
    enum Outcome {
        Turned,
        // The width or height is no multiple of the picture's blocks: only a
        // turn that drops the partial blocks at the edge is lossless.
        NeedsTrim,
        Failed
    };
    Outcome outcome = Failed;
    QByteArray jpeg;
    QSize block;       // the picture's block size in pixels
    QSize trimmedSize; // with NeedsTrim: the size the trimmed turn gives
    QString error;

    // `turn` is the turn the user gave the picture as it is shown (upright
    // by its Exif orientation). With `trim`, partial blocks are dropped.
    static JpegTurn apply(const QByteArray &jpeg, PictureTurn turn, bool trim);
};

} // namespace orv
