#include "folderscan.h"

#include "picturefiletypes.h"
#include "picturepath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

namespace orv {

FolderScan::FolderScan(const QString &pattern)
{
    const QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString wildcard = part.trimmed();
        if (wildcard.isEmpty())
            continue;
        const QString rest = wildcard.mid(1);
        if (wildcard.startsWith(QLatin1String("*.")) && !rest.contains(QLatin1Char('*')) &&
            !rest.contains(QLatin1Char('?')) && !rest.contains(QLatin1Char('[')))
            m_patterns.push_back({rest, {}});
        else
            m_patterns.push_back(
                {{},
                 QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard),
                                    QRegularExpression::CaseInsensitiveOption)});
    }
}

QString FolderScan::picturePattern()
{
    return PictureFileTypes::wildcards();
}

const FolderScan &FolderScan::pictures()
{
    static const FolderScan scan(picturePattern());
    return scan;
}

bool FolderScan::matches(const QString &fileName) const
{
    return std::any_of(m_patterns.cbegin(), m_patterns.cend(), [&fileName](const Pattern &p) {
        if (!p.suffix.isEmpty())
            return fileName.endsWith(p.suffix, Qt::CaseInsensitive);
        return p.wildcard.match(fileName).hasMatch();
    });
}

FolderScan::Listing FolderScan::files(const QString &folder) const
{
    Listing out;
    if (!isReadableFolder(folder))
        return out;
    out.readable = true;
    const QStringList all = QDir(folder).entryList(QDir::Files, QDir::Unsorted);
    out.names.reserve(all.size());
    for (const QString &name : all) {
        if (matches(name))
            out.names.append(name);
    }
    sortNames(out.names);
    return out;
}

bool FolderScan::hasFiles(const QString &folder) const
{
    if (!isReadableFolder(folder))
        return false;
    // The same entries as files() lists: no hidden ones.
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (matches(it.fileName()))
            return true;
    }
    return false;
}

FolderScan::Listing FolderScan::subfolders(const QString &folder)
{
    Listing out;
    if (!isReadableFolder(folder))
        return out;
    out.readable = true;
    out.names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    sortNames(out.names);
    return out;
}

bool FolderScan::isReadableFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir() || !info.isReadable())
        return false;
#ifndef Q_OS_WIN
    // Listing names needs read permission, looking at them needs search
    // permission.
    if (!info.isExecutable())
        return false;
#endif
    return true;
}

void FolderScan::sortNames(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
}

QString listFolderOf(const QString &dirPath)
{
    return normalisedFolder(QDir::toNativeSeparators(QDir::cleanPath(dirPath)));
}

} // namespace orv
