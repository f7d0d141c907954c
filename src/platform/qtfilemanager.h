#pragma once

#include "filemanager.h"

#include <QObject>
#include <QUrl>
#include <functional>

namespace orv {

// Asks the file manager over the session bus (freedesktop's
// org.freedesktop.FileManager1.ShowItems); where no file manager offers that
// interface, or the call fails, opens the folder with the desktop's default
// opener (QDesktopServices).
class QtFileManager : public QObject, public FileManager
{
    Q_OBJECT
public:
    using Opener = std::function<bool(const QUrl &)>;
    // `opener` opens a folder's address; the default is QDesktopServices::openUrl.
    explicit QtFileManager(Opener opener = {}, QObject *parent = nullptr);

    bool showItem(const QString &path) override;

    static QString service() { return QStringLiteral("org.freedesktop.FileManager1"); }

private:
    bool openFolder(const QString &path);
    Opener m_opener;
};

} // namespace orv
