#pragma once

#include <QString>

namespace orv {

// The desktop's file manager.
class FileManager
{
public:
    virtual ~FileManager() = default;
    // Opens the file manager at the file's folder with the file selected, or
    // at least the folder; false when nothing could be asked to show it.
    virtual bool showItem(const QString &path) = 0;
};

} // namespace orv
