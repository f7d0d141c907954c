// "Show in folder" through a file manager on a real session bus (the test
// runs under dbus-run-session), and the folder opened where none answers.
#include "qtfilemanager.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

// Stands for a file manager: records what ShowItems was asked.
class FileManagerService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList items;
    QString startupId;

public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &id)
    {
        items += uris;
        startupId = id;
    }
};

} // namespace

TEST(QtFileManager, AsksTheFileManagerOrOpensTheFolder)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "needs a session bus (dbus-run-session)";
    const struct {
        const char *what;
        bool service;
        bool object;
        QStringList items;
        QList<QUrl> opened;
    } rows[] = {
        {"a file manager answers", true, true, {"file:///pics/summer%20days/b%C3%A4r.jpg"}, {}},
        {"no file manager on the bus", false, false, {}, {QUrl("file:///pics/summer days")}},
        {"the file manager fails the call", true, false, {}, {QUrl("file:///pics/summer days")}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        // The service lives on a connection of its own, as another program's would.
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, row.what);
        FileManagerService service;
        if (row.object)
            other.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &service,
                                 QDBusConnection::ExportAllSlots);
        if (row.service) {
            ASSERT_TRUE(other.registerService(QtFileManager::service()));
        }

        QList<QUrl> opened;
        QtFileManager manager([&](const QUrl &url) {
            opened << url;
            return true;
        });
        EXPECT_TRUE(manager.showItem(QString::fromUtf8("/pics/summer days/bär.jpg")));
        if (!row.items.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(service.items, row.items, 10000);
        if (!row.opened.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(opened, row.opened, 10000);
        EXPECT_EQ(service.items, row.items);
        EXPECT_EQ(opened, row.opened);

        other.unregisterService(QtFileManager::service());
        other.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
        QDBusConnection::disconnectFromBus(row.what);
    }
}

TEST(QtFileManager, NothingToOpenTheFolderWith)
{
    QtFileManager manager([](const QUrl &) { return false; });
    EXPECT_FALSE(manager.showItem(QStringLiteral("/pics/a.jpg")));
}

#include "filemanager_dbus_test.moc"
