#pragma once

#include "photometadata.h"

namespace orv {

// Exif data through exiv2, which reads it from JPEG, TIFF, PNG, WebP and, with
// its BMFF support, HEIC, AVIF and JPEG XL (in the container). A JPEG's date is
// read from its leading segments alone, which is what a sort of a long list
// reads most.
class Exiv2MetadataReader : public PhotoMetadataReader
{
public:
    Exiv2MetadataReader();
    PhotoMetadata read(const QString &path) const override;
    QDateTime dateTaken(const QString &path) const override;
};

} // namespace orv
