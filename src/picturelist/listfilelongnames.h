#pragma once

#include "pictureentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace orv {

// The long-name block of a list file: the full name and folder of every entry
// whose fields cannot hold them (cut to 20 or 100 bytes, or ending in blanks).
// It follows the end record, where readers of the plain format never look, and
// is bound by checksum to the records before it. The layout is described in
// listfilelongnames.cpp.
class ListFileLongNames
{
public:
    static constexpr int SignatureSize = 128;
    static constexpr quint32 Version = 1;
    static QByteArray magic() { return QByteArrayLiteral("OrvantaLongNames"); }

    // Whether the entry's name or folder would not read back from its fields.
    static bool needsBlock(const PictureEntry &entry);

    // The block to write after `records` (records 1 to N + 1 of `entries`,
    // the end record included); empty when no entry needs it.
    static QByteArray encode(const std::vector<PictureEntry> &entries, QByteArrayView records);

    // Bytes of the block that follow a signature record, padding included, or
    // -1 when `signature` is not a signature record of a usable size.
    static qsizetype bytesAfterSignature(QByteArrayView signature);

    // Applies the block at the start of `block` (signature record, then the
    // rest) to the `entries` read from `records`. A block that is damaged or
    // belongs to other records changes nothing and gives false.
    static bool apply(std::vector<PictureEntry> &entries, QByteArrayView records, QByteArrayView block);

    // Whether `signature` is a signature record made for exactly `records`
    // (N entries and the end record): the writer retires such a record when
    // it writes the same records without a block.
    static bool isBoundTo(QByteArrayView signature, QByteArrayView records);
};

} // namespace orv
