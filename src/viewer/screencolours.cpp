#include "screencolours.h"

#include <QColorTransform>
#include <QMutex>
#include <QtConcurrent/QtConcurrentRun>

#include <list>

namespace orv::ScreenColours {

namespace {

// Making a transform builds lookup tables for the picture's transfer curves,
// which costs more than converting a screenful. Photos of one camera share one
// profile, so the last few transforms are kept.
constexpr size_t KeptTransforms = 4;
// Pictures of more pixels are converted in two halves at once (a whole photo
// at true size: about 100 ms for 24 megapixels on one core).
constexpr qint64 SplitPixels = 4 * 1024 * 1024;

struct Kept {
    QColorSpace from;
    QColorTransform transform;
};

QColorTransform transformFrom(const QColorSpace &from)
{
    static QMutex mutex;
    static std::list<Kept> kept;
    QMutexLocker lock(&mutex);
    for (auto k = kept.begin(); k != kept.end(); ++k) {
        if (k->from == from) {
            kept.splice(kept.begin(), kept, k);
            return k->transform;
        }
    }
    kept.push_front({from, from.transformationToColorSpace(target())});
    if (kept.size() > KeptTransforms)
        kept.pop_back();
    return kept.front().transform;
}

} // namespace

QColorSpace target()
{
    return QColorSpace(QColorSpace::SRgb);
}

bool needsConversion(const QImage &image)
{
    const QColorSpace space = image.colorSpace();
    return !image.isNull() && space.isValid() && space != target();
}

QImage converted(QImage image)
{
    if (!needsConversion(image))
        return image;
    const QColorTransform transform = transformFrom(image.colorSpace());
    // Every pixel is written anew: a shared image is copied first.
    if (qint64(image.width()) * image.height() < SplitPixels || image.format() != QImage::Format_RGB32) {
        image.applyColorTransform(transform);
        image.setColorSpace(target());
        return image;
    }
    uchar *const pixels = image.bits();
    const qsizetype line = image.bytesPerLine();
    const int half = image.height() / 2;
    // Each half is an image on the rows of the picture, converted where it lies.
    const auto convertRows = [&](int first, int count) {
        QImage rows(pixels + first * line, image.width(), count, line, image.format());
        rows.applyColorTransform(transform);
    };
    QFuture<void> lower = QtConcurrent::run([&] { convertRows(half, image.height() - half); });
    convertRows(0, half);
    lower.waitForFinished();
    image.setColorSpace(target());
    return image;
}

} // namespace orv::ScreenColours
