// The helper's output as the loader reads it (MetafileWire::decode): a faulty or
// subverted helper may write anything.

#include "fuzzsupport.h"
#include "metafilewire.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const std::optional<MetafileSvg> svg = MetafileWire::decode(bytes, 1 << 20);
    if (!svg)
        return 0;
    ORV_FUZZ_CHECK(svg->ok());
    ORV_FUZZ_CHECK(MetafileWire::encode(*svg) == bytes);
    return 0;
}
