#pragma once

#include "drives.h"

#include <QFileInfo>
#include <QSet>

namespace orv::test {

// A scripted drive list; a drive is ready unless listed in notReady.
class FakeDrives : public Drives
{
public:
    QList<DriveEntry> list() const override { return drives; }
    bool isReady(const QString &rootPath) const override
    {
        readyChecks.append(rootPath);
        return !notReady.contains(rootPath) && QFileInfo(rootPath).isDir();
    }

    QList<DriveEntry> drives;
    QSet<QString> notReady;
    mutable QStringList readyChecks;
};

} // namespace orv::test
