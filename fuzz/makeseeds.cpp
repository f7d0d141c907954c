// orvanta-fuzz-seeds DIR: writes small well-formed inputs for each harness into
// DIR/<harness>/, made by the program's own writers where it has them. The picture and
// metafile harnesses take the shared corpus as well (see run.sh).

#include "listfilewriter.h"
#include "metafilebytes.h"
#include "metafilewire.h"
#include "metafilewriters.h"
#include "recentslots.h"
#include "settingsrecords.h"
#include "testutils.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace orv;

namespace {

QDir g_root;

void put(const char *harness, const QString &name, const QByteArray &bytes)
{
    g_root.mkpath(QLatin1String(harness));
    QFile file(g_root.filePath(QLatin1String(harness) + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(file.fileName()));
        std::exit(1);
    }
}

void listSeeds()
{
    const std::vector<PictureEntry> plain{{QStringLiteral("a.jpg"), QStringLiteral("C:\\pics")},
                                          {QStringLiteral("b.gif"), QStringLiteral("C:")}};
    put("listfile", QStringLiteral("plain.pvl"), ListFileWriter::compose(plain, {}));
    put("listfile", QStringLiteral("empty.pvl"), ListFileWriter::compose({}, {}));
    // Names that need the long-name block: too long, non-ASCII, ending in blanks.
    const std::vector<PictureEntry> longNames{
        {QStringLiteral("abcdefghijklmnopqrstuvwxyz.jpg"), QStringLiteral("/home/user/pictures")},
        {QStringLiteral("Ölgemälde – Übersicht.bmp"), QStringLiteral("/home/user/Bilder/Gemälde")},
        {QStringLiteral("trailing blank .gif"), QString(130, QLatin1Char('f'))},
        {QStringLiteral("short.ico"), QStringLiteral("/tmp")}};
    put("listfile", QStringLiteral("longnames.pvl"), ListFileWriter::compose(longNames, {}));
    // A shorter list saved over a longer one: stale records and a stale block behind it.
    put("listfile", QStringLiteral("overwritten.pvl"),
        ListFileWriter::compose(plain, ListFileWriter::compose(longNames, {})));
    QByteArray windows = ListFileWriter::records(plain);
    windows[0] = char(0xE9); // "é" in Windows-1252, not UTF-8
    put("listfile", QStringLiteral("windows1252.pvl"), windows);
    put("listfile", QStringLiteral("no-end.pvl"), ListFileWriter::records(plain).left(128 + 60));
}

void settingsSeeds()
{
    QByteArray recovered;
    SettingsRecords::writeRecoveryDefaults(recovered);
    put("settings", QStringLiteral("recovered.ini"), recovered);

    QByteArray full = recovered;
    SettingsRecords::writeOptions(full, QStringLiteral("2.5"), 2, 0);
    for (const char *path :
         {"/home/user/a.pvl", "/home/user/b.pvl", "/media/usb/c.pvl", "/tmp/ünï.pvl", "/home/user/e.pvl"})
        RecentSlots::store(full, QString::fromUtf8(path));
    put("settings", QStringLiteral("full.ini"), full);

    QByteArray odd;
    SettingsRecords::writeOptions(odd, QStringLiteral("10.5"), 1, 1);
    put("settings", QStringLiteral("options-only.ini"), odd);
    put("settings", QStringLiteral("damaged.ini"), QByteArray("    slideshow interval = 0  \t-1e5x"));
}

void commandLineSeeds()
{
    int n = 0;
    for (const char *arg : {"", "pictures.pvl", "/home/user/photo.jpeg", "photo.JPG", "a b.gif",
                            "\"quoted.bmp\"", "../x/./y.emf", "C:\\pics\\a.wmf", "-flag", "dir/"})
        put("commandline", QString::number(n++), QByteArray(arg));
}

void pictureSeeds()
{
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(1, 1, 4, 3, Qt::red);
    put("picture", QStringLiteral("small.bmp"),
        orv::test::encodedImage(image.convertToFormat(QImage::Format_RGB32), "BMP"));
    put("picture", QStringLiteral("small.jpg"),
        orv::test::encodedImage(image.convertToFormat(QImage::Format_RGB32), "JPEG"));
    put("picture", QStringLiteral("small.ico"), orv::test::encodedImage(image, "ICO"));
    put("picture", QStringLiteral("indexed.bmp"),
        orv::test::encodedImage(image.convertToFormat(QImage::Format_Indexed8), "BMP"));
    // The clipboard form: a bitmap without its 14-byte file header.
    put("picture", QStringLiteral("headerless.dib"),
        orv::test::encodedImage(image.convertToFormat(QImage::Format_RGB32), "BMP").mid(14));
}

void metafileSeeds()
{
    put("wmf", QStringLiteral("standard.wmf"), test::smallWmf());
    put("wmf", QStringLiteral("placeable.wmf"), test::smallWmf(400, 300, 1440));
    put("emf", QStringLiteral("small.emf"), test::smallEmf());
    // Text drawing: libwmf draws it through fontconfig and FreeType.
    for (const QByteArray &face : {QByteArrayLiteral("Arial"), QByteArrayLiteral("Times New Roman"),
                                   QByteArrayLiteral("Symbol"), QByteArrayLiteral("NoSuchFace")}) {
        test::WmfWriter w;
        w.setPlaceable(0, 0, 1000, 500, 1440);
        w.font(-120, face);
        w.textOut(10, 200, QByteArrayLiteral("Orvanta \xe9\xe8 text 123"));
        w.font(300, face);
        w.textOut(10, 450, QByteArrayLiteral("Big"));
        put("wmf", QStringLiteral("text-%1.wmf").arg(QString::fromLatin1(face).remove(QLatin1Char(' '))),
            w.bytes());
    }
    MetafileSvg svg;
    svg.svg = QByteArrayLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"3\"/>");
    svg.naturalTwips = QSize(60, 45);
    svg.viewBox = QRectF(0, 0, 4, 3);
    put("metafilewire", QStringLiteral("small"), MetafileWire::encode(svg));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvanta-fuzz-seeds DIR\n");
        return 2;
    }
    g_root = QDir(QString::fromLocal8Bit(argv[1]));
    if (!g_root.mkpath(QStringLiteral(".")))
        return 1;
    listSeeds();
    settingsSeeds();
    commandLineSeeds();
    pictureSeeds();
    metafileSeeds();
    return 0;
}
