#pragma once

#include <QString>

namespace orv {

// The caption of a recent-lists menu item: the first 10 characters of the
// path, " ..... ", and the last 15 characters, whatever the path's length.
class RecentListCaption
{
public:
    static QString caption(const QString &path);

    // The caption as QAction text: an "&" in the path stays an "&" instead
    // of marking an accelerator.
    static QString actionText(const QString &path);
};

} // namespace orv
