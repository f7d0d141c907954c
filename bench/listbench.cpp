// Commands on a 100,000-entry picture list, each measured until the main
// window has handled every event it caused.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "benchwindows.h"

#include "folderscan.h"
#include "form1.h"
#include "listfilecommands.h"
#include "listfilewriter.h"
#include "navigation.h"
#include "openfoldercommands.h"
#include "openfolderdialog.h"
#include "picturelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QListView>
#include <QTemporaryDir>

namespace orv::bench {

namespace {

constexpr int kEntries = 100'000;
constexpr int kFolderFiles = 10'000;

const std::vector<PictureEntry> &entries()
{
    static const std::vector<PictureEntry> all = manyEntries(kEntries);
    return all;
}

void settle()
{
    QCoreApplication::processEvents();
}

PictureList &freshList(BenchWindow &w)
{
    w.form().pictureList().setEntries(entries());
    w.form().state().curpic = 1;
    settle();
    return w.form().pictureList();
}

QItemSelectionModel *list2Selection(BenchWindow &w)
{
    return w.form().findChild<QListView *>(QStringLiteral("List2"))->selectionModel();
}

// Measures `command` once per repetition, after `prepare` (not measured).
void measure(benchmark::State &state, const std::function<void(BenchWindow &)> &prepare,
             const std::function<void(BenchWindow &)> &command)
{
    BenchWindow &w = listWindow();
    for (auto _ : state) {
        prepare(w);
        const qint64 start = nowNs();
        command(w);
        settle();
        state.SetIterationTime(secondsSince(start));
    }
    if (w.messageBoxes().count > 0)
        state.SkipWithError(
            qPrintable(QStringLiteral("a message box was shown: ") + w.messageBoxes().lastText));
}

QString listFilePath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("big.pvl"));
        ListFileWriter::write(p, entries());
        return p;
    }();
    return path;
}

QString bigFolder()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        for (int i = 0; i < kFolderFiles; ++i) {
            QFile f(
                dir.filePath(QStringLiteral("DSC%1.jpg").arg((i * 7919) % 100'000, 5, 10, QLatin1Char('0'))));
            f.open(QIODevice::WriteOnly);
        }
        return true;
    }();
    Q_UNUSED(made);
    return dir.path();
}

} // namespace

void registerListBenchmarks()
{
    addFigure(
        "list/sort_by_name",
        [](benchmark::State &s) {
            measure(
                s, [](BenchWindow &w) { freshList(w); }, [](BenchWindow &w) { w.form().msrtnmeclick(); });
        },
        5);
    addFigure(
        "list/shuffle",
        [](benchmark::State &s) {
            measure(
                s, [](BenchWindow &w) { freshList(w); }, [](BenchWindow &w) { w.form().msrtrandclick(); });
        },
        5);
    addFigure(
        "list/open_list_file",
        [](benchmark::State &s) {
            const QString path = listFilePath();
            measure(
                s,
                [](BenchWindow &w) {
                    w.form().clearList();
                    settle();
                },
                [path](BenchWindow &w) { w.form().listFiles().openlistclick(path); });
        },
        5);
    addFigure(
        "list/save_list_file",
        [](benchmark::State &s) {
            const QString path = listFilePath();
            measure(
                s,
                [path](BenchWindow &w) {
                    w.form().listFiles().openlistclick(path);
                    settle();
                },
                [](BenchWindow &w) { w.form().listFiles().msavelstclick(); });
        },
        5);
    addFigure(
        "list/select_all",
        [](benchmark::State &s) {
            measure(
                s,
                [](BenchWindow &w) {
                    freshList(w);
                    w.form().navigation().openDropDown();
                    list2Selection(w)->clearSelection();
                    settle();
                },
                [](BenchWindow &w) { w.form().navigation().selectAll(); });
        },
        5);
    addFigure(
        "list/invert_selection",
        [](benchmark::State &s) {
            measure(
                s,
                [](BenchWindow &w) {
                    freshList(w);
                    w.form().navigation().openDropDown();
                    list2Selection(w)->select(w.form().pictureList().index(kEntries / 2, 0),
                                              QItemSelectionModel::ClearAndSelect);
                    settle();
                },
                [](BenchWindow &w) { w.form().navigation().invertSelection(); });
        },
        5);
    addFigure(
        "list/add_folder_10000",
        [](benchmark::State &s) {
            const QString folder = bigFolder();
            measure(
                s, [](BenchWindow &w) { freshList(w); },
                [folder](BenchWindow &w) {
                    const FolderScan scan(OpenFolderDialog::pattern());
                    const FolderScan::Listing listing = scan.files(folder);
                    OpenFolderCommands::add2lst(w.form().pictureList(), listFolderOf(folder), listing.names);
                    if (listing.names.size() != kFolderFiles)
                        qFatal("the folder scan found %d files", int(listing.names.size()));
                });
        },
        5);
}

} // namespace orv::bench
