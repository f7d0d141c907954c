#pragma once

#include "pictureentry.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace orv {

// Writes a list file: one 128-byte record per entry, the end record (name
// "eof", the folder field left as the record before it had it), then the
// long-name block when some entry does not fit its fields. A file is replaced
// atomically but keeps the bytes that writing over it in place would leave:
// whatever lay beyond the new end stays there.
class ListFileWriter
{
public:
    struct Result {
        bool ok = true;
        QString errorString;
    };

    // Records 1 to N + 1: the entries and the end record.
    static QByteArray records(const std::vector<PictureEntry> &entries);

    // The bytes a file that held `old` holds after saving `entries`.
    static QByteArray compose(const std::vector<PictureEntry> &entries, const QByteArray &old);

    static Result write(const QString &path, const std::vector<PictureEntry> &entries);

private:
    static QByteArray overlay(const QByteArray &records, const QByteArray &block, QByteArray old);
};

// The message shown when a list cannot be written to `path`.
QString listSaveFailureText(const QString &path, const QString &errorString);

} // namespace orv
