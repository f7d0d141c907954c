#pragma once

#include "metafileprocess.h"
#include "pictureformat.h"
#include "picturelimits.h"
#include "pictureloader.h"

#include <QByteArray>
#include <QtGlobal>
#include <atomic>

namespace orv {

// Loads pictures with Qt's image readers (bmp, dib, ico, cur, jpeg, gif, png, webp, tiff),
// libheif (HEIC), libavif (AVIF), libjxl (JPEG XL), QtSvg (SVG, SVGZ) and metafiles
// (wmf, emf), deciding the format from the content, never from the name. Metafiles are
// converted to SVG by the helper process orvanta-metafile (MetafileProcess): a fault of
// the converters on a damaged file ends the helper, not the program, and the picture
// fails as FileError::Other. Without the helper metafiles fail the same way (with a
// warning); they are never converted in the program's own process.
// Thread-safe: load() keeps no state between calls.
class QtPictureLoader : public PictureLoader
{
public:
    explicit QtPictureLoader(double logicalDpi = 96.0);

    // The screen's logical DPI that natural sizes are computed for; it may change
    // (a screen settings change) while pictures load on other threads.
    double logicalDpi() const { return m_dpi.load(); }
    void setLogicalDpi(double dpi) { m_dpi.store(dpi > 0 ? dpi : 96.0); }

    using PictureLoader::load;
    LoadedPicture load(const QString &path) const override;
    // JPEG pictures are decoded at a reduced scale (1/2, 1/4 or 1/8) where that still
    // covers `minimumPixels`; other pictures load whole.
    LoadedPicture load(const QString &path, QSize minimumPixels) const override;
    // The same for a picture held in memory (no file-access failures then); an invalid
    // `minimumPixels` asks for the whole picture.
    LoadedPicture loadFromBytes(const QByteArray &bytes, QSize minimumPixels = QSize()) const;
    // The frames of a picture that moves (GIF, APNG, WebP, AVIF and JPEG XL of more than
    // one frame), the decoder chosen by the content: GIF and WebP through Qt's readers
    // (QtFrameDecoder), the others through ApngDecoder, AvifFrameDecoder and
    // JxlFrameDecoder. Null for a still picture.
    FrameDecoderPtr frames(const QString &path) const override;
    // The same for APNG, AVIF and JPEG XL held in memory; null for other formats.
    static FrameDecoderPtr framesFromBytes(QByteArray data);

    // The metafile helper: beside the program unless set. Not to be changed while
    // pictures load on other threads.
    QString metafileHelper() const { return m_metafiles.helperPath(); }
    void setMetafileHelper(const QString &path) { m_metafiles.setHelperPath(path); }
    int metafileTimeoutMs() const { return m_metafiles.timeoutMs(); }
    void setMetafileTimeoutMs(int ms) { m_metafiles.setTimeoutMs(ms); }

    // Pictures larger than this (width × height, in pixels) fail as FileError::Other
    // before any pixel memory is taken.
    static constexpr qint64 MaxPixels = limits::MaxPixels;
    // Metafiles longer than this fail as FileError::Other (their SVG would be far larger).
    static constexpr qint64 MaxMetafileBytes = 64 * 1024 * 1024;
    // A metafile is drawn with at most this many pixels: a larger natural size is drawn
    // scaled down (its natural size in twips stays as the file gives it).
    static constexpr qint64 MaxMetafileRenderPixels = 64'000'000;

private:
    LoadedPicture loadFromDevice(QIODevice &device, QSize minimumPixels = QSize()) const;
    LoadedPicture loadMetafile(QIODevice &device, bool enhanced) const;
    // The formats read whole into memory by a library of their own.
    LoadedPicture loadWhole(QIODevice &device, PictureFormat format) const;

    std::atomic<double> m_dpi;
    MetafileProcess m_metafiles;
};

} // namespace orv
