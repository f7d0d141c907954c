#include "iconpngcheck.h"

#include <QtEndian>

#include <algorithm>

namespace orv {

namespace {

constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int SignatureBytes = 8;
constexpr int ChunkHeadBytes = 8; // length and type
constexpr int ChunkCrcBytes = 4;
constexpr int MaxChunks = 100000; // real PNGs hold a few dozen

bool readAt(QIODevice &device, qint64 at, char *out, int bytes)
{
    return device.seek(at) && device.read(out, bytes) == bytes;
}

// Whether the PNG at `start`, which may span `available` bytes, has a chunk longer than
// what follows it.
bool pngOverruns(QIODevice &device, qint64 start, qint64 available)
{
    qint64 pos = SignatureBytes;
    for (int chunks = 0; chunks < MaxChunks && pos + ChunkHeadBytes <= available; ++chunks) {
        char head[ChunkHeadBytes];
        if (!readAt(device, start + pos, head, ChunkHeadBytes))
            return false; // the read fails for libpng as well, before any allocation
        const quint32 length = qFromBigEndian<quint32>(head);
        if (length > available - pos - ChunkHeadBytes - ChunkCrcBytes)
            return true;
        if (std::equal(head + 4, head + 8, "IEND"))
            return false;
        pos += ChunkHeadBytes + length + ChunkCrcBytes;
    }
    return false;
}

} // namespace

std::vector<bool> iconEntriesWithBrokenPng(QIODevice &device, int maxEntries)
{
    std::vector<bool> broken;
    if (device.isSequential())
        return broken;
    const qint64 kept = device.pos();
    const qint64 size = device.size();
    char header[6];
    if (readAt(device, 0, header, sizeof header)) {
        const int count = std::min<int>(qFromLittleEndian<quint16>(header + 4), maxEntries);
        broken.assign(count, false);
        for (int i = 0; i < count; ++i) {
            char entry[16];
            if (!readAt(device, 6 + 16 * qint64(i), entry, sizeof entry))
                break;
            const qint64 bytes = qFromLittleEndian<quint32>(entry + 8);
            const qint64 offset = qFromLittleEndian<quint32>(entry + 12);
            char signature[SignatureBytes];
            if (offset >= size || !readAt(device, offset, signature, SignatureBytes) ||
                !std::equal(signature, signature + SignatureBytes, PngSignature))
                continue;
            broken[i] = pngOverruns(device, offset, std::min(bytes, size - offset));
        }
    }
    device.seek(kept);
    return broken;
}

} // namespace orv
