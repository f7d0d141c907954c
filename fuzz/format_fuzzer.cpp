// One format of today through the loader (QtPictureLoader::loadFromBytes) and, for a
// picture that moves, its frame decoder (QtPictureLoader::framesFromBytes, or frames()
// on a temporary file for GIF and WebP), a few frames
// and a rewind. Built once a format (ORV_FUZZ_FORMAT: png, webp, tiff, avif, heif, jxl,
// svg); inputs of another format are left out, so that each harness learns its own.

#include "fuzzsupport.h"
#include "pictureformat.h"
#include "qtpictureloader.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>

using namespace orv;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startGuiApplication();
    return 0;
}

namespace {

bool isMine(const QByteArray &bytes)
{
    const char *format = ORV_FUZZ_FORMAT;
    const PictureFormat sniffed = sniffPictureFormat(bytes.left(4096));
    if (std::strcmp(format, "png") == 0)
        return sniffed == PictureFormat::Png;
    if (std::strcmp(format, "webp") == 0)
        return bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP";
    if (std::strcmp(format, "tiff") == 0)
        return bytes.startsWith("II*") || bytes.startsWith("MM\0*");
    if (std::strcmp(format, "avif") == 0)
        return sniffed == PictureFormat::Avif;
    if (std::strcmp(format, "heif") == 0)
        return sniffed == PictureFormat::Heif;
    if (std::strcmp(format, "jxl") == 0)
        return sniffed == PictureFormat::JpegXl;
    return sniffed == PictureFormat::Svg || sniffed == PictureFormat::SvgCompressed;
}

void checkFrame(const QImage &image, QSize canvas)
{
    ORV_FUZZ_CHECK(image.size() == canvas);
    ORV_FUZZ_CHECK(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QtPictureLoader loader;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    if (!isMine(bytes))
        return -1; // not added to the corpus
    const LoadedPicture picture = loader.loadFromBytes(bytes);
    ORV_FUZZ_CHECK(picture.error == FileError::None || picture.error == FileError::Other);
    if (!picture.ok()) {
        ORV_FUZZ_CHECK(picture.image.isNull() && !picture.moves);
        return 0;
    }
    ORV_FUZZ_CHECK(qint64(picture.image.width()) * picture.image.height() <= QtPictureLoader::MaxPixels);
    ORV_FUZZ_CHECK(picture.naturalTwips.width() > 0 && picture.naturalTwips.height() > 0);
    checkFrame(picture.image, picture.image.size());
    if (!picture.moves)
        return 0;
    FrameDecoderPtr frames = QtPictureLoader::framesFromBytes(bytes);
    if (!frames) {
        // GIF and WebP frames are read from the file by Qt's readers.
        static QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("input"));
        QFile file(path);
        ORV_FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        frames = loader.frames(path);
    }
    ORV_FUZZ_CHECK(frames != nullptr);
    DecodedFrame frame;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 8 && frames->next(frame); ++i) {
            checkFrame(frame.image, picture.image.size());
            ORV_FUZZ_CHECK(frame.delayMs >= 0);
        }
        if (!frames->rewind())
            break;
    }
    return 0;
}
