#include "filestamp.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orv {

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return stamp;
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    stamp.fileId = quint64(st.st_ino);
#else
    // A fresh QFileInfo: it must not answer from an earlier look.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return stamp;
    stamp.size = info.size();
    stamp.modifiedNs = info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch() * 1'000'000;
#endif
    return stamp;
}

} // namespace orv
