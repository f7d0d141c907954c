#pragma once

#include <QString>

namespace orv {

// One entry of the picture list: a file name and the folder that holds it.
// The folder never ends in a separator; the Linux root folder is "".
struct PictureEntry {
    QString name;
    QString folder;

    friend bool operator==(const PictureEntry &, const PictureEntry &) = default;
};

} // namespace orv
