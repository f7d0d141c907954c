#pragma once

#include <QString>

namespace orv::bench {

// Writes a looping GIF of `frames` frames of `width` x `height` pixels, each shown for
// `delayCs` hundredths of a second: a plain field whose colour changes from frame to
// frame with a black square moving across it (small on disk, every frame different).
bool writeMovingGif(const QString &path, int frames, int width, int height, int delayCs);

} // namespace orv::bench
