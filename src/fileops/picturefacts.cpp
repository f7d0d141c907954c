#include "picturefacts.h"

#include "photometadata.h"
#include "pictureloader.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QImageReader>

namespace orv {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PictureFacts", text);
}

QString depthText(const QImage &image)
{
    const QPixelFormat pf = image.pixelFormat();
    if (pf.colorModel() == QPixelFormat::Indexed)
        return tr("%1 bits a pixel (palette)").arg(image.bitPlaneCount());
    if (pf.colorModel() == QPixelFormat::Grayscale)
        return tr("%1 bits (grey)").arg(image.bitPlaneCount());
    if (pf.colorModel() == QPixelFormat::Alpha)
        return tr("%1 bits (alpha)").arg(image.bitPlaneCount());
    const int channel = pf.colorModel() == QPixelFormat::RGB ? int(pf.redSize()) : 0;
    if (channel > 0)
        return tr("%1 bits a channel").arg(channel);
    return tr("%1 bits a pixel").arg(image.bitPlaneCount());
}

// "Canon" and "Canon EOS 5D" make "Canon EOS 5D"; "NIKON CORPORATION" and
// "NIKON D70" stay apart.
QString cameraText(const QString &make, const QString &model)
{
    if (model.isEmpty())
        return make;
    if (make.isEmpty() || model.startsWith(make, Qt::CaseInsensitive))
        return model;
    return make + QLatin1Char(' ') + model;
}

} // namespace

FactRows pictureFacts(const QString &path, const PictureLoader *loader, const PhotoMetadataReader *metadata,
                      const QLocale &locale)
{
    FactRows rows;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    int frames = reader.imageCount();
    const QImage image = reader.read();
    if (!image.isNull()) {
        rows << qMakePair(tr("Picture size:"),
                          tr("%1 x %2 pixels").arg(locale.toString(image.width()), locale.toString(image.height())));
        rows << qMakePair(tr("Format:"), QString::fromLatin1(format).toUpper());
        rows << qMakePair(tr("Bit depth:"), depthText(image));
        if (const QString profile = image.colorSpace().description(); image.colorSpace().isValid())
            rows << qMakePair(tr("Colour profile:"), profile.isEmpty() ? tr("(unnamed)") : profile);
    }
    if (loader) {
        if (const FrameDecoderPtr decoder = loader->frames(path); decoder && decoder->frameCount() > 1)
            frames = decoder->frameCount();
    }
    if (frames > 1)
        rows << qMakePair(tr("Frames:"), locale.toString(frames));

    if (!metadata)
        return rows;
    const PhotoMetadata m = metadata->read(path);
    QString taken = m.taken;
    if (const QDateTime when = exifDateTime(m.taken); when.isValid())
        // Cameras keep their own clock's time, without a zone: none is shown.
        taken = locale.toString(when.date(), QLocale::LongFormat) + QLatin1Char(' ') +
                locale.toString(when.time(), QStringLiteral("HH:mm:ss"));
    const QPair<QString, QString> exifRows[] = {
        {tr("Camera:"), cameraText(m.make, m.model)},
        {tr("Lens:"), m.lens},
        {tr("Taken:"), taken},
        {tr("Exposure time:"), m.exposure},
        {tr("F-number:"), m.fNumber},
        {tr("ISO:"), m.iso},
        {tr("Focal length:"), m.focalLength},
        {tr("GPS position:"), m.gps},
    };
    for (const auto &row : exifRows) {
        if (!row.second.isEmpty())
            rows << row;
    }
    return rows;
}

} // namespace orv
