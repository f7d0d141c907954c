// orvanta-metafile KIND DPI MAX-PIXELS
//
// The program's metafile converter, run by the picture loader in a process of its own
// (see MetafileProcess): reads one metafile (KIND wmf or emf) from standard input,
// converts it to SVG with pixels at DPI and writes the result (MetafileWire) to standard
// output. A WMF whose picture would have more than MAX-PIXELS pixels is refused.
// Exit status: 0 converted, 1 not convertible, 2 usage error.
//
// One file per process, and it must stay so: libwmf, libemf2svg and the fontconfig they
// draw text through keep state between conversions (caches, finalisation asserts), which
// is safe only while each process converts a single file and then ends.

#include "emfconverter.h"
#include "metafilewire.h"
#include "wmfconverter.h"

#include <QByteArray>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// Longer input is refused: the loader sends nothing longer.
constexpr qsizetype MaxInputBytes = 64 * 1024 * 1024;

bool readAll(int fd, QByteArray &out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (out.size() + n > MaxInputBytes)
            return false;
        out.append(buffer, qsizetype(n));
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "wmf") != 0 && std::strcmp(argv[1], "emf") != 0)) {
        std::fprintf(stderr, "usage: orvanta-metafile wmf|emf DPI MAX-PIXELS < metafile\n");
        return 2;
    }
    char *end = nullptr;
    const double dpi = std::strtod(argv[2], &end);
    if (*end != '\0' || !(dpi > 0 && dpi < 10000))
        return 2;
    const long long maxPixels = std::strtoll(argv[3], &end, 10);
    if (*end != '\0' || maxPixels <= 0)
        return 2;

    QByteArray data;
    if (!readAll(STDIN_FILENO, data))
        return 1;
    const bool enhanced = std::strcmp(argv[1], "emf") == 0;
    const orv::MetafileSvg svg = enhanced ? orv::convertEmf(data) : orv::convertWmf(data, dpi, maxPixels);
    if (!svg.ok())
        return 1;
    return writeAll(STDOUT_FILENO, orv::MetafileWire::encode(svg)) ? 0 : 1;
}
