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
    QColorSpace to;
    QColorTransform transform;
};

// The target, set on the UI thread and read by the picture cache's worker.
struct Target {
    QMutex mutex;
    QColorSpace space{QColorSpace::SRgb};
    quint64 generation = 0;
};

Target &current()
{
    static Target t;
    return t;
}

QColorTransform transform(const QColorSpace &from, const QColorSpace &to)
{
    static QMutex mutex;
    static std::list<Kept> kept;
    QMutexLocker lock(&mutex);
    for (auto k = kept.begin(); k != kept.end(); ++k) {
        if (k->from == from && k->to == to) {
            kept.splice(kept.begin(), kept, k);
            return k->transform;
        }
    }
    kept.push_front({from, to, from.transformationToColorSpace(to)});
    if (kept.size() > KeptTransforms)
        kept.pop_back();
    return kept.front().transform;
}

} // namespace

QColorSpace target()
{
    Target &t = current();
    QMutexLocker lock(&t.mutex);
    return t.space;
}

bool setScreenProfile(const QByteArray &icc)
{
    // A screen's profile describes RGB (the header's data colour space at
    // byte 16); Qt reads RGB matrix profiles only, and takes a grey one as a
    // grey RGB space. Anything else (none, broken, grey, a printer's) leaves
    // the screen taken as sRGB.
    QColorSpace space;
    if (icc.mid(16, 4) == "RGB ")
        space = QColorSpace::fromIccProfile(icc);
    if (!space.isValid())
        space = QColorSpace(QColorSpace::SRgb);
    Target &t = current();
    QMutexLocker lock(&t.mutex);
    if (space == t.space)
        return false;
    t.space = space;
    ++t.generation;
    return true;
}

quint64 generation()
{
    Target &t = current();
    QMutexLocker lock(&t.mutex);
    return t.generation;
}

bool needsConversion(const QImage &image)
{
    const QColorSpace space = image.colorSpace();
    return !image.isNull() && space.isValid() && space != target();
}

QImage converted(QImage image)
{
    // One target throughout, should the screen's change meanwhile.
    const QColorSpace to = target();
    const QColorSpace from = image.colorSpace();
    if (image.isNull() || !from.isValid() || from == to)
        return image;
    const QColorTransform transform = ScreenColours::transform(from, to);
    // Every pixel is written anew: a shared image is copied first.
    if (qint64(image.width()) * image.height() < SplitPixels || image.format() != QImage::Format_RGB32) {
        image.applyColorTransform(transform);
        image.setColorSpace(to);
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
    image.setColorSpace(to);
    return image;
}

} // namespace orv::ScreenColours
