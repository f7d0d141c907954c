#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

namespace orv {

class PictureLoader;

// Decodes pictures that are likely to be shown next ahead of time, on a
// worker thread, so that the loader that offers it answers at once when they
// are asked for. A prefetch is only a hint: it never fails visibly, and a
// picture that was not prefetched, or whose file changed, simply loads when
// it is asked for.
class PicturePrefetcher
{
public:
    // The size in device pixels a picture will be drawn at, from its natural
    // size in twips; an invalid size when it is drawn at its own size. Runs on
    // the worker thread, so it must only compute from values it holds.
    using DrawnSize = std::function<QSize(QSize naturalTwips)>;

    virtual ~PicturePrefetcher() = default;

    // Starts decoding `path` unless it is decoded or being decoded already.
    // `minimumPixels` as for PictureLoader::load: invalid for the full picture.
    // With `drawnSize`, a smooth copy at the size it gives is made as well.
    virtual void prefetch(const QString &path, QSize minimumPixels, DrawnSize drawnSize = {}) = 0;

    // The smooth copy of `picture` (an image the loader handed out) made for
    // `pixels`, or a null image when there is none.
    virtual QImage scaledCopy(const QImage &picture, QSize pixels) const = 0;

    // The prefetcher behind a picture loader, or null when the loader has none
    // (tests' fakes, a bare loader).
    static PicturePrefetcher *of(PictureLoader *loader);
};

} // namespace orv
