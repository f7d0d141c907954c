#include "settingsfile.h"

#include "fileerror.h"
#include "regularfile.h"
#include "installlayout.h"
#include "savefilecommit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace orv {

QString SettingsFile::location(const QString &apppath, const QString &configFolder)
{
    const QFileInfo app(apppath);
    const bool beside = app.isDir() && app.isWritable() && !InstallLayout(apppath).isInstalled();
    const QString folder = beside ? apppath : configFolder;
    return QDir(folder).filePath(fileName());
}

QString SettingsFile::location(const QString &apppath)
{
    return location(apppath, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString SettingsFile::systemDefault(const QString &apppath)
{
    // The application's folder in each XDG configuration folder, the user's own left out.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    return InstallLayout(apppath).systemSettingsFile(fileName(), folders);
}

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

namespace {
bool isFile(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}
} // namespace

QString SettingsFile::readPath() const
{
    return isFile(m_path) || !isFile(m_systemDefault) ? m_path : m_systemDefault;
}

bool SettingsFile::exists() const
{
    return m_memoryOnly || isFile(m_path) || isFile(m_systemDefault);
}

SettingsFile::Loaded SettingsFile::load() const
{
    Loaded result;
    if (m_memoryOnly) {
        result.bytes = m_memory;
        return result;
    }
    const QString path = readPath();
    if (!QFileInfo::exists(path))
        return result;
    QFile file;
    result.error = openRegularFile(file, path, &result.errorString);
    if (result.error != FileError::None)
        return result;
    if (file.size() > MaxBytes) {
        result.error = FileError::PathFileAccess;
        result.errorString = QCoreApplication::translate("SettingsFile", "It is larger than a settings file can be.");
        return result;
    }
    result.bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError || result.bytes.size() > MaxBytes) {
        result.bytes.clear();
        result.error = FileError::DiskNotReady;
        result.errorString = file.errorString();
    }
    return result;
}

SettingsFile::Saved SettingsFile::save(const QByteArray &bytes)
{
    if (m_memoryOnly) {
        m_memory = bytes;
        return {};
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return {false,
                QCoreApplication::translate("SettingsFile", "The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder))};
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size())
        return {false, file.errorString()};
    if (const QString why = commitWhole(file); !why.isEmpty())
        return {false, why};
    return {};
}

void SettingsFile::keepInMemory(const QByteArray &bytes)
{
    m_memoryOnly = true;
    m_memory = bytes;
}

QString SettingsFile::saveFailedText(const QString &reason) const
{
    return QCoreApplication::translate("SettingsFile", "The settings file %1 could not be saved.\n%2")
        .arg(QDir::toNativeSeparators(m_path), reason);
}

QString SettingsFile::readFailedText(const QString &reason) const
{
    return QCoreApplication::translate("SettingsFile", "The settings file %1 could not be read.\n%2")
        .arg(QDir::toNativeSeparators(readPath()), reason);
}

QString SettingsFile::unreadableText(const QString &reason) const
{
    return QCoreApplication::translate("SettingsFile", "The settings file %1 could not be read.\n%2\n"
                          "It is left as it is; the program goes on with the initial settings and "
                          "does not save changes to them.")
        .arg(QDir::toNativeSeparators(readPath()), reason);
}

QString SettingsFile::memoryOnlyText(const QString &reason) const
{
    return QCoreApplication::translate("SettingsFile", "The settings file %1 could not be written.\n%2\n"
                          "The program goes on with the initial settings; changes to them "
                          "are not kept after it ends.")
        .arg(QDir::toNativeSeparators(m_path), reason);
}

} // namespace orv
