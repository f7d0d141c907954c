#include "listfilereader.h"

#include "fileerror.h"
#include "listfilefield.h"
#include "listfileformat.h"
#include "listfilelongnames.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
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
    // Not more than the file holds: the claimed size is taken before reading.
    if (!device.isSequential() && device.bytesAvailable() < rest)
        return;
    QByteArray tail;
    if (!readUpTo(device, rest, tail) || tail.size() < rest)
        return;
    block.append(tail);
    result.longNamesApplied = ListFileLongNames::apply(result.entries, records, block);
}

} // namespace

ListFileReader::Result ListFileReader::read(QIODevice &device, qsizetype maxRecords)
{
    Result result;
    // Refused unread when its size alone claims more records than any list
    // holds (entries and the end record); a device without a size is counted.
    const qint64 claimed = device.isSequential() ? 0 : device.size() / Format::RecordSize;
    if (claimed > maxRecords + 1) {
        result.tooLarge = true;
        return result;
    }
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
        if (qsizetype(result.entries.size()) >= maxRecords) {
            result = Result();
            result.tooLarge = true;
            return result;
        }
        result.entries.push_back({ListFileField::decode(QByteArrayView(record).first(Format::NameWidth)),
                                  ListFileField::decode(QByteArrayView(record).sliced(Format::FolderOffset,
                                                                                      Format::FolderWidth))});
    }
    if (records.size() % Format::RecordSize == 0)
        readLongNames(device, records, result);
    return result;
}

ListFileReader::Result ListFileReader::read(const QString &path, qsizetype maxRecords)
{
    QFile file;
    Result result;
    result.error = openRegularFile(file, path, &result.errorString);
    if (result.error != FileError::None)
        return result;
    return read(file, maxRecords);
}

QString ListFileReader::tooLargeText(const QString &path)
{
    return QCoreApplication::translate("ListFileReader", "The list file %1 is too large: it would hold more than %2 pictures. "
                          "It was not opened.")
        .arg(QDir::toNativeSeparators(path))
        .arg(MaxRecords);
}

ListFileReader::Result ListFileReader::parse(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

} // namespace orv
