#include "registryvalue.h"
#include "systeminfotool.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <windows.h>

namespace orv {

namespace {

// Read rights only: the keys lie under HKEY_LOCAL_MACHINE, which an ordinary
// user may read but not change, so asking for more rights would fail.
constexpr REGSAM ReadAccess = KEY_READ;

// Reads one registry value as text; false when the key or value cannot be read.
bool getKeyValue(HKEY root, const QString &keyName, const QString &valueName, QString &value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, reinterpret_cast<LPCWSTR>(keyName.utf16()), 0, ReadAccess, &key) !=
        ERROR_SUCCESS) {
        value.clear();
        return false;
    }
    QByteArray buffer(1024, '\0');
    DWORD type = 0;
    DWORD length = DWORD(buffer.size());
    const LONG queried = RegQueryValueExW(key, reinterpret_cast<LPCWSTR>(valueName.utf16()), nullptr, &type,
                                          reinterpret_cast<LPBYTE>(buffer.data()), &length);
    RegCloseKey(key);
    if (queried != ERROR_SUCCESS) {
        value.clear();
        return false;
    }
    buffer.truncate(int(length));
    if (const auto text = RegistryValue::text(type, buffer))
        value = *text;
    return true;
}

} // namespace

SystemInfoTool::Outcome QtSystemInfoTool::start()
{
    QString path;
    if (!getKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                     QStringLiteral("PATH"), path)) {
        QString folder;
        if (!getKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                         QStringLiteral("MSINFO"), folder))
            return Outcome::NotFound;
        path = folder + QStringLiteral("\\MSINFO32.EXE");
        if (!QFileInfo(path).isFile())
            return Outcome::NotFound;
    }
    return QProcess::startDetached(QDir::fromNativeSeparators(path)) ? Outcome::Started
                                                                     : Outcome::FailedToStart;
}

} // namespace orv
