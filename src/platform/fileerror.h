#pragma once

#include <QFileDevice>
#include <QString>

namespace orv {

// Error numbers of the file-access set: a file or folder that cannot be
// reached. Every other failure (not a picture, corrupt data, ...) is Other.
namespace FileError {
constexpr int None = 0;
constexpr int FileNotFound = 53;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int Other = -1;

bool isFileAccess(int error);

// Maps a C errno value from a failed open/stat to the set (Other if none fits).
int fromErrno(int err);

// Classifies why `path` cannot be opened for reading, by looking at the file
// system: missing file, missing folder, no permission, ...; None when it opens.
int probeReadable(const QString &path);
} // namespace FileError

} // namespace orv
