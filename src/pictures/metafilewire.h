#pragma once

#include "metafiledata.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace orv {

// What the helper process orvanta-metafile writes to its standard output for a converted
// metafile, and how the loader reads it back. The loader treats the helper's output as
// untrusted as the metafile itself: anything but one well-formed message is refused.
//
// Layout (little-endian): "OMF1", natural width and height in twips (int32 each), the view
// box as four IEEE doubles (x, y, width, height), the SVG's length (uint32), the SVG.
class MetafileWire
{
public:
    static constexpr qsizetype HeaderSize = 4 + 2 * 4 + 4 * 8 + 4;

    static QByteArray encode(const MetafileSvg &metafile);

    // The metafile in `message`, nullopt unless `message` is exactly one message whose
    // sizes are positive, view box finite and SVG at most `maxSvgBytes` long.
    static std::optional<MetafileSvg> decode(QByteArrayView message, qsizetype maxSvgBytes);
};

} // namespace orv
