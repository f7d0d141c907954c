#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace orv {

// CRC-32 (IEEE 802.3, the checksum of zip and PNG) of a byte run; `crc` lets
// a sum run on over several pieces.
class ListFileCrc
{
public:
    static std::uint32_t checksum(QByteArrayView bytes, std::uint32_t crc = 0);
};

} // namespace orv
