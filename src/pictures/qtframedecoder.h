#pragma once

#include "framedecoder.h"

#include <QByteArray>

namespace orv {

// The frames of a GIF or WebP picture through Qt's image readers (which compose each
// frame on the canvas); null when `data` is neither or has a single frame, or when its
// canvas is beyond the loader's limits.
FrameDecoderPtr qtFrameDecoder(QByteArray data);

} // namespace orv
