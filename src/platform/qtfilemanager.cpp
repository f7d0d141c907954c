#include "qtfilemanager.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLoggingCategory>

namespace orv {

namespace {
Q_LOGGING_CATEGORY(lcFileManager, "orvanta.filemanager")

bool fileManagerOnBus(const QDBusConnection &bus)
{
    QDBusConnectionInterface *daemon = bus.interface();
    if (!daemon)
        return false;
    const QString name = QtFileManager::service();
    return daemon->isServiceRegistered(name).value() || daemon->activatableServiceNames().value().contains(name);
}
} // namespace

QtFileManager::QtFileManager(Opener opener, QObject *parent)
    : QObject(parent), m_opener(opener ? std::move(opener) : Opener(&QDesktopServices::openUrl))
{
}

bool QtFileManager::openFolder(const QString &path)
{
    return m_opener(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

bool QtFileManager::showItem(const QString &path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !fileManagerOnBus(bus))
        return openFolder(path);
    QDBusMessage call = QDBusMessage::createMethodCall(service(), QStringLiteral("/org/freedesktop/FileManager1"),
                                                       service(), QStringLiteral("ShowItems"));
    call << QStringList{QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded())} << QString();
    // Starting the file manager may take a while: the answer is awaited
    // without blocking, and a failure falls back to the folder.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 25000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        if (!watcher->isError())
            return;
        qCInfo(lcFileManager, "ShowItems failed (%s); opening the folder", qPrintable(watcher->error().message()));
        openFolder(path);
    });
    return true;
}

} // namespace orv
