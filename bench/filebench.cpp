// The file commands at scale: deleting 1,000 selected entries of a 100,000-entry
// list to the trash, and pasting 1,000 small files into a folder.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "benchwindows.h"

#include "fileclipboard.h"
#include "filecommands.h"
#include "filepaste.h"
#include "form1.h"
#include "picturelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>
#include <QTemporaryDir>

#include <numeric>

namespace orv::bench {

namespace {

constexpr int kEntries = 100'000;
constexpr int kFiles = 1'000;

void settle()
{
    QCoreApplication::processEvents();
}

// `count` small files (4 KB, as a thumbnail) in `folder`; their paths.
QStringList makeFiles(const QString &folder, int count)
{
    QDir().mkpath(folder);
    const QByteArray bytes(4096, 'x');
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = folder + QStringLiteral("/DSC%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        paths << path;
    }
    return paths;
}

void failOnUnexpectedBoxes(benchmark::State &state, BenchWindow &w, int expected)
{
    if (w.messageBoxes().count != expected)
        state.SkipWithError(
            qPrintable(QStringLiteral("unexpected message box: ") + w.messageBoxes().lastText));
}

// The list holds 100,000 entries; every hundredth is one of 1,000 real files,
// and those are the selection of List2.
void prepareDelete(BenchWindow &w, const QString &folder)
{
    static const std::vector<PictureEntry> many = manyEntries(kEntries);
    const QStringList files = makeFiles(folder, kFiles);
    std::vector<PictureEntry> entries = many;
    for (int i = 0; i < kFiles; ++i)
        entries[size_t(i) * (kEntries / kFiles)] = {QFileInfo(files[i]).fileName(), folder};
    w.form().pictureList().setEntries(std::move(entries));
    w.form().state().curpic = 1;
    QItemSelectionModel *selection =
        w.form().findChild<QListView *>(QStringLiteral("List2"))->selectionModel();
    QItemSelection rows;
    const QAbstractItemModel *model = selection->model();
    for (int i = 0; i < kFiles; ++i) {
        const QModelIndex index = model->index(i * (kEntries / kFiles), 0);
        rows.select(index, index);
    }
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
    settle();
}

} // namespace

void registerFileBenchmarks()
{
    addFigure(
        "files/delete_1000_of_100000",
        [](benchmark::State &state) {
            BenchWindow &w = listWindow();
            QTemporaryDir tmp;
            w.messageBoxes().answer = MsgResult::Yes;
            for (auto _ : state) {
                const QString folder = tmp.filePath(QStringLiteral("pics"));
                prepareDelete(w, folder);
                w.messageBoxes().count = 0;
                const qint64 start = nowNs();
                w.form().fileCommands().deletefiles(false);
                settle();
                state.SetIterationTime(secondsSince(start));
                failOnUnexpectedBoxes(state, w, 1); // the question alone
                if (w.form().pictureList().count() != kEntries - kFiles || !QDir(folder).isEmpty())
                    state.SkipWithError("not every selected file went");
            }
            w.messageBoxes().answer = MsgResult::Cancel;
        },
        5);
    addFigure(
        "files/paste_1000",
        [](benchmark::State &state) {
            BenchWindow &w = listWindow();
            QTemporaryDir tmp;
            const QStringList files = makeFiles(tmp.filePath(QStringLiteral("from")), kFiles);
            PictureList list;
            for (const QString &f : files)
                list.append(QFileInfo(f).fileName(), QFileInfo(f).absolutePath());
            std::vector<int> rows(static_cast<size_t>(kFiles));
            std::iota(rows.begin(), rows.end(), 0);
            FileClipboard clipboard;
            clipboard.fill(list, rows, false);
            int round = 0;
            for (auto _ : state) {
                const QString to = tmp.filePath(QStringLiteral("to%1").arg(++round));
                QDir().mkpath(to);
                w.messageBoxes().count = 0;
                const qint64 start = nowNs();
                pasteFiles(clipboard, to, w.services(), &w.form());
                settle();
                state.SetIterationTime(secondsSince(start));
                failOnUnexpectedBoxes(state, w, 0);
                if (QDir(to).entryList(QDir::Files).size() != kFiles)
                    state.SkipWithError("not every file was pasted");
            }
        },
        5);
}

} // namespace orv::bench
