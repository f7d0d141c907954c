#include "metadatacopy.h"

#include "exiv2metadatareader.h"

#include <QFile>
// exiv2 0.27's headers still use std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace orv {

QByteArray withMetadataOf(const QString &fromPath, const QByteArray &to)
{
    const Exiv2MetadataReader ready; // exiv2 set up once
    try {
        std::unique_ptr<Exiv2::Image> source(
            Exiv2::ImageFactory::open(QFile::encodeName(fromPath).toStdString(), false).release());
        if (!source)
            return to;
        source->readMetadata();
        if (source->exifData().empty() && source->xmpData().empty() && source->iptcData().empty() &&
            source->comment().empty())
            return to;
        std::unique_ptr<Exiv2::Image> target(
            Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(to.constData()), long(to.size()))
                .release());
        if (!target)
            return to;
        target->readMetadata();
        Exiv2::ExifData exif = source->exifData();
        if (auto it = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation")); it != exif.end())
            it->setValue("1");
        // Each kind only where the format holds it: exiv2 throws when asked to
        // put a comment into a TIFF, and the whole copy would be lost.
        if (target->supportsMetadata(Exiv2::mdExif))
            target->setExifData(exif);
        if (target->supportsMetadata(Exiv2::mdXmp))
            target->setXmpData(source->xmpData());
        if (target->supportsMetadata(Exiv2::mdIptc))
            target->setIptcData(source->iptcData());
        if (target->supportsMetadata(Exiv2::mdComment))
            target->setComment(source->comment());
        target->writeMetadata();
        Exiv2::BasicIo &io = target->io();
        io.open();
        const long size = long(io.size());
        QByteArray bytes(size, Qt::Uninitialized);
        io.seek(0, Exiv2::BasicIo::beg);
        const long got = io.read(reinterpret_cast<Exiv2::byte *>(bytes.data()), size);
        io.close();
        return got == size ? bytes : to;
    } catch (const std::exception &) {
        return to;
    }
}

} // namespace orv
