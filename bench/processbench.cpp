// Figures that need a process of their own: start-up, the first picture named
// on the command line, and peak memory. The benchmark runs this program again
// as a probe, which prints one number.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "benchwindows.h"

#include "form1.h"
#include "startupsplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace orv::bench {

namespace {

[[noreturn]] void finish(double value)
{
    std::printf("%.3f\n", value);
    std::fflush(stdout);
    // No teardown: it is no part of what was measured.
    _exit(0);
}

// Lets events run until `done` or the splash's 2.5 seconds are over.
void runSplashTime(const std::function<bool()> &done)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer wake;
    wake.start(20);
    while (!done() && elapsed.elapsed() < 2500)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int firstPictureProbe(const QString &picture, bool prefetched)
{
    BenchWindow w(picture);
    StartupSplash splash(*w.services().systemInfo, [&w] { w.form().showLoaded(); });
    splash.show();
    runSplashTime([&] { return !w.cache().isPending(picture); });
    if (!prefetched) {
        w.cache().waitForPrefetches();
        w.cache().clear();
    }
    const qint64 start = nowNs();
    splash.onTimer();
    QCoreApplication::processEvents();
    w.paint();
    const double ms = secondsSince(start) * 1e3;
    if (w.form().pictureList().count() != 1 || w.form().state().pichidden)
        return 1;
    finish(ms);
}

// The first picture shown by a window that has shown none yet, in a fresh
// process: what opening a list and clicking the box costs the first time.
int firstColdDisplayProbe()
{
    BenchWindow w;
    w.showLoaded();
    w.setPictures({dataFile(QStringLiteral("red.jpg"))});
    const qint64 start = nowNs();
    w.showEntry(0);
    finish(secondsSince(start) * 1e3);
}

int peakMemoryProbe(bool fit)
{
    BenchWindow w;
    w.showLoaded();
    w.setPictures({dataFile(QStringLiteral("red.jpg")), dataFile(QStringLiteral("green.jpg")),
                   dataFile(QStringLiteral("blue.jpg"))});
    w.setFitMode(fit);
    // Forwards and back once, each time with the neighbours decoded ahead.
    w.showEntry(1);
    w.cache().waitForPrefetches();
    for (int key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Return}) {
        w.pressKey(key);
        w.paint();
        w.cache().waitForPrefetches();
        QCoreApplication::processEvents();
    }
    if (w.form().state().curpic != 2 || w.cache().cachedCount() != 3)
        return 1;
    finish(peakResidentMb());
}

void probeFigure(benchmark::State &state, const QStringList &args, bool printedTime, const char *counter)
{
    for (auto _ : state) {
        QByteArray out;
        const double wallMs = runProcessMs(QStringList{selfPath()} + args, &out);
        bool ok = false;
        const double printed = out.trimmed().toDouble(&ok);
        if (wallMs < 0 || !ok) {
            state.SkipWithError("the probe failed");
            return;
        }
        if (counter)
            state.counters[counter] = printed;
        state.SetIterationTime((printedTime ? printed : wallMs) / 1e3);
    }
}

} // namespace

int runProbe(const QString &name, int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    const QString picture = dataFile(QStringLiteral("red.jpg"));
    if (name == QLatin1String("startup")) {
        BenchWindow w;
        StartupSplash splash(*w.services().systemInfo, [&w] { w.form().showLoaded(); });
        splash.show();
        QCoreApplication::processEvents();
        splash.onTimer(); // the hand-over, without the 2.5 s wait
        QCoreApplication::processEvents();
        w.paint();
        finish(0);
    }
    if (name == QLatin1String("firstpicture"))
        return firstPictureProbe(picture, true);
    if (name == QLatin1String("firstpicture-unprefetched"))
        return firstPictureProbe(picture, false);
    if (name == QLatin1String("firstcold"))
        return firstColdDisplayProbe();
    if (name == QLatin1String("peakmem-true"))
        return peakMemoryProbe(false);
    if (name == QLatin1String("peakmem-fit"))
        return peakMemoryProbe(true);
    std::fprintf(stderr, "unknown probe %s\n", qPrintable(name));
    return 2;
}

void registerProcessBenchmarks()
{
    addFigure(
        "startup/main_window",
        [](benchmark::State &s) { probeFigure(s, {QStringLiteral("--probe=startup")}, false, nullptr); }, 7);
    addFigure(
        "startup/first_picture",
        [](benchmark::State &s) { probeFigure(s, {QStringLiteral("--probe=firstpicture")}, true, nullptr); },
        7);
    addFigure(
        "startup/first_picture_unprefetched",
        [](benchmark::State &s) {
            probeFigure(s, {QStringLiteral("--probe=firstpicture-unprefetched")}, true, nullptr);
        },
        5);
    addFigure(
        "startup/first_cold_display",
        [](benchmark::State &s) { probeFigure(s, {QStringLiteral("--probe=firstcold")}, true, nullptr); }, 5);
    addFigure(
        "memory/peak_true_size",
        [](benchmark::State &s) { probeFigure(s, {QStringLiteral("--probe=peakmem-true")}, false, "MB"); },
        3);
    addFigure(
        "memory/peak_fit",
        [](benchmark::State &s) { probeFigure(s, {QStringLiteral("--probe=peakmem-fit")}, false, "MB"); }, 3);
}

} // namespace orv::bench
