// Writes the sample list file: every sample picture, with the folder the
// build copied them to.
#include "listfilewriter.h"
#include "picturepath.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: makesamplelist LIST-FILE PICTURE...\n");
        return 2;
    }
    std::vector<orv::PictureEntry> entries;
    for (int i = 2; i < args.size(); ++i)
        entries.push_back(orv::splitPicturePath(QDir::toNativeSeparators(QDir::cleanPath(args[i]))));
    const auto result = orv::ListFileWriter::write(args[1], entries);
    if (!result.ok) {
        std::fprintf(stderr, "makesamplelist: %s\n", qPrintable(result.errorString));
        return 1;
    }
    return 0;
}
