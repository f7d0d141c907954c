#include "benchtable.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

namespace orv::bench {

namespace {

// A figure of the table. The baseline "@scale" is djpeg at the scale the
// figure decoded at (its counter "scale").
struct Figure {
    const char *name;
    const char *label;
    const char *baseline = nullptr;
    double maxRatio = 0;           // target: at most this times the baseline
    double maxValue = 0;           // target: at most this many ms (or MB)
    const char *counter = nullptr; // the value comes from this counter, not the time
};

const Figure kFigures[] = {
    {"display/next_true_size", "next picture, prefetched, true size: key to painted", nullptr, 0, 30},
    {"display/next_fit", "next picture, prefetched, fit: key to painted", nullptr, 0, 30},
    {"display/next_true_size_wide_screen", "  the same, tagged sRGB, wide-gamut screen, true size", nullptr, 0, 5},
    {"display/next_fit_wide_screen", "  the same, tagged sRGB, wide-gamut screen, fit", nullptr, 0, 5},
    {"e2e/next_orvanta", "next picture end to end, X server (paintwait), true size", "e2e/next_qimgv", 1.0},
    {"e2e/next_orvanta_fit", "next picture end to end, X server (paintwait), fit", "e2e/next_qimgv", 1.0},
    {"e2e/next_qimgv", "  qimgv on the same two pictures (paintwait)"},
    {"e2e/next_orvanta_tagged_srgb", "next picture end to end, tagged sRGB, screen without profile"},
    {"e2e/next_orvanta_tagged_wide", "next picture end to end, tagged sRGB, wide-gamut screen profile", nullptr, 0, 5},
    {"e2e/next_orvanta_png", "next picture end to end, 24 MP PNG pair (paintwait)", "e2e/next_qimgv_png", 1.0},
    {"e2e/next_qimgv_png", "  qimgv on the same PNG pair"},
    {"e2e/next_orvanta_webp", "next picture end to end, 24 MP WebP pair (paintwait)", "e2e/next_qimgv_webp", 1.0},
    {"e2e/next_qimgv_webp", "  qimgv on the same WebP pair"},
    {"e2e/next_orvanta_heic", "next picture end to end, 24 MP HEIC pair (paintwait)", "e2e/next_qimgv_heic", 1.0},
    {"e2e/next_qimgv_heic", "  qimgv on the same HEIC pair"},
    {"e2e/cold_orvanta", "  cold open end to end incl. 2.5 s splash (paintwait)"},
    {"e2e/first_orvanta", "first picture of a list opened, end to end (paintwait)", nullptr, 0, 50},
    {"display/first_after_list", "first picture of a list opened: Space to painted", nullptr, 0, 50},
    {"startup/first_picture", "first picture: splash hand-over to painted", nullptr, 0, 50},
    {"startup/first_picture_unprefetched", "  the same with nothing prefetched (reference)"},
    {"startup/main_window", "start-up to main window painted, splash wait excluded", nullptr, 0, 300},
    {"startup/first_cold_display", "  cold display, true size, first in a fresh process"},
    {"display/cold_fit", "cold display 24 MP JPEG, fit: command to painted", "@scale", 1.3},
    {"display/cold_true_size", "cold display 24 MP JPEG, true size", "djpeg/ppm", 1.3},
    {"display/cold_fit_wide", "cold display 24 MP JPEG, wide-gamut profile, fit", "@scale", 1.3},
    {"display/cold_true_size_wide", "cold display 24 MP JPEG, wide-gamut profile, true size", "djpeg/ppm",
     1.3},
    {"colour/convert_fit", "  of which colour conversion of the drawn copy, fit"},
    {"decode/full", "decode alone (loader), full size", "djpeg/ppm"},
    {"decode/reduced_1_2", "decode alone (loader), 1/2", "djpeg/scale_1_2"},
    {"decode/reduced_1_4", "decode alone (loader), 1/4", "djpeg/scale_1_4"},
    {"decode/reduced_1_8", "decode alone (loader), 1/8", "djpeg/scale_1_8"},
    {"djpeg/ppm", "  djpeg -ppm -outfile /dev/null"},
    {"djpeg/scale_1_2", "  djpeg -scale 1/2 -ppm -outfile /dev/null"},
    {"djpeg/scale_1_4", "  djpeg -scale 1/4 -ppm -outfile /dev/null"},
    {"djpeg/scale_1_8", "  djpeg -scale 1/8 -ppm -outfile /dev/null"},
    {"decode/png", "decode 24 MP PNG (Qt's reader, libpng)", "tool/png", 1.2},
    {"tool/png", "  ImageMagick convert to ppm:/dev/null"},
    {"decode/tiff", "decode 24 MP TIFF, LZW (Qt's plug-in, libtiff)", "tool/tiff", 1.2},
    {"tool/tiff", "  ImageMagick convert to ppm:/dev/null"},
    {"decode/webp", "decode 24 MP WebP (Qt's plug-in, libwebp)", "tool/webp", 1.2},
    {"tool/webp", "  dwebp -ppm -o /dev/null"},
    {"decode/avif", "decode 24 MP AVIF (libavif)", "tool/avif", 1.2},
    {"tool/avif", "  avifdec -j 2 to y4m in /dev/shm"},
    {"decode/heic", "decode 24 MP HEIC (libheif)", "tool/heic", 1.2},
    {"tool/heic", "  heif-convert to jpg in /dev/shm"},
    {"decode/jxl", "decode 24 MP JPEG XL (libjxl)", "tool/jxl", 1.2},
    {"tool/jxl", "  djxl, no output, 2 threads"},
    {"metafile/wmf", "metafile WMF (uemf-test_libuemf_ref.wmf), load"},
    {"metafile/wmf_helper_start", "  of which helper process start and end (no input)"},
    {"metafile/wmf_convert", "  of which libwmf play + SVG writer (in this process)"},
    {"metafile/wmf_round_trip", "  helper round trip: start, convert, SVG back"},
    {"metafile/wmf_render", "  of which SVG render (QSvgRenderer)"},
    {"metafile/emf", "metafile EMF (uemf-test_libuemf_ref.emf), load"},
    {"repaint/fit_cached", "repaint in fit mode, scaled copy cached"},
    {"repaint/fit_rescaled", "repaint in fit mode, scaled copy rebuilt"},
    {"list/sort_by_name", "100,000 entries: sort by name", nullptr, 0, 300},
    {"list/shuffle", "100,000 entries: shuffle", nullptr, 0, 300},
    {"list/open_list_file", "100,000 entries: open list file", nullptr, 0, 300},
    {"list/save_list_file", "100,000 entries: save list file", nullptr, 0, 300},
    {"list/select_all", "100,000 entries: select all", nullptr, 0, 300},
    {"list/invert_selection", "100,000 entries: invert selection", nullptr, 0, 300},
    {"list/add_folder_10000", "100,000 entries: add a folder of 10,000 files", nullptr, 0, 500},
    {"files/delete_1000_of_100000", "100,000 entries: delete 1,000 selected to the trash, checks", nullptr, 0,
     2000},
    {"files/paste_1000", "paste (copy) 1,000 small files into a folder", nullptr, 0, 2000},
    {"listmanager/move_block_1000", "list manager 100,000: move a block of 1,000 up", nullptr, 0, 100},
    {"listmanager/move_scattered_1000", "list manager 100,000: move 1,000 scattered down", nullptr, 0, 100},
    {"listmanager/cut_scattered_1000", "list manager 100,000: cut 1,000 scattered", nullptr, 0, 100},
    {"listmanager/paste_1000", "list manager 100,000: paste 1,000", nullptr, 0, 100},
    {"listmanager/select_all", "list manager 100,000: select all", nullptr, 0, 100},
    {"listmanager/invert_selection", "list manager 100,000: invert 1,000 scattered", nullptr, 0, 100},
    {"listmanager/repeat_interval", "list manager: held button's mean repeat (75 ms)", nullptr, 0, 80},
    {"turn/jpeg_24mp", "lossless turn of a 24 MP JPEG, saved", "turn/jpegtran_24mp", 1.3},
    {"turn/jpegtran_24mp", "  jpegtran -rotate 90 -perfect -copy all"},
    {"sort/date_taken_10000", "10,000 JPEGs: sort by date taken, warm", nullptr, 0, 3000},
    {"memory/peak_true_size", "peak memory, 24 MP true size, cache full (MB)", nullptr, 0, 300, "MB"},
    {"memory/peak_fit", "peak memory, 24 MP fit, cache full (MB)", nullptr, 0, 300, "MB"},
    {"memory/session_png", "peak memory, stepping through the 24 MP PNG pair (MB)", nullptr, 0, 300, "MB"},
    {"memory/session_webp", "peak memory, stepping through the 24 MP WebP pair (MB)", nullptr, 0, 300, "MB"},
    {"memory/session_heic", "peak memory, stepping through the 24 MP HEIC pair (MB)", nullptr, 0, 300, "MB"},
    {"memory/moving_gif_1000", "peak memory, 1,000-frame 1920x1080 GIF playing (MB)", nullptr, 0, 300, "MB"},
};

QString number(double v)
{
    return v >= 100 ? QString::number(v, 'f', 0) : QString::number(v, 'f', 1);
}

} // namespace

qint64 nowNs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed();
}

