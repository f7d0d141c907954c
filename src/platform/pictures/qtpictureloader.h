#pragma once

#include "pictureloader.h"

#include <QtGlobal>

namespace orv {

// Loads pictures with Qt's image readers (bmp, dib, ico, cur, jpeg, gif) and renders
// metafiles (wmf through libwmf, emf through libemf2svg) to an image at their natural
// size. The format is decided by the file's content, never by its name.
// Thread-safe: load() keeps no state between calls.
class QtPictureLoader : public PictureLoader
{
public:
    explicit QtPictureLoader(double logicalDpi = 96.0);

    LoadedPicture load(const QString &path) const override;

    // Pictures larger than this (width × height, in pixels) fail as FileError::Other
    // before any pixel memory is taken.
    static constexpr qint64 MaxPixels = 250'000'000;
    // Metafiles longer than this fail as FileError::Other (their SVG would be far larger).
    static constexpr qint64 MaxMetafileBytes = 64 * 1024 * 1024;

private:
    double m_dpi;
};

} // namespace orv
