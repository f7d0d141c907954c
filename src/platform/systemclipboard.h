#pragma once

#include <QImage>
#include <QStringList>

namespace orv {

// The desktop's clipboard, as the program shares it with other programs:
// files for file managers, and a picture for editors and chats.
class SystemClipboard
{
public:
    struct Files {
        QStringList paths; // full paths, as Qt writes them
        bool cut = false;  // moved, not copied, by the paste
    };

    virtual ~SystemClipboard() = default;
    // Puts the files there as file managers read them: text/uri-list, GNOME's
    // and KDE's markers of a cut, and the paths as plain text.
    virtual void setFiles(const QStringList &paths, bool cut) = 0;
    // Puts a picture there: PNG data (image/png) and the image itself.
    virtual void setPicture(const QImage &picture) = 0;
    // The files another program put on the clipboard since the program last put
    // something there itself; no paths when there are none.
    virtual Files foreignFiles() const = 0;
};

} // namespace orv
