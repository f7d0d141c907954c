// A picture file of any bytes through the loader's raster path (QtPictureLoader::
// loadFromBytes): format detection, the bitmap and icon repairs, Exif orientation, JPEG
// decoding at a reduced scale and Qt's readers. Metafiles go to the helper process in the program; their
// converters have harnesses of their own (wmf_fuzzer, emf_fuzzer).

#include "emfconverter.h"
#include "fuzzsupport.h"
#include "qtpictureloader.h"
#include "wmfconverter.h"

using namespace orv;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startGuiApplication();
    return 0;
}

namespace {

void checkPicture(const LoadedPicture &picture)
{
    ORV_FUZZ_CHECK(picture.error == FileError::None || picture.error == FileError::Other);
    if (picture.error != FileError::None) {
        ORV_FUZZ_CHECK(picture.image.isNull());
        return;
    }
    ORV_FUZZ_CHECK(!picture.image.isNull());
    ORV_FUZZ_CHECK(qint64(picture.image.width()) * picture.image.height() <= QtPictureLoader::MaxPixels);
    ORV_FUZZ_CHECK(picture.naturalTwips.width() > 0 && picture.naturalTwips.height() > 0);
    ORV_FUZZ_CHECK(picture.image.format() == QImage::Format_RGB32 ||
                   picture.image.format() == QImage::Format_ARGB32_Premultiplied);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QtPictureLoader loader;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    if (looksLikeEmf(bytes) || looksLikeWmf(bytes))
        return -1; // not added to the corpus
    const LoadedPicture picture = loader.loadFromBytes(bytes);
    checkPicture(picture);
    // A JPEG again at a reduced scale, as the viewer asks for pictures it shows fitted.
    if (bytes.startsWith("\xFF\xD8")) {
        const LoadedPicture scaled = loader.loadFromBytes(bytes, QSize(40, 30));
        checkPicture(scaled);
        // The natural size is the file's, whatever the scale it was decoded at.
        if (scaled.ok() && picture.ok())
            ORV_FUZZ_CHECK(scaled.naturalTwips == picture.naturalTwips);
    }
    return 0;
}
