#pragma once

#include "pictureturn.h"

#include <QByteArray>
#include <QString>

namespace orv {

// Turns a still GIF without loss: the palette indices are moved, not decoded
// colours, so the palette, the transparent index and every extension block
// (comments, graphics control, application data) stay as they were. The
// picture is written without interlacing.
struct GifTurn {
    QByteArray gif; // the turned file; empty on failure
    QString error;  // why it failed

    static GifTurn apply(const QByteArray &gif, PictureTurn turn);
};

} // namespace orv
