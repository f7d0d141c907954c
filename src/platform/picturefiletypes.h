#pragma once

#include <QString>
#include <QStringList>

namespace orv {

// The one table of the picture files the program offers: every list of extensions
// (the Add-files dialog's filter, the open-folder patterns and scan, the command line,
// drops) is made from it, and the desktop entry's MIME types are checked against it.
// The loader itself decides a file's format from its content, never from its name.
struct PictureFileType {
    const char *group;     // the Add-files filter entry that lists it ("Bitmaps")
    const char *extension; // lower case, without the dot
    const char *mimeType;  // as shared-mime-info names it
};

namespace PictureFileTypes {

// Every row, in the order the "All picture files" entry lists them.
const QList<PictureFileType> &all();

// The extensions, lower case, in the table's order.
QStringList extensions();

// "*.bmp;*.dib;...": every extension as a wildcard.
QString wildcards();

// The Add-files dialog's filter ("description|pattern|..."): all files, all pictures,
// then one entry a group.
QString dialogFilter();

// The MIME types of the table, each once, in the table's order.
QStringList mimeTypes();

// Whether `name` ends in one of the extensions, in lower case as the single command-line
// argument must ("shot.png", not "shot.PNG").
bool endsInLowerCaseExtension(const QString &name);

} // namespace PictureFileTypes

} // namespace orv
