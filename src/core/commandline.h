#pragma once

#include "pictureentry.h"

#include <QString>

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

} // namespace orv
