// Decoding alone: the picture loader against djpeg on the same file at the
// same scale, and the metafile path.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindows.h"

#include "metafileprocess.h"
#include "metafilesvg.h"
#include "qtpictureloader.h"
#include "wmfconverter.h"

#include <QDir>
#include <QFile>

namespace orv::bench {

namespace {

void loaderDecode(benchmark::State &state, const QString &path, QSize minimum, int denominator)
{
    const QtPictureLoader loader(96.0);
    QSize decoded;
    for (auto _ : state) {
        const qint64 start = nowNs();
        const LoadedPicture p = loader.load(path, minimum);
        state.SetIterationTime(secondsSince(start));
        if (!p.ok()) {
            state.SkipWithError("the picture did not load");
            return;
        }
        decoded = p.image.size();
    }
    if (denominator > 0 && decoded != QSize(6000 / denominator, 4000 / denominator))
        state.SkipWithError("decoded at another scale than asked");
}

void process(benchmark::State &state, const QStringList &command)
{
    for (auto _ : state) {
        const double ms = runProcessMs(command);
        if (ms < 0) {
            state.SkipWithError("the program could not be run");
            return;
        }
        state.SetIterationTime(ms / 1e3);
    }
}

// Where a WMF's load goes: starting the helper process, converting in it
// (libwmf playing the records into our SVG writer), the round trip through
// the helper, and drawing the SVG.
enum class WmfPart { HelperStart, Convert, RoundTrip, Render };

void wmfPart(benchmark::State &state, const QString &path, WmfPart part)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the metafile cannot be read");
        return;
    }
    const QByteArray data = file.readAll();
    const MetafileProcess helper;
    const MetafileSvg svg = convertWmf(data, 96.0, QtPictureLoader::MaxPixels);
    if (!svg.ok()) {
        state.SkipWithError("the metafile does not convert");
        return;
    }
    const QSize pixels = pixelsFromTwips(svg.naturalTwips, 96.0);
    for (auto _ : state) {
        const qint64 start = nowNs();
        bool ok = true;
        switch (part) {
        case WmfPart::HelperStart:
            // No input: the helper starts, refuses and ends.
            ok = helper.convert(MetafileProcess::Kind::Wmf, QByteArray(), 96.0, QtPictureLoader::MaxPixels)
                     .status == MetafileProcess::Status::Refused;
            break;
        case WmfPart::Convert:
            ok = convertWmf(data, 96.0, QtPictureLoader::MaxPixels).ok();
            break;
        case WmfPart::RoundTrip:
            ok = helper.convert(MetafileProcess::Kind::Wmf, data, 96.0, QtPictureLoader::MaxPixels).status ==
                 MetafileProcess::Status::Converted;
            break;
        case WmfPart::Render:
            ok = !renderMetafileSvg(svg, pixels).isNull();
            break;
        }
        state.SetIterationTime(secondsSince(start));
        if (!ok) {
            state.SkipWithError("the step failed");
            return;
        }
    }
    state.counters["SVG kB"] = svg.svg.size() / 1e3;
}

} // namespace

void registerDecodeBenchmarks()
{
    const QString photo = dataFile(QStringLiteral("red.jpg"));
    addFigure(
        "decode/full", [photo](benchmark::State &s) { loaderDecode(s, photo, QSize(), 1); }, 9);
    // djpeg writing a PPM to /dev/null: decoding and little else (writing a
    // BMP would buffer the whole picture to turn it bottom-up).
    addFigure(
        "djpeg/ppm",
        [photo](benchmark::State &s) {
            process(s, {QStringLiteral("djpeg"), QStringLiteral("-ppm"), QStringLiteral("-outfile"),
                        QStringLiteral("/dev/null"), photo});
        },
        9);
    for (int n : {2, 4, 8}) {
        const std::string reduced = "decode/reduced_1_" + std::to_string(n);
        const std::string baseline = "djpeg/scale_1_" + std::to_string(n);
        const QSize minimum(6000 / n, 4000 / n);
        addFigure(
            reduced.c_str(), [photo, minimum, n](benchmark::State &s) { loaderDecode(s, photo, minimum, n); },
            9);
        const QStringList command{QStringLiteral("djpeg"),
                                  QStringLiteral("-scale"),
                                  QStringLiteral("1/%1").arg(n),
                                  QStringLiteral("-ppm"),
                                  QStringLiteral("-outfile"),
                                  QStringLiteral("/dev/null"),
                                  photo};
        addFigure(
            baseline.c_str(), [command](benchmark::State &s) { process(s, command); }, 9);
    }

    // The formats of today: the same photo in each, decoded by the loader and by the
    // format's own command-line decoder (ImageMagick's for PNG and TIFF) writing to
    // /dev/null or, where the tool cannot, to its cheapest format in memory.
    const struct {
        const char *figure, *baseline, *file;
        QStringList command;
    } formats[] = {
        {"decode/png", "tool/png", "red.png", {"convert", "%1", "ppm:/dev/null"}},
        {"decode/tiff", "tool/tiff", "red.tiff", {"convert", "%1", "ppm:/dev/null"}},
        {"decode/webp", "tool/webp", "red.webp", {"dwebp", "%1", "-ppm", "-o", "/dev/null"}},
        {"decode/avif", "tool/avif", "red.avif", {"avifdec", "-j", "2", "%1", "/dev/shm/orvanta-bench.y4m"}},
        {"decode/heic", "tool/heic", "red.heic", {"heif-convert", "%1", "/dev/shm/orvanta-bench.jpg"}},
        {"decode/jxl", "tool/jxl", "red.jxl", {"djxl", "%1", "--num_threads=2"}},
    };
    for (const auto &f : formats) {
        const QString file = dataFile(QLatin1String(f.file));
        QStringList command;
        for (const QString &part : f.command)
            command.append(part == QLatin1String("%1") ? file : part);
        addFigure(
            f.figure, [file](benchmark::State &s) { loaderDecode(s, file, QSize(), 1); }, 5);
        addFigure(
            f.baseline, [command](benchmark::State &s) { process(s, command); }, 5);
    }

    const QDir corpus(corpusDir());
    const QString wmf = corpus.filePath(QStringLiteral("wmf/valid/uemf-test_libuemf_ref.wmf"));
    const QString emf = corpus.filePath(QStringLiteral("emf/valid/uemf-test_libuemf_ref.emf"));
    addFigure(
        "metafile/wmf", [wmf](benchmark::State &s) { loaderDecode(s, wmf, QSize(), 0); }, 9);
    addFigure(
        "metafile/emf", [emf](benchmark::State &s) { loaderDecode(s, emf, QSize(), 0); }, 9);
    const struct {
        const char *name;
        WmfPart part;
    } parts[] = {{"metafile/wmf_helper_start", WmfPart::HelperStart},
                 {"metafile/wmf_convert", WmfPart::Convert},
                 {"metafile/wmf_round_trip", WmfPart::RoundTrip},
                 {"metafile/wmf_render", WmfPart::Render}};
    for (const auto &p : parts) {
        const WmfPart part = p.part;
        addFigure(
            p.name, [wmf, part](benchmark::State &s) { wmfPart(s, wmf, part); }, 9);
    }
}

} // namespace orv::bench