double secondsSince(qint64 startNs)
{
    return double(nowNs() - startNs) / 1e9;
}

benchmark::internal::Benchmark *addFigure(const char *name, std::function<void(benchmark::State &)> run,
                                          int repetitions)
{
    return benchmark::RegisterBenchmark(name, [run](benchmark::State &state) { run(state); })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

void MedianCollector::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        const QString name = QString::fromStdString(run.run_name.function_name);
        if (run.error_occurred) {
            errors << name + QStringLiteral(": ") + QString::fromStdString(run.error_message);
            continue;
        }
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
            continue;
        Median m;
        m.ms = run.GetAdjustedRealTime();
        for (const auto &[key, counter] : run.counters)
            m.counters.insert(QString::fromStdString(key), counter.value);
        medians.insert(name, m);
    }
}

void printTable(const MedianCollector &collected, const QHash<QString, double> &external)
{
    auto valueOf = [&](const QString &name, const char *counter, double *out) {
        if (external.contains(name)) {
            *out = external.value(name);
            return true;
        }
        if (!collected.medians.contains(name))
            return false;
        const MedianCollector::Median &m = collected.medians.value(name);
        *out = counter ? m.counters.value(QLatin1String(counter), -1) : m.ms;
        return *out >= 0;
    };

    const QStringList header{QStringLiteral("figure"), QStringLiteral("median"), QStringLiteral("baseline"),
                             QStringLiteral("base"),   QStringLiteral("ratio"),  QStringLiteral("target"),
                             QStringLiteral("met")};
    const int widths[] = {56, 10, 16, 7, 6, 9, 4};
    auto printRow = [&](const QStringList &cells) {
        QString line;
        for (int i = 0; i < cells.size(); ++i)
            line += (i == 0 ? cells[i].leftJustified(widths[i]) : cells[i].rightJustified(widths[i])) +
                    QLatin1Char(' ');
        std::printf("%s\n", qPrintable(line.trimmed()));
    };
    printRow(header);
    printRow({QString(56, QLatin1Char('-')), QString(10, QLatin1Char('-')), QString(16, QLatin1Char('-')),
              QString(7, QLatin1Char('-')), QString(6, QLatin1Char('-')), QString(9, QLatin1Char('-')),
              QString(4, QLatin1Char('-'))});

    for (const Figure &f : kFigures) {
        double value = 0;
        if (!valueOf(QLatin1String(f.name), f.counter, &value))
            continue;
        const QString unit = f.counter ? QStringLiteral(" MB") : QStringLiteral(" ms");
        QString baselineName = f.baseline ? QLatin1String(f.baseline) : QString();
        if (baselineName == QLatin1String("@scale")) {
            const double scale =
                collected.medians.value(QLatin1String(f.name)).counters.value(QStringLiteral("scale"));
            baselineName = scale > 1.5 ? QStringLiteral("djpeg/scale_1_%1").arg(qRound(scale))
                                       : QStringLiteral("djpeg/ppm");
        }
        double base = 0;
        const bool hasBase = !baselineName.isEmpty() && valueOf(baselineName, nullptr, &base) && base > 0;
        const double ratio = hasBase ? value / base : 0;

        QString target;
        bool met = true;
        bool judged = false;
        if (f.maxRatio > 0 && hasBase) {
            target = QStringLiteral("<=%1x").arg(f.maxRatio);
            met = ratio <= f.maxRatio;
            judged = true;
        }
        if (f.maxValue > 0) {
            target = QStringLiteral("<=%1%2")
                         .arg(f.maxValue)
                         .arg(f.counter ? QStringLiteral("MB") : QStringLiteral("ms"));
            met = value <= f.maxValue;
            judged = true;
        }
        printRow({QLatin1String(f.label), number(value) + unit, baselineName,
                  hasBase ? number(base) : QString(), hasBase ? QString::number(ratio, 'f', 2) : QString(),
                  target, judged ? (met ? QStringLiteral("yes") : QStringLiteral("NO")) : QString()});
    }
    for (const QString &e : collected.errors)
        std::printf("error: %s\n", qPrintable(e));
    std::fflush(stdout);
}

} // namespace orv::bench
