// The benchmarks of the viewer. Run through bench/run.sh, which makes the
// pictures and measures the end-to-end figures; this program prints the table.
//
//   orvanta_bench [--external=FILE] [benchmark options]
//   orvanta_bench --probe=NAME        (one figure in a process of its own)
//   orvanta_bench --write-list LIST PICTURE...
//   orvanta_bench --write-moving-gif FILE FRAMES WIDTH HEIGHT DELAY_CS
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "benchwindows.h"
#include "movinggif.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <memory>

namespace orv::bench {

namespace {
std::unique_ptr<BenchWindow> g_displayWindow;
std::unique_ptr<BenchWindow> g_listWindow;

BenchWindow &shown(std::unique_ptr<BenchWindow> &window)
{
    if (!window) {
        window = std::make_unique<BenchWindow>();
        window->showLoaded();
    }
    return *window;
}

// Figures measured outside, one "name value" a line.
QHash<QString, double> readExternal(const QString &path)
{
    QHash<QString, double> values;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return values;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        bool ok = false;
        const double v = fields.value(1).toDouble(&ok);
        if (fields.size() == 2 && ok)
            values.insert(QString::fromUtf8(fields[0]), v);
    }
    return values;
}

// Without a platform chosen, an offscreen screen of 1920 x 1080 at 96 DPI,
// the same for every run and every probe.
void chooseScreen()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    static QTemporaryFile config;
    config.setFileTemplate(QDir::tempPath() + QStringLiteral("/orvanta-bench-screen-XXXXXX.json"));
    if (!config.open())
        return;
    config.write(R"({"screens":[{"name":"bench","x":0,"y":0,"width":1920,"height":1080,)"
                 R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
}
} // namespace

BenchWindow &displayWindow()
{
    return shown(g_displayWindow);
}

BenchWindow &listWindow()
{
    return shown(g_listWindow);
}

void closeWindows()
{
    g_displayWindow.reset();
    g_listWindow.reset();
}

} // namespace orv::bench

int main(int argc, char *argv[])
{
    using namespace orv::bench;
    chooseScreen();
    if (argc >= 2 && qstrncmp(argv[1], "--probe=", 8) == 0)
        return runProbe(QString::fromLocal8Bit(argv[1] + 8), argc, argv);
    if (argc == 7 && qstrcmp(argv[1], "--write-moving-gif") == 0) {
        // A long picture that moves, for the memory figure of the end-to-end runs.
        return writeMovingGif(QString::fromLocal8Bit(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]),
                              atoi(argv[6]))
                   ? 0
                   : 1;
    }
    if (argc >= 3 && qstrcmp(argv[1], "--write-list") == 0) {
        // A list file of the given pictures, for the end-to-end runs.
        QStringList pictures;
        for (int i = 3; i < argc; ++i)
            pictures << QString::fromLocal8Bit(argv[i]);
        return writeListFile(QString::fromLocal8Bit(argv[2]), pictures) ? 0 : 1;
    }

    QString externalFile;
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        if (qstrncmp(argv[i], "--external=", 11) == 0)
            externalFile = QString::fromLocal8Bit(argv[i] + 11);
        else
            args.push_back(argv[i]);
    }
    int count = int(args.size());
    QApplication app(count, args.data());
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    benchmark::Initialize(&count, args.data());

    registerDisplayBenchmarks();
    registerProcessBenchmarks();
    registerDecodeBenchmarks();
    registerListBenchmarks();
    registerFileBenchmarks();
    registerListManagerBenchmarks();
    registerTurnSortBenchmarks();

    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    closeWindows();
    printTable(collector, readExternal(externalFile));
    benchmark::Shutdown();
    return collector.errors.isEmpty() ? 0 : 1;
}
