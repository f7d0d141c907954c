// picture-probe [--dpi N] [--save DIR] FILE...
//
// Loads each file with the program's picture loader and prints one line per file:
//   photo.jpg ok 90000x60000 twips 142 ms
//   spinner.webp ok 1500x1500 twips 9 ms moves     (a picture of more than one frame)
//   broken.gif other 3 ms
//   missing.bmp 53 0 ms
// --save writes each loaded picture as DIR/<file name>.png, to look at what was decoded.
// Exit status: 0 when every file loaded, 1 otherwise, 2 on a usage error.

#include "fileerror.h"
#include "qtpictureloader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: picture-probe [--dpi N] [--save DIR] FILE...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    double dpi = 96.0;
    QString saveDir;
    QStringList files;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--dpi") && i + 1 < args.size()) {
            bool ok = false;
            dpi = args[++i].toDouble(&ok);
            if (!ok || dpi <= 0)
                return usage();
        } else if (arg == QLatin1String("--save") && i + 1 < args.size()) {
            saveDir = args[++i];
            if (!QDir().mkpath(saveDir))
                return usage();
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            files << arg;
        }
    }
    if (files.isEmpty())
        return usage();

    const orv::QtPictureLoader loader(dpi);
    bool allLoaded = true;
    for (const QString &file : files) {
        QElapsedTimer timer;
        timer.start();
        const orv::LoadedPicture picture = loader.load(file);
        const qint64 ms = timer.elapsed();
        const QByteArray name = file.toLocal8Bit();
        if (picture.ok()) {
            std::printf("%s ok %dx%d twips %lld ms%s\n", name.constData(), picture.naturalTwips.width(),
                        picture.naturalTwips.height(), static_cast<long long>(ms), picture.moves ? " moves" : "");
            if (!saveDir.isEmpty())
                picture.image.save(
                    QDir(saveDir).filePath(QFileInfo(file).fileName() + QLatin1String(".png")));
        } else {
            allLoaded = false;
            if (picture.error == orv::FileError::Other)
                std::printf("%s other %lld ms\n", name.constData(), static_cast<long long>(ms));
            else
                std::printf("%s %d %lld ms\n", name.constData(), picture.error, static_cast<long long>(ms));
        }
        std::fflush(stdout);
    }
    return allLoaded ? 0 : 1;
}
