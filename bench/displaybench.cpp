// Showing pictures in the main window: a cold display, the next picture with
// its prefetch done, and repaints of a picture fitted into the box.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "benchwindows.h"

#include "displaystate.h"
#include "form1.h"
#include "imageboxview.h"
#include "imagecontrol.h"
#include "listfilecommands.h"
#include "navigation.h"
#include "screencolours.h"

#include <QCoreApplication>
#include <QFile>

namespace orv::bench {

namespace {

void coldDisplay(benchmark::State &state, bool fit, const QString &picture = QStringLiteral("red.jpg"))
{
    BenchWindow &w = displayWindow();
    w.setPictures({dataFile(picture)});
    w.setFitMode(fit);
    for (auto _ : state) {
        // Nothing decoded ahead: the picture loads when it is asked for.
        w.cache().waitForPrefetches();
        w.cache().clear();
        const qint64 start = nowNs();
        w.showEntry(0);
        state.SetIterationTime(secondsSince(start));
    }
    const QImage &shown = w.form().view()->image1()->picture();
    const double naturalPixels = w.form().state().naturalwidth / 15.0;
    state.counters["scale"] = shown.width() > 0 ? naturalPixels / shown.width() : 0;
    if (w.messageBoxes().count > 0)
        state.SkipWithError("a message box was shown");
}

// What taking a wide-gamut photo to the screen's colours costs in fit mode:
// converting the box's smooth copy, the copy that is drawn.
void convertFitCopy(benchmark::State &state)
{
    BenchWindow &w = displayWindow();
    w.setPictures({dataFile(QStringLiteral("wide.jpg"))});
    w.setFitMode(true);
    w.cache().waitForPrefetches();
    w.cache().clear();
    w.showEntry(0);
    ImageControl *box = w.form().view()->image2();
    const QImage copy =
        box->picture().scaled(box->scaledCopy().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!ScreenColours::needsConversion(copy)) {
        state.SkipWithError("the picture carries no colour profile");
        return;
    }
    for (auto _ : state) {
        const QImage fresh = copy.copy();
        const qint64 start = nowNs();
        const QImage converted = ScreenColours::converted(fresh);
        state.SetIterationTime(secondsSince(start));
        benchmark::DoNotOptimize(converted.constBits());
    }
    state.counters["MP"] = copy.width() * copy.height() / 1e6;
}

// The first picture of a list just opened: the user looks at the list for a
// moment, then presses Space.
void firstAfterList(benchmark::State &state)
{
    BenchWindow &w = displayWindow();
    static const QString list = [] {
        const QString path = dataFile(QStringLiteral("first.pvl"));
        writeListFile(path, {dataFile(QStringLiteral("red.jpg")), dataFile(QStringLiteral("blue.jpg"))});
        return path;
    }();
    w.setFitMode(false);
    for (auto _ : state) {
        w.cache().waitForPrefetches();
        w.cache().clear();
        if (!w.form().state().pichidden)
            w.form().navigation().togglePicture(false); // hides what is shown
        w.form().listFiles().openlistclick(list);
        w.paint();
        QCoreApplication::processEvents();
        w.cache().waitForPrefetches();
        QCoreApplication::processEvents();
        const qint64 start = nowNs();
        w.pressKey(Qt::Key_Space);
        w.paint();
        state.SetIterationTime(secondsSince(start));
    }
    if (w.form().state().pichidden || w.form().state().curpic != 1)
        state.SkipWithError("Space did not show the first picture");
}

// `wideScreen`: the pair tagged sRGB on a screen whose profile is Adobe RGB
// compatible, so that every picture is converted to the screen's colours.
void nextPicture(benchmark::State &state, bool fit, bool wideScreen = false)
{
    BenchWindow &w = displayWindow();
    if (wideScreen) {
        QFile icc(QStringLiteral("/usr/share/color/icc/compatibleWithAdobeRGB1998.icc"));
        if (!icc.open(QIODevice::ReadOnly) || !ScreenColours::setScreenProfile(icc.readAll())) {
            state.SkipWithError("no wide-gamut profile");
            return;
        }
        w.setPictures({dataFile(QStringLiteral("red_srgb.jpg")), dataFile(QStringLiteral("blue_srgb.jpg"))});
    } else {
        w.setPictures({dataFile(QStringLiteral("red.jpg")), dataFile(QStringLiteral("blue.jpg"))});
    }
    w.setFitMode(fit);
    w.cache().clear();
    w.showEntry(0);
    for (auto _ : state) {
        w.cache().waitForPrefetches();
        QCoreApplication::processEvents();
        const qint64 start = nowNs();
        w.pressKey(Qt::Key_Return);
        w.paint();
        state.SetIterationTime(secondsSince(start));
        // Back to the first picture for the next round (not measured).
        w.cache().waitForPrefetches();
        w.pressKey(Qt::Key_Backspace);
        w.paint();
    }
    if (w.form().state().curpic != 1)
        state.SkipWithError("the keys did not step through the list");
    // The drawn copy: the picture itself at true size, the box's smooth copy in fit mode.
    ImageBoxView *view = w.form().view();
    const QImage drawn = fit ? view->image2()->scaledCopy() : view->image1()->picture();
    if (wideScreen && (drawn.isNull() || ScreenColours::needsConversion(drawn)))
        state.SkipWithError("the picture shown was not in the screen's colours");
    ScreenColours::setScreenProfile({});
}

void repaintFit(benchmark::State &state, bool rebuildScaledCopy)
{
    BenchWindow &w = displayWindow();
    w.setPictures({dataFile(QStringLiteral("red.jpg"))});
    w.setFitMode(true);
    w.showEntry(0);
    ImageControl *box = w.form().view()->image2();
    for (auto _ : state) {
        if (rebuildScaledCopy)
            box->setPicture(QImage(box->picture())); // drops the scaled copy
        const qint64 start = nowNs();
        box->repaint();
        state.SetIterationTime(secondsSince(start));
    }
}

} // namespace

void registerDisplayBenchmarks()
{
    addFigure(
        "display/next_true_size", [](benchmark::State &s) { nextPicture(s, false); }, 15);
    addFigure(
        "display/next_fit", [](benchmark::State &s) { nextPicture(s, true); }, 15);
    addFigure(
        "display/next_true_size_wide_screen", [](benchmark::State &s) { nextPicture(s, false, true); }, 15);
    addFigure(
        "display/next_fit_wide_screen", [](benchmark::State &s) { nextPicture(s, true, true); }, 15);
    addFigure(
        "display/cold_fit", [](benchmark::State &s) { coldDisplay(s, true); }, 9);
    addFigure(
        "display/cold_true_size", [](benchmark::State &s) { coldDisplay(s, false); }, 9);
    addFigure(
        "display/cold_fit_wide",
        [](benchmark::State &s) { coldDisplay(s, true, QStringLiteral("wide.jpg")); }, 9);
    addFigure(
        "display/cold_true_size_wide",
        [](benchmark::State &s) { coldDisplay(s, false, QStringLiteral("wide.jpg")); }, 9);
    addFigure("colour/convert_fit", convertFitCopy, 15);
    addFigure("display/first_after_list", firstAfterList, 9);
    addFigure(
        "repaint/fit_cached", [](benchmark::State &s) { repaintFit(s, false); }, 15);
    addFigure(
        "repaint/fit_rescaled", [](benchmark::State &s) { repaintFit(s, true); }, 15);
}

} // namespace orv::bench
