#pragma once

#include "fileerror.h"
#include "framedecoder.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace orv {

// A picture as loaded from a file: its pixels and its natural size in twips.
// On failure `error` holds a number of the file-access set (see FileError) or
// FileError::Other, and the image is null.
struct LoadedPicture {
    QImage image;
    QSize naturalTwips;
    int error = FileError::None;
    // More than one frame: the picture moves, and PictureLoader::frames() plays it.
    // `image` is its first frame.
    bool moves = false;

    bool ok() const { return error == FileError::None && !image.isNull(); }
    static LoadedPicture failure(int error)
    {
        LoadedPicture p;
        p.error = error;
        return p;
    }
};

// Loads picture files of the supported formats (bmp, dib, ico, cur, jpg/jpeg,
// gif, wmf, emf), deciding the format from the content. Implementations are
// thread-safe: load() may run on worker threads.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    virtual LoadedPicture load(const QString &path) const = 0;

    // Loads a picture that will be shown scaled down into at most the viewing
    // area: the image may be decoded smaller than its natural size, but never
    // narrower than min(natural width, minimumPixels.width()) nor lower than
    // min(natural height, minimumPixels.height()). naturalTwips is always the
    // natural size. An invalid `minimumPixels` asks for the full picture, as
    // does every loader that cannot decode at a reduced scale.
    virtual LoadedPicture load(const QString &path, QSize minimumPixels) const
    {
        Q_UNUSED(minimumPixels);
        return load(path);
    }

    // A decoder of the frames of a picture that moves (see LoadedPicture::moves),
    // opened on the file anew; null for a still picture or when the file cannot be
    // opened. Each call gives an independent decoder.
    virtual FrameDecoderPtr frames(const QString &path) const
    {
        Q_UNUSED(path);
        return nullptr;
    }
};

} // namespace orv
