#pragma once

#include <QList>
#include <QString>

namespace orv {

// One drive of the drive list: a drive letter on Windows, a mounted volume on
// Linux.
struct DriveEntry {
    // The folder at the top of the drive, as Qt writes it: "C:/", "/",
    // "/media/usb".
    QString rootPath;
    // What the drive list shows, for example "c: [SYSTEM]" or "/media/usb [USB]".
    QString displayName;

    friend bool operator==(const DriveEntry &, const DriveEntry &) = default;
};

// Drives (Windows) or mounted volumes (Linux) for the open-folder dialog.
class Drives
{
public:
    virtual ~Drives() = default;
    // The drives in the order the drive list shows them.
    virtual QList<DriveEntry> list() const = 0;
    // Whether the drive can be read now. A drive without a medium, or a volume
    // whose top folder cannot be read, is not ready.
    virtual bool isReady(const QString &rootPath) const = 0;
};

// The index of the drive that holds `folder` (a path as Qt writes it): the
// drive with the longest root that contains the folder; -1 if none does.
int driveIndexOf(const QList<DriveEntry> &drives, const QString &folder);

class QtDrives : public Drives
{
public:
    QList<DriveEntry> list() const override;
    bool isReady(const QString &rootPath) const override;
};

} // namespace orv
