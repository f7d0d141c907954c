#include "listfilelongnames.h"

#include "listfilecrc.h"
#include "listfilefield.h"
#include "listfileformat.h"

#include <QStringDecoder>
#include <QtEndian>

namespace orv {

// Layout of the block (all numbers are unsigned 32-bit little-endian):
//
// Signature record, 128 bytes, record N + 2 (right after the end record):
//   0..15   "OrvantaLongNames"
//   16..19  version, 1
//   20..23  N, the number of entry records before the end record
//   24..27  CRC-32 of records 1 to N + 1 (the end record included)
//   28..31  M, the number of items
//   32..35  P, the payload length in bytes
//   36..39  CRC-32 of the payload
//   40..127 zero
// Payload, P bytes, from record N + 3 on: M items, each
//   entry index (0-based, strictly rising, below N),
//   name length, folder length (bytes),
//   the full name and the full folder in UTF-8.
// Zero bytes pad the payload to a whole number of 128-byte records.
//
// A block is used only when every check holds: signature, version, N, both
// checksums, items that fill the payload exactly, valid UTF-8, and for each
// item a name and folder that give exactly the record's cut fields. Anything
// else (a damaged block, a stale one left by an earlier and longer save over
// the same file) is ignored and the cut names stand.

namespace {

constexpr int ItemHeaderSize = 12;
// Far above any real list; keeps a damaged length from asking for gigabytes.
constexpr qsizetype MaxPayload = 256 * 1024 * 1024;

void appendU32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint32 u32At(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

qsizetype paddedToRecords(qsizetype n)
{
    const qsizetype r = ListFileFormat::RecordSize;
    return (n + r - 1) / r * r;
}

bool strictUtf8(QByteArrayView bytes, QString &out)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    out = utf8.decode(bytes);
    return !utf8.hasError();
}

struct Signature {
    quint32 entryCount = 0;
    quint32 recordsCrc = 0;
    quint32 itemCount = 0;
    quint32 payloadLength = 0;
    quint32 payloadCrc = 0;
};

bool readSignature(QByteArrayView sig, Signature &s)
{
    if (sig.size() < ListFileLongNames::SignatureSize || !sig.startsWith(ListFileLongNames::magic()))
        return false;
    if (u32At(sig, 16) != ListFileLongNames::Version)
        return false;
    s.entryCount = u32At(sig, 20);
    s.recordsCrc = u32At(sig, 24);
    s.itemCount = u32At(sig, 28);
    s.payloadLength = u32At(sig, 32);
    s.payloadCrc = u32At(sig, 36);
    return qsizetype(s.payloadLength) <= MaxPayload;
}

} // namespace

bool ListFileLongNames::needsBlock(const PictureEntry &entry)
{
    return !ListFileField::roundTrips(entry.name, ListFileFormat::NameWidth) ||
           !ListFileField::roundTrips(entry.folder, ListFileFormat::FolderWidth);
}

QByteArray ListFileLongNames::encode(const std::vector<PictureEntry> &entries, QByteArrayView records)
{
    QByteArray payload;
    quint32 items = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!needsBlock(entries[i]))
            continue;
        const QByteArray name = entries[i].name.toUtf8();
        const QByteArray folder = entries[i].folder.toUtf8();
        appendU32(payload, quint32(i));
        appendU32(payload, quint32(name.size()));
        appendU32(payload, quint32(folder.size()));
        payload.append(name);
        payload.append(folder);
        ++items;
    }
    if (items == 0)
        return {};

    QByteArray block = magic();
    appendU32(block, Version);
    appendU32(block, quint32(entries.size()));
    appendU32(block, ListFileCrc::checksum(records));
    appendU32(block, items);
    appendU32(block, quint32(payload.size()));
    appendU32(block, ListFileCrc::checksum(payload));
    block.append(SignatureSize - block.size(), '\0');
    block.append(payload);
    block.append(paddedToRecords(payload.size()) - payload.size(), '\0');
    return block;
}

qsizetype ListFileLongNames::bytesAfterSignature(QByteArrayView signature)
{
    Signature s;
    if (!readSignature(signature, s))
        return -1;
    return paddedToRecords(s.payloadLength);
}

bool ListFileLongNames::isBoundTo(QByteArrayView signature, QByteArrayView records)
{
    Signature s;
    if (!readSignature(signature, s))
        return false;
    const qsizetype entryRecords = records.size() / ListFileFormat::RecordSize - 1;
    return qsizetype(s.entryCount) == entryRecords && s.recordsCrc == ListFileCrc::checksum(records);
}

bool ListFileLongNames::apply(std::vector<PictureEntry> &entries, QByteArrayView records,
                              QByteArrayView block)
{
    Signature s;
    if (!readSignature(block, s) || s.entryCount != entries.size())
        return false;
    if (records.size() != qsizetype(entries.size() + 1) * ListFileFormat::RecordSize)
        return false;
    if (s.recordsCrc != ListFileCrc::checksum(records))
        return false;
    if (block.size() < SignatureSize + qsizetype(s.payloadLength))
        return false;
    const QByteArrayView payload = block.sliced(SignatureSize, s.payloadLength);
    if (s.payloadCrc != ListFileCrc::checksum(payload))
        return false;

    std::vector<std::pair<size_t, PictureEntry>> found;
    qsizetype pos = 0;
    for (quint32 item = 0; item < s.itemCount; ++item) {
        if (payload.size() - pos < ItemHeaderSize)
            return false;
        const quint32 index = u32At(payload, pos);
        const qsizetype nameLength = u32At(payload, pos + 4);
        const qsizetype folderLength = u32At(payload, pos + 8);
        pos += ItemHeaderSize;
        if (index >= entries.size() || (!found.empty() && index <= found.back().first))
            return false;
        if (nameLength > payload.size() - pos || folderLength > payload.size() - pos - nameLength)
            return false;
        PictureEntry full;
        if (!strictUtf8(payload.sliced(pos, nameLength), full.name) ||
            !strictUtf8(payload.sliced(pos + nameLength, folderLength), full.folder))
            return false;
        pos += nameLength + folderLength;

        // The full texts must be the ones the record's fields were cut from.
        const QByteArrayView record =
            records.sliced(qsizetype(index) * ListFileFormat::RecordSize, ListFileFormat::RecordSize);
        if (ListFileField::encode(full.name, ListFileFormat::NameWidth) !=
                record.first(ListFileFormat::NameWidth) ||
            ListFileField::encode(full.folder, ListFileFormat::FolderWidth) !=
                record.sliced(ListFileFormat::FolderOffset, ListFileFormat::FolderWidth))
            return false;
        found.emplace_back(index, std::move(full));
    }
    if (pos != payload.size())
        return false;

    for (auto &[index, full] : found)
        entries[index] = std::move(full);
    return !found.empty();
}

} // namespace orv
