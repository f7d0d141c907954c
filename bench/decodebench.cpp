// Decoding alone: the picture loader against djpeg on the same file at the
// same scale, and the metafile path.
#include "benchtable.h"
#include "benchutil.h"
#include "benchwindows.h"

#include "qtpictureloader.h"

#include <QDir>

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

} // namespace

void registerDecodeBenchmarks()
{
    const QString photo = dataFile(QStringLiteral("red.jpg"));
    addFigure(
        "decode/full", [photo](benchmark::State &s) { loaderDecode(s, photo, QSize(), 1); }, 9);
    addFigure(
        "djpeg/bmp",
        [photo](benchmark::State &s) {
            process(s, {QStringLiteral("djpeg"), QStringLiteral("-bmp"), photo});
        },
        9);
    for (int n : {2, 4, 8}) {
        const std::string reduced = "decode/reduced_1_" + std::to_string(n);
        const std::string baseline = "djpeg/scale_1_" + std::to_string(n);
        const QSize minimum(6000 / n, 4000 / n);
        addFigure(
            reduced.c_str(), [photo, minimum, n](benchmark::State &s) { loaderDecode(s, photo, minimum, n); },
            9);
        const QStringList command{QStringLiteral("djpeg"), QStringLiteral("-scale"),
                                  QStringLiteral("1/%1").arg(n), QStringLiteral("-bmp"), photo};
        addFigure(
            baseline.c_str(), [command](benchmark::State &s) { process(s, command); }, 9);
    }

    const QDir corpus(corpusDir());
    const QString wmf = corpus.filePath(QStringLiteral("wmf/valid/uemf-test_libuemf_ref.wmf"));
    const QString emf = corpus.filePath(QStringLiteral("emf/valid/uemf-test_libuemf_ref.emf"));
    addFigure(
        "metafile/wmf", [wmf](benchmark::State &s) { loaderDecode(s, wmf, QSize(), 0); }, 9);
    addFigure(
        "metafile/emf", [emf](benchmark::State &s) { loaderDecode(s, emf, QSize(), 0); }, 9);
}

} // namespace orv::bench
