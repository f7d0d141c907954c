#include "heifpicture.h"

#include "deepimage.h"
#include "heifbounds.h"
#include "picturelimits.h"

#include <libheif/heif.h>

#include <memory>

namespace orv {

namespace {

template <typename T, void (*Free)(T *)> struct Deleter {
    void operator()(T *p) const { Free(p); }
};
using Context = std::unique_ptr<heif_context, Deleter<heif_context, heif_context_free>>;
using Handle = std::unique_ptr<heif_image_handle, Deleter<const heif_image_handle, heif_image_handle_release>>;
using Image = std::unique_ptr<heif_image, Deleter<const heif_image, heif_image_release>>;

QColorSpace colourSpaceOf(const heif_image_handle *handle)
{
    switch (heif_image_handle_get_color_profile_type(handle)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        QByteArray icc(qsizetype(heif_image_handle_get_raw_color_profile_size(handle)), Qt::Uninitialized);
        if (icc.isEmpty() || heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
            return QColorSpace();
        return QColorSpace::fromIccProfile(icc);
    }
    case heif_color_profile_type_nclx: {
        heif_color_profile_nclx *nclx = nullptr;
        const heif_error error = heif_image_handle_get_nclx_color_profile(handle, &nclx);
        QColorSpace cs;
        if (error.code == heif_error_Ok && nclx)
            cs = colourSpaceFromCicp(nclx->color_primaries, nclx->transfer_characteristics);
        // libheif 1.15 hands the profile over before it checks its values, so
        // the profile is ours to free after an error too.
        if (nclx)
            heif_nclx_color_profile_free(nclx);
        return cs;
    }
    default:
        return QColorSpace();
    }
}

// Samples of `bits` bits (in 16-bit words) widened to the full 16-bit scale.
QImage widened(const uint8_t *data, int stride, QSize size, int bits, bool alpha)
{
    QImage out(size, alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64);
    if (out.isNull())
        return out;
    const int channels = alpha ? 4 : 3;
    const int up = 16 - bits, down = bits - up;
    for (int y = 0; y < size.height(); ++y) {
        const auto *in = reinterpret_cast<const quint16 *>(data + qsizetype(y) * stride);
        auto *line = reinterpret_cast<quint16 *>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            for (int c = 0; c < 4; ++c) {
                if (c == 3 && !alpha) {
                    line[4 * x + 3] = 0xFFFF;
                    continue;
                }
                const quint16 v = in[channels * x + c];
                line[4 * x + c] = quint16((v << up) | (down > 0 ? v >> down : 0));
            }
        }
    }
    return out;
}

} // namespace

QImage decodeHeif(const QByteArray &data)
{
    Context ctx(heif_context_alloc());
    if (!ctx)
        return QImage();
    heif_context_set_maximum_image_size_limit(ctx.get(), 99'999);
    if (heif_context_read_from_memory_without_copy(ctx.get(), data.constData(), size_t(data.size()), nullptr).code !=
        heif_error_Ok)
        return QImage();
    heif_image_handle *rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(ctx.get(), &rawHandle).code != heif_error_Ok)
        return QImage();
    const Handle handle(rawHandle);
    const QSize size(heif_image_handle_get_width(rawHandle), heif_image_handle_get_height(rawHandle));
    const int bits = heif_image_handle_get_luma_bits_per_pixel(rawHandle);
    const bool deep = bits > 8 && bits <= 16;
    const bool alpha = heif_image_handle_has_alpha_channel(rawHandle);
    // libheif holds the decoded planes (up to 1.5 samples a pixel) beside the interleaved
    // copy it hands over: both count against the bound.
    if (!limits::allowed(size, deep ? 12 : 6))
        return QImage();
    // Grid and overlay canvases and the coded sizes of the HEVC streams need not match
    // the size above; libheif allocates them as they are declared.
    for (const QSize declared : heifAllocatedSizes(data)) {
        if (!declared.isEmpty() && !limits::allowed(declared, deep ? 12 : 6))
            return QImage();
    }

    const heif_chroma chroma = deep ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
                                    : heif_chroma_interleaved_RGBA;
    heif_image *rawImage = nullptr;
    if (heif_decode_image(rawHandle, &rawImage, heif_colorspace_RGB, chroma, nullptr).code != heif_error_Ok)
        return QImage();
    const Image decoded(rawImage);
    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(rawImage, heif_channel_interleaved, &stride);
    const QSize got(heif_image_get_width(rawImage, heif_channel_interleaved),
                    heif_image_get_height(rawImage, heif_channel_interleaved));
    if (!plane || got.isEmpty() || !limits::allowed(got, deep ? 8 : 4))
        return QImage();
    QImage image;
    if (deep) {
        image = widened(plane, stride, got, bits, alpha);
    } else {
        const QImage::Format format = !alpha ? QImage::Format_RGBX8888
                                      : heif_image_handle_is_premultiplied_alpha(rawHandle)
                                          ? QImage::Format_RGBA8888_Premultiplied
                                          : QImage::Format_RGBA8888;
        image = QImage(plane, got.width(), got.height(), stride, format)
                    .convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    if (image.isNull())
        return image;
    image.setColorSpace(colourSpaceOf(rawHandle));
    return screenReady(std::move(image));
}

} // namespace orv
