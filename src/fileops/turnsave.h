#pragma once

#include "pictureturn.h"

#include <QSize>
#include <QString>

namespace orv {

// Writes a turn into a picture file, without loss: a JPEG by moving its DCT
// blocks (JpegTurn), a still GIF by moving its palette indices (GifTurn), a
// PNG, BMP or TIFF by writing its pixels anew with their metadata. The new file is written beside the old one and renamed over it,
// so a failure at any point leaves the original as it was.
struct TurnSave {
    enum Kind {
        NotSavable, // pictures that move, lossy formats other than JPEG, formats without a writer
        Jpeg,
        Lossless
    };
    // What the file holds, by its content.
    static Kind kindOf(const QString &path);

    enum Outcome { Saved, NeedsTrim, Failed };
    Outcome outcome = Failed;
    QString reason; // why it failed
    QSize block;    // with NeedsTrim: the JPEG's block size
    QSize trimmedSize;

    // `turn` is the turn of the picture as shown. With `trim`, a JPEG whose
    // size is no multiple of its blocks loses its partial edge blocks.
    static TurnSave save(const QString &path, PictureTurn turn, bool trim = false);
};

} // namespace orv
