#include "installlayout.h"

#include <QDir>
#include <QFileInfo>

#ifndef ORVANTA_DATA_FROM_BIN
#define ORVANTA_DATA_FROM_BIN "../share/orvanta"
#endif
#ifndef ORVANTA_HELPER_FROM_BIN
#define ORVANTA_HELPER_FROM_BIN "../libexec/orvanta"
#endif
#ifndef ORVANTA_SYSCONFIG_FROM_BIN
#define ORVANTA_SYSCONFIG_FROM_BIN "../etc/xdg/Orvanta"
#endif

namespace orv {

namespace {

bool isFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace

InstallLayout::InstallLayout(QString apppath) : m_apppath(std::move(apppath)) {}

QString InstallLayout::dataFolderFromBin()
{
    return QStringLiteral(ORVANTA_DATA_FROM_BIN);
}

QString InstallLayout::helperFolderFromBin()
{
    return QStringLiteral(ORVANTA_HELPER_FROM_BIN);
}

QString InstallLayout::systemConfigFolderFromBin()
{
    return QStringLiteral(ORVANTA_SYSCONFIG_FROM_BIN);
}

QString InstallLayout::inFolder(const QString &folderFromBin, const QString &name) const
{
    return QDir::cleanPath(QDir(m_apppath).filePath(folderFromBin + QLatin1Char('/') + name));
}

bool InstallLayout::isInstalled() const
{
    return !m_apppath.isEmpty() && QFileInfo(inFolder(dataFolderFromBin(), QString())).isDir();
}

QString InstallLayout::locate(const QString &name, const QString &folderFromBin) const
{
    const QString beside = QDir(m_apppath).filePath(name);
    if (isFile(beside) || !isInstalled())
        return beside;
    return inFolder(folderFromBin, name);
}

QString InstallLayout::helpFile() const
{
    return locate(QStringLiteral("Orvanta.HLP"), dataFolderFromBin());
}

QString InstallLayout::metafileHelper() const
{
    return locate(QStringLiteral("orvanta-metafile"), helperFolderFromBin());
}

QString InstallLayout::systemSettingsFile(const QString &fileName, const QStringList &xdgConfigFolders) const
{
    if (!isInstalled())
        return {};
    QStringList candidates{inFolder(systemConfigFolderFromBin(), fileName)};
    for (const QString &folder : xdgConfigFolders)
        candidates << QDir::cleanPath(QDir(folder).filePath(fileName));
    for (const QString &path : std::as_const(candidates)) {
        if (isFile(path))
            return path;
    }
    return {};
}

} // namespace orv
