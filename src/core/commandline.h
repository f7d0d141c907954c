#pragma once

#include "pictureentry.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace orv {

// What the program's single command-line argument names.
enum class ArgumentKind {
    Empty,    // nothing: start with the welcome sign
    ListFile, // ends in "pvl": open it as a list file
    Picture,  // ends in a picture extension (lower case only)
    Bad       // anything else: refused, the program ends
};

// Classifies the argument text exactly as given: no quotes are removed, no
// blanks trimmed, extensions compared case-sensitively.
ArgumentKind classifyArgument(const QString &argument);

// A relative path (a bare file name included) made absolute against
// `currentFolder`, with native separators; other text is returned unchanged.
QString absoluteArgument(const QString &argument, const QString &currentFolder);

// The argument text: the arguments joined by single blanks.
QString argumentText(const QStringList &arguments);

// Several arguments that each name an existing file with a picture ending (in
// any case), as a file manager passes the pictures selected in it: their
// paths made absolute, in argument order. Empty when the arguments are taken
// as one text: a single argument, arguments that joined by blanks name an
// existing file (a path with blanks split by a shell), and any other mixture.
// `fileexists` tells whether a path names an existing file.
QStringList pictureArguments(const QStringList &arguments, const QString &currentFolder,
                             const std::function<bool(const QString &)> &fileexists);

} // namespace orv
