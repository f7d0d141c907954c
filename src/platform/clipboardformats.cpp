#include "clipboardformats.h"

#include <QBuffer>
#include <QDir>
#include <QList>
#include <QMimeData>
#include <QUrl>

namespace orv::clipboardformats {

QMimeData *filesData(const QStringList &paths, bool cut)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    QByteArray gnome = cut ? "cut" : "copy";
    QStringList native;
    for (const QString &path : paths) {
        const QUrl url = QUrl::fromLocalFile(path);
        urls << url;
        gnome += '\n' + url.toEncoded();
        native << QDir::toNativeSeparators(path);
    }
    data->setUrls(urls);
    data->setData(QLatin1String(GnomeFiles), gnome);
    if (cut)
        data->setData(QLatin1String(KdeCut), "1");
    data->setText(native.join(QLatin1Char('\n')));
    return data;
}

SystemClipboard::Files filesOf(const QMimeData &data)
{
    SystemClipboard::Files files;
    QList<QUrl> urls = data.urls();
    const QList<QByteArray> gnome = data.data(QLatin1String(GnomeFiles)).split('\n');
    // Some programs publish only GNOME's list.
    if (urls.isEmpty()) {
        for (qsizetype i = 1; i < gnome.size(); ++i)
            if (!gnome[i].isEmpty())
                urls << QUrl::fromEncoded(gnome[i]);
    }
    for (const QUrl &url : urls)
        if (url.isLocalFile())
            files.paths << url.toLocalFile();
    files.cut = gnome.first().trimmed() == "cut" || data.data(QLatin1String(KdeCut)).trimmed() == "1";
    return files;
}

QMimeData *pictureData(const QImage &picture)
{
    auto *data = new QMimeData;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    data->setData(QLatin1String(Png), png);
    data->setImageData(picture);
    return data;
}

} // namespace orv::clipboardformats
