// The list manager's edits on a 100,000-entry picture list, each measured
// until the list manager and the main window have handled every event it
// caused.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "benchwindows.h"

#include "form1.h"
#include "listform.h"
#include "listmanager.h"
#include "moverepeater.h"
#include "picturelist.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QListView>
#include <QTimer>

#include <algorithm>

namespace orv::bench {

namespace {

constexpr int kEntries = 100'000;
constexpr int kMoved = 1'000;

const std::vector<PictureEntry> &entries()
{
    static const std::vector<PictureEntry> all = manyEntries(kEntries, 7);
    return all;
}

void settle()
{
    QCoreApplication::processEvents();
}

// The list manager over a fresh picture list, nothing selected.
ListForm &freshManager(BenchWindow &w)
{
    w.form().pictureList().setEntries(entries());
    w.form().state().curpic = 1;
    w.form().listManager().open();
    ListForm &form = *w.form().listManager().window();
    form.list1()->selectionModel()->clear();
    settle();
    return form;
}

QModelIndex row(ListForm &form, int r)
{
    return form.list1()->model()->index(r, 0);
}

// Selects `count` rows of the main list: a block from `first`, or every
// `step`th row from `first`.
void selectRows(ListForm &form, int first, int count, int step)
{
    QItemSelection selection;
    for (int k = 0; k < count; ++k) {
        const int r = first + k * step;
        selection.append(QItemSelectionRange(row(form, r), row(form, r)));
    }
    if (step == 1)
        selection = QItemSelection(row(form, first), row(form, first + count - 1));
    form.list1()->selectionModel()->select(selection, QItemSelectionModel::Select);
    form.list1()->selectionModel()->setCurrentIndex(row(form, first), QItemSelectionModel::NoUpdate);
    settle();
}

void measure(benchmark::State &state, const std::function<void(ListForm &)> &prepare,
             const std::function<void(ListForm &)> &command)
{
    BenchWindow &w = listWindow();
    for (auto _ : state) {
        ListForm &form = freshManager(w);
        prepare(form);
        const qint64 start = nowNs();
        command(form);
        settle();
        state.SetIterationTime(secondsSince(start));
    }
    if (w.messageBoxes().count > 0)
        state.SkipWithError(
            qPrintable(QStringLiteral("a message box was shown: ") + w.messageBoxes().lastText));
}

// Holds the up button on a block of 1,000 for the first second and 20
// repeats after it; the figure is the mean time between two repeats, which
// grows past 75 ms as soon as a move cannot keep up.
void measureRhythm(benchmark::State &state)
{
    BenchWindow &w = listWindow();
    constexpr int kRepeats = 20;
    for (auto _ : state) {
        ListForm &form = freshManager(w);
        selectRows(form, kEntries / 2, kMoved, 1);
        std::vector<qint64> moves;
        QMetaObject::Connection watch = QObject::connect(&w.form().pictureList(), &PictureList::layoutChanged,
                                                         [&] { moves.push_back(nowNs()); });
        form.repeater().press(MoveRepeater::Up);
        QElapsedTimer held;
        held.start();
        while (moves.size() < size_t(kRepeats + 2) && held.elapsed() < 10'000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        form.repeater().release();
        QObject::disconnect(watch);
        if (moves.size() < size_t(kRepeats + 2)) {
            state.SkipWithError("the held button stopped repeating");
            break;
        }
        // From the first repeat (a second after the press) to the last.
        state.SetIterationTime(double(moves.back() - moves[1]) / 1e9 / kRepeats);
    }
}

} // namespace

void registerListManagerBenchmarks()
{
    addFigure(
        "listmanager/move_block_1000",
        [](benchmark::State &s) {
            measure(
                s, [](ListForm &f) { selectRows(f, kEntries / 2, kMoved, 1); },
                [](ListForm &f) { f.moveup(); });
        },
        5);
    addFigure(
        "listmanager/move_scattered_1000",
        [](benchmark::State &s) {
            measure(
                s, [](ListForm &f) { selectRows(f, 50, kMoved, 97); }, [](ListForm &f) { f.movedn(); });
        },
        5);
    addFigure(
        "listmanager/cut_scattered_1000",
        [](benchmark::State &s) {
            measure(
                s, [](ListForm &f) { selectRows(f, 50, kMoved, 97); },
                [](ListForm &f) { f.cut(ListForm::Side::Main); });
        },
        5);
    addFigure(
        "listmanager/paste_1000",
        [](benchmark::State &s) {
            measure(
                s,
                [](ListForm &f) {
                    selectRows(f, 50, kMoved, 97);
                    f.copy(ListForm::Side::Main);
                    f.list1()->selectionModel()->clear();
                    f.list1()->selectionModel()->setCurrentIndex(row(f, kEntries / 2),
                                                                 QItemSelectionModel::NoUpdate);
                    settle();
                },
                [](ListForm &f) { f.paste(ListForm::Side::Main); });
        },
        5);
    addFigure(
        "listmanager/select_all",
        [](benchmark::State &s) {
            measure(
                s, [](ListForm &) {}, [](ListForm &f) { f.selectAll(); });
        },
        5);
    addFigure(
        "listmanager/invert_selection",
        [](benchmark::State &s) {
            measure(
                s, [](ListForm &f) { selectRows(f, 50, kMoved, 97); },
                [](ListForm &f) { f.invertSelection(); });
        },
        5);
    addFigure("listmanager/repeat_interval", measureRhythm, 3);
}

} // namespace orv::bench
