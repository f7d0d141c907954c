#pragma once

#include <QString>

namespace orv {

// A file name cut at its first ".": the part before it, and the rest with
// the dot ("holiday.beach.jpg": "holiday" and ".beach.jpg"). A name without a
// dot is all stem, with no extension.
struct NameParts {
    QString stem;
    QString extension;
};
NameParts splitAtFirstDot(const QString &name);

// Why `typed` followed by `extension` cannot be the new name of a file, as
// the message to show; empty when it can. Refused: an empty name, a name
// with a dot, a character the file system does not allow in a name (a
// folder separator above all, which would move the file elsewhere), and a
// name too long for the file system.
QString renameRefusal(const QString &typed, const QString &extension);

} // namespace orv
