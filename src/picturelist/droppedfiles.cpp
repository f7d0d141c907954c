#include "droppedfiles.h"

#include "folderscan.h"
#include "picturepath.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace orv {

DroppedFiles::Item DroppedFiles::item(const QUrl &url, QString *path)
{
    if (!url.isLocalFile())
        return Item::Unusable;
    const QString local = QDir::cleanPath(url.toLocalFile());
    if (local.isEmpty())
        return Item::Unusable;
    const QFileInfo info(local);
    if (path)
        *path = local;
    if (info.isDir())
        return FolderScan::pictures().hasFiles(local) ? Item::Folder : Item::Unusable;
    if (!info.isFile())
        return Item::Unusable;
    if (FolderScan::pictures().matches(info.fileName()))
        return Item::Picture;
    if (info.fileName().endsWith(QLatin1String(".pvl"), Qt::CaseInsensitive))
        return Item::ListFile;
    return Item::Unusable;
}

DroppedFiles::Kind DroppedFiles::kind(const QList<QUrl> &urls) const
{
    if (urls.size() == 1 && item(urls.first(), nullptr) == Item::ListFile)
        return m_takesListFile ? Kind::ListFile : Kind::Refused;
    for (const QUrl &url : urls) {
        const Item i = item(url, nullptr);
        if (i == Item::Picture || i == Item::Folder)
            return Kind::Pictures;
    }
    return Kind::Refused;
}

std::vector<PictureEntry> DroppedFiles::entries(const QList<QUrl> &urls) const
{
    std::vector<PictureEntry> out;
    out.reserve(size_t(urls.size()));
    for (const QUrl &url : urls) {
        QString path;
        switch (item(url, &path)) {
        case Item::Picture:
            out.push_back(splitPicturePath(QDir::toNativeSeparators(path)));
            break;
        case Item::Folder: {
            const QString folder = listFolderOf(path);
            const QStringList names = FolderScan::pictures().files(path).names;
            for (const QString &name : names)
                out.push_back({name, folder});
            break;
        }
        case Item::ListFile:
        case Item::Unusable:
            break;
        }
    }
    return out;
}

QString DroppedFiles::listFile(const QList<QUrl> &urls)
{
    QString path;
    if (urls.size() != 1 || item(urls.first(), &path) != Item::ListFile)
        return {};
    return QDir::toNativeSeparators(path);
}

QList<QUrl> DroppedFiles::urls(const QDropEvent &event)
{
    const QMimeData *data = event.mimeData();
    return data && data->hasUrls() ? data->urls() : QList<QUrl>();
}

bool DroppedFiles::offerCopy(QDropEvent &event, bool usable)
{
    if (!usable || !(event.possibleActions() & Qt::CopyAction)) {
        event.ignore();
        return false;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

} // namespace orv
