#include "listfilereader.h"

#include "fileerror.h"
#include "listfilefield.h"
#include "listfileformat.h"
#include "listfilelongnames.h"

#include <QBuffer>
#include <QFile>

namespace orv {

namespace {

using Format = ListFileFormat;

// Reads up to `size` bytes; false on a device error (a short read at the end
// of the file is not an error).
bool readUpTo(QIODevice &device, qsizetype size, QByteArray &out)
{
    out.resize(size);
    const qint64 n = device.read(out.data(), size);
    if (n < 0) {
        out.clear();
        return false;
    }
    out.truncate(n);
    return true;
}

void readLongNames(QIODevice &device, const QByteArray &records, ListFileReader::Result &result)
{
    QByteArray block;
    if (!readUpTo(device, ListFileLongNames::SignatureSize, block))
        return;
    const qsizetype rest = ListFileLongNames::bytesAfterSignature(block);
    if (rest < 0)
        return;
    QByteArray tail;
    if (!readUpTo(device, rest, tail) || tail.size() < rest)
        return;
    block.append(tail);
    result.longNamesApplied = ListFileLongNames::apply(result.entries, records, block);
}

} // namespace

ListFileReader::Result ListFileReader::read(QIODevice &device)
{
    Result result;
    QByteArray records; // the whole records read so far, the end record included
    QByteArray record;
    for (;;) {
        if (!readUpTo(device, Format::RecordSize, record)) {
            result.error = FileError::DiskNotReady;
            result.errorString = device.errorString();
            return result;
        }
        if (record.size() < Format::UnusedOffset)
            return result; // the file ends without an end record
        records.append(record);
        if (Format::isEndRecord(record)) {
            result.endRecordFound = true;
            break;
        }
        result.entries.push_back({ListFileField::decode(QByteArrayView(record).first(Format::NameWidth)),
                                  ListFileField::decode(QByteArrayView(record).sliced(Format::FolderOffset,
                                                                                      Format::FolderWidth))});
    }
    if (records.size() % Format::RecordSize == 0)
        readLongNames(device, records, result);
    return result;
}

ListFileReader::Result ListFileReader::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.error = FileError::probeReadable(path);
        if (result.error == FileError::None)
            result.error = FileError::PathFileAccess;
        result.errorString = file.errorString();
        return result;
    }
    return read(file);
}

ListFileReader::Result ListFileReader::parse(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

} // namespace orv
