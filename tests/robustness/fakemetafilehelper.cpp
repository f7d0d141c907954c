// A stand-in for orvanta-metafile that misbehaves on purpose, for the tests of the
// loader's handling of its metafile helper. What it does comes from the environment
// variable ORVANTA_FAKE_HELPER (the loader passes the environment on):
//   crash   abort()                     segv    a segmentation fault
//   early   abort() before reading its input
//   hang    waits for ever              refuse  exit status 1
//   garbage writes bytes that are no result, exit status 0
//   flood   writes without end          hog     takes 2 GiB, then answers as "echo"
//   echo    answers with a valid result of a small SVG (the default)

#include <QByteArray>
#include <QtEndian>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

void drainInput()
{
    char buffer[65536];
    while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
}

void writeAll(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            std::exit(4);
        done += n;
    }
}

QByteArray validResult()
{
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">"
                           "<rect x=\"0\" y=\"0\" width=\"40\" height=\"30\" fill=\"#00ff00\"/></svg>";
    QByteArray out("OMF1");
    char b[8];
    for (qint32 v : {600, 450}) {
        qToLittleEndian(v, b);
        out.append(b, 4);
    }
    for (double v : {0.0, 0.0, 40.0, 30.0}) {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        qToLittleEndian(bits, b);
        out.append(b, 8);
    }
    qToLittleEndian(quint32(svg.size()), b);
    out.append(b, 4);
    return out + svg;
}

} // namespace

int main()
{
    const char *env = std::getenv("ORVANTA_FAKE_HELPER");
    const QByteArray mode = env ? QByteArray(env) : QByteArray("echo");
    if (mode == "early")
        std::abort();
    drainInput();
    if (mode == "crash")
        std::abort();
    if (mode == "segv")
        std::raise(SIGSEGV);
    if (mode == "hang") {
        for (;;)
            ::pause();
    }
    if (mode == "refuse")
        return 1;
    if (mode == "garbage") {
        writeAll("OMF1 this is not a result");
        return 0;
    }
    if (mode == "flood") {
        const QByteArray chunk(1 << 20, 'x');
        for (;;)
            writeAll(chunk);
    }
    if (mode == "hog") {
        std::vector<char *> blocks;
        for (int i = 0; i < 32; ++i) {
            char *block = static_cast<char *>(std::malloc(64 << 20));
            if (!block)
                return 3; // the memory limit holds
            std::memset(block, 1, 64 << 20);
            blocks.push_back(block);
        }
    }
    writeAll(validResult());
    return 0;
}
