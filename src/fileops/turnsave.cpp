#include "turnsave.h"

#include "gifturn.h"
#include "jpegturn.h"
#include "metadatacopy.h"
#include "savefilecommit.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace orv {

namespace {

// The Exif orientation that Qt's reader reports as a transformation.
int exifOrientationOf(QImageIOHandler::Transformations t)
{
    switch (int(t)) {
    case QImageIOHandler::TransformationMirror:
        return 2;
    case QImageIOHandler::TransformationRotate180:
        return 3;
    case QImageIOHandler::TransformationFlip:
        return 4;
    case QImageIOHandler::TransformationFlipAndRotate90:
        return 5;
    case QImageIOHandler::TransformationRotate90:
        return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90:
        return 7;
    case QImageIOHandler::TransformationRotate270:
        return 8;
    default:
        return 1;
    }
}

TurnSave failed(const QString &reason)
{
    TurnSave r;
    r.reason = reason;
    return r;
}

// An animated PNG carries its animation control chunk before its pixels.
bool isAnimatedPng(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64 * 1024);
    const qsizetype actl = head.indexOf("acTL");
    const qsizetype idat = head.indexOf("IDAT");
    return actl >= 0 && (idat < 0 || actl < idat);
}

TurnSave written(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (const QString why = commitWhole(file); !why.isEmpty())
        return failed(why);
    TurnSave r;
    r.outcome = TurnSave::Saved;
    return r;
}

TurnSave savedJpeg(const QString &path, PictureTurn turn, bool trim)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    const QByteArray original = file.readAll();
    file.close();
    const JpegTurn turned = JpegTurn::apply(original, turn, trim);
    if (turned.outcome == JpegTurn::NeedsTrim) {
        TurnSave r;
        r.outcome = TurnSave::NeedsTrim;
        r.block = turned.block;
        r.trimmedSize = turned.trimmedSize;
        return r;
    }
    if (turned.outcome != JpegTurn::Turned)
        return failed(turned.error);
    return written(path, turned.jpeg);
}

TurnSave savedGif(const QString &path, PictureTurn turn)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    const GifTurn turned = GifTurn::apply(file.readAll(), turn);
    file.close();
    if (turned.gif.isEmpty())
        return failed(turned.error);
    return written(path, turned.gif);
}

TurnSave savedLossless(const QString &path, PictureTurn turn)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    QImage image = reader.read();
    if (image.isNull())
        return failed(reader.errorString());
    const PictureTurn total = PictureTurn::fromExifOrientation(exifOrientationOf(reader.transformation())).then(turn);
    QImage out = total.applied(image);
    for (const QString &key : image.textKeys())
        out.setText(key, image.text(key));
    out.setDotsPerMeterX(total.swapsSides() ? image.dotsPerMeterY() : image.dotsPerMeterX());
    out.setDotsPerMeterY(total.swapsSides() ? image.dotsPerMeterX() : image.dotsPerMeterY());

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "tiff")
        writer.setCompression(1); // LZW: lossless, and about the size a TIFF usually has
    if (!writer.write(out))
        return failed(writer.errorString());
    QByteArray bytes = buffer.data();
    if (format != "bmp")
        bytes = withMetadataOf(path, bytes);
    return written(path, bytes);
}

} // namespace

TurnSave::Kind TurnSave::kindOf(const QString &path)
{
    QImageReader reader(path);
    const QByteArray format = reader.format();
    if (format == "jpeg")
        return Jpeg;
    // A picture that moves would lose its frames.
    if (format == "gif" && reader.imageCount() == 1)
        return Lossless;
    if ((format == "png" || format == "bmp" || format == "tiff") && reader.imageCount() <= 1 &&
        !(format == "png" && isAnimatedPng(path)))
        return Lossless;
    return NotSavable;
}

TurnSave TurnSave::save(const QString &path, PictureTurn turn, bool trim)
{
    switch (kindOf(path)) {
    case Jpeg:
        return savedJpeg(path, turn, trim);
    case Lossless:
        return QImageReader(path).format() == "gif" ? savedGif(path, turn) : savedLossless(path, turn);
    case NotSavable:
        break;
    }
    return failed(QCoreApplication::translate("TurnSave", "Turns are saved only into JPEG, PNG, BMP, TIFF and still GIF pictures."));
}

} // namespace orv
