// Writes the pictures the installation check opens: makeinstallpictures FOLDER
// writes FOLDER/photo.bmp and FOLDER/drawing.wmf, both one solid colour
// (#ff00ff) that the check then looks for on the screen, and
// FOLDER/holiday.pvl, a list of the two.
#include "listfilewriter.h"
#include "metafilewriters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeinstallpictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QRgb colour = qRgb(255, 0, 255);

    QImage photo(240, 160, QImage::Format_RGB32);
    photo.fill(colour);
    if (!photo.save(folder.filePath(QStringLiteral("photo.bmp")), "BMP"))
        return 1;

    // Two inches by one and a half.
    orv::test::WmfWriter wmf;
    wmf.setPlaceable(0, 0, 2000, 1500, 1000);
    wmf.setMapMode(8);
    wmf.setWindowOrg(0, 0);
    wmf.setWindowExt(2000, 1500);
    wmf.nullPen();
    wmf.solidBrush(colour);
    wmf.rectangle(0, 0, 2000, 1500);
    QFile file(folder.filePath(QStringLiteral("drawing.wmf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(wmf.bytes()) != wmf.bytes().size())
        return 1;
    file.close();

    const QString native = QDir::toNativeSeparators(folder.absolutePath());
    const auto written = orv::ListFileWriter::write(
        folder.filePath(QStringLiteral("holiday.pvl")),
        {{QStringLiteral("photo.bmp"), native}, {QStringLiteral("drawing.wmf"), native}});
    return written.ok ? 0 : 1;
}
