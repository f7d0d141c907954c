#include "pictureprefetcher.h"

#include "pictureloader.h"

namespace orv {

PicturePrefetcher *PicturePrefetcher::of(PictureLoader *loader)
{
    return dynamic_cast<PicturePrefetcher *>(loader);
}

} // namespace orv
