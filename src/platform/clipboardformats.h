#pragma once

#include "systemclipboard.h"

#include <QImage>
#include <QStringList>

class QMimeData;

namespace orv {

// The clipboard formats file managers and editors exchange, apart from the
// clipboard itself.
namespace clipboardformats {

inline constexpr const char *UriList = "text/uri-list";
inline constexpr const char *GnomeFiles = "x-special/gnome-copied-files";
inline constexpr const char *KdeCut = "application/x-kde-cutselection";
inline constexpr const char *Png = "image/png";

// Files as file managers expect them: text/uri-list, GNOME's "copy" or "cut"
// line followed by the addresses, KDE's "1" for a cut, and the paths as text.
QMimeData *filesData(const QStringList &paths, bool cut);
// The local files the data names (text/uri-list), and whether GNOME's or
// KDE's marker calls them cut. Addresses that are not local files are left out.
SystemClipboard::Files filesOf(const QMimeData &data);
// A picture as PNG data and as an image.
QMimeData *pictureData(const QImage &picture);

} // namespace clipboardformats
} // namespace orv
