// What the program puts on the desktop's clipboard and what it reads back
// from other programs, in the formats file managers use.
#include "clipboardformats.h"
#include "qtsystemclipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace orv;

TEST(ClipboardFormats, FilesAsFileManagersReadThem)
{
    const struct {
        QStringList paths;
        bool cut;
        QByteArray uriList, gnome, kde;
    } rows[] = {
        {{"/pics/a.jpg"}, false, "file:///pics/a.jpg\r\n", "copy\nfile:///pics/a.jpg", ""},
        {{"/pics/a.jpg", "/pics/b c.gif"}, true, "file:///pics/a.jpg\r\nfile:///pics/b%20c.gif\r\n",
         "cut\nfile:///pics/a.jpg\nfile:///pics/b%20c.gif", "1"},
        {{QString::fromUtf8("/bilder/größe.png")}, false, "file:///bilder/gr%C3%B6%C3%9Fe.png\r\n",
         "copy\nfile:///bilder/gr%C3%B6%C3%9Fe.png", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.paths.join(' ').toStdString());
        std::unique_ptr<QMimeData> data(clipboardformats::filesData(row.paths, row.cut));
        EXPECT_EQ(data->data("text/uri-list"), row.uriList);
        EXPECT_EQ(data->data("x-special/gnome-copied-files"), row.gnome);
        EXPECT_EQ(data->data("application/x-kde-cutselection"), row.kde);
        EXPECT_EQ(data->text(), row.paths.join('\n'));
        // Read back as another instance would.
        const SystemClipboard::Files back = clipboardformats::filesOf(*data);
        EXPECT_EQ(back.paths, row.paths);
        EXPECT_EQ(back.cut, row.cut);
    }
}

TEST(ClipboardFormats, FilesOtherProgramsPut)
{
    const struct {
        const char *what;
        QHash<QString, QByteArray> formats;
        QStringList paths;
        bool cut;
    } rows[] = {
        {"plain uri list", {{"text/uri-list", "file:///a/x.jpg\r\nfile:///a/y.jpg\r\n"}}, {"/a/x.jpg", "/a/y.jpg"}, false},
        {"GNOME cut", {{"text/uri-list", "file:///a/x.jpg\r\n"}, {"x-special/gnome-copied-files", "cut\nfile:///a/x.jpg\n"}},
         {"/a/x.jpg"}, true},
        {"GNOME copy", {{"text/uri-list", "file:///a/x.jpg\r\n"}, {"x-special/gnome-copied-files", "copy\nfile:///a/x.jpg"}},
         {"/a/x.jpg"}, false},
        {"KDE cut", {{"text/uri-list", "file:///a/x.jpg\r\n"}, {"application/x-kde-cutselection", "1"}}, {"/a/x.jpg"}, true},
        {"KDE copy", {{"text/uri-list", "file:///a/x.jpg\r\n"}, {"application/x-kde-cutselection", "0"}}, {"/a/x.jpg"}, false},
        {"GNOME list alone", {{"x-special/gnome-copied-files", "cut\nfile:///a/x%20y.jpg"}}, {"/a/x y.jpg"}, true},
        {"web addresses left out", {{"text/uri-list", "https://example.org/p.jpg\r\nfile:///a/x.jpg\r\n"}}, {"/a/x.jpg"}, false},
        {"text only", {{"text/plain", "/a/x.jpg"}}, {}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QMimeData data;
        for (auto it = row.formats.begin(); it != row.formats.end(); ++it)
            data.setData(it.key(), it.value());
        const SystemClipboard::Files files = clipboardformats::filesOf(data);
        EXPECT_EQ(files.paths, row.paths);
        EXPECT_EQ(files.cut, row.cut);
    }
}

TEST(ClipboardFormats, PictureAsPng)
{
    QImage picture(37, 21, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    std::unique_ptr<QMimeData> data(clipboardformats::pictureData(picture));
    QByteArray png = data->data("image/png");
    QBuffer buffer(&png);
    QImageReader reader(&buffer, "png");
    const QImage back = reader.read();
    EXPECT_EQ(back.size(), QSize(37, 21));
    EXPECT_EQ(back.pixelColor(5, 5), QColor(10, 200, 30));
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(37, 21));
}

TEST(QtSystemClipboard, FilesAreForeignOnlyWhenAnotherProgramPutThemLast)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    QtSystemClipboard own(clipboard);
    const auto another = [&](const QStringList &paths, bool cut) {
        clipboard->setMimeData(clipboardformats::filesData(paths, cut));
    };
    another({"/elsewhere/x.jpg"}, true);
    EXPECT_EQ(own.foreignFiles().paths, QStringList{"/elsewhere/x.jpg"}) << "before any copy of its own";
    EXPECT_TRUE(own.foreignFiles().cut);

    own.setFiles({"/pics/a.jpg"}, false);
    EXPECT_TRUE(own.foreignFiles().paths.isEmpty()) << "its own copy is not foreign";
    EXPECT_EQ(clipboard->mimeData()->data("text/uri-list"), "file:///pics/a.jpg\r\n");

    another({"/elsewhere/y.jpg"}, false);
    EXPECT_EQ(own.foreignFiles().paths, QStringList{"/elsewhere/y.jpg"});
    EXPECT_FALSE(own.foreignFiles().cut);

    own.setPicture(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(own.foreignFiles().paths.isEmpty());
    EXPECT_FALSE(clipboard->mimeData()->data("image/png").isEmpty());

    clipboard->setText(QStringLiteral("some words"));
    EXPECT_TRUE(own.foreignFiles().paths.isEmpty()) << "text holds no files";
}
