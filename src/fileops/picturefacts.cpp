#include "picturefacts.h"

#include "photometadata.h"
#include "pictureloader.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QImageReader>

namespace orv {

namespace {

QString depthText(const QImage &image)
{
    const QPixelFormat pf = image.pixelFormat();
    if (pf.colorModel() == QPixelFormat::Indexed)
        return QCoreApplication::translate("PictureFacts", "%1 bits a pixel (palette)").arg(image.bitPlaneCount());
    if (pf.colorModel() == QPixelFormat::Grayscale)
        return QCoreApplication::translate("PictureFacts", "%1 bits (grey)").arg(image.bitPlaneCount());
    if (pf.colorModel() == QPixelFormat::Alpha)
        return QCoreApplication::translate("PictureFacts", "%1 bits (alpha)").arg(image.bitPlaneCount());
    const int channel = pf.colorModel() == QPixelFormat::RGB ? int(pf.redSize()) : 0;
    if (channel > 0)
        return QCoreApplication::translate("PictureFacts", "%1 bits a channel").arg(channel);
    return QCoreApplication::translate("PictureFacts", "%1 bits a pixel").arg(image.bitPlaneCount());
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
        rows << qMakePair(QCoreApplication::translate("PictureFacts", "Picture size:"),
                          QCoreApplication::translate("PictureFacts", "%1 x %2 pixels").arg(locale.toString(image.width()), locale.toString(image.height())));
        rows << qMakePair(QCoreApplication::translate("PictureFacts", "Format:"), QString::fromLatin1(format).toUpper());
        rows << qMakePair(QCoreApplication::translate("PictureFacts", "Bit depth:"), depthText(image));
        if (const QString profile = image.colorSpace().description(); image.colorSpace().isValid())
            rows << qMakePair(QCoreApplication::translate("PictureFacts", "Colour profile:"), profile.isEmpty() ? QCoreApplication::translate("PictureFacts", "(unnamed)") : profile);
    }
    if (loader) {
        if (const FrameDecoderPtr decoder = loader->frames(path); decoder && decoder->frameCount() > 1)
            frames = decoder->frameCount();
    }
    if (frames > 1)
        rows << qMakePair(QCoreApplication::translate("PictureFacts", "Frames:"), locale.toString(frames));

    if (!metadata)
        return rows;
    const PhotoMetadata m = metadata->read(path);
    QString taken = m.taken;
    if (const QDateTime when = exifDateTime(m.taken); when.isValid())
        // Cameras keep their own clock's time, without a zone: none is shown.
        taken = locale.toString(when.date(), QLocale::LongFormat) + QLatin1Char(' ') +
                locale.toString(when.time(), QStringLiteral("HH:mm:ss"));
    const QPair<QString, QString> exifRows[] = {
        {QCoreApplication::translate("PictureFacts", "Camera:"), cameraText(m.make, m.model)},
        {QCoreApplication::translate("PictureFacts", "Lens:"), m.lens},
        {QCoreApplication::translate("PictureFacts", "Taken:"), taken},
        {QCoreApplication::translate("PictureFacts", "Exposure time:"), m.exposure},
        {QCoreApplication::translate("PictureFacts", "F-number:"), m.fNumber},
        {QCoreApplication::translate("PictureFacts", "ISO:"), m.iso},
        {QCoreApplication::translate("PictureFacts", "Focal length:"), m.focalLength},
        {QCoreApplication::translate("PictureFacts", "GPS position:"), m.gps},
    };
    for (const auto &row : exifRows) {
        if (!row.second.isEmpty())
            rows << row;
    }
    return rows;
}

} // namespace orv
