#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orv {

// Fixed-width text fields of the program's record files (list files and the
// settings file). A field holds the text's UTF-8 bytes, cut at a character
// boundary to the field width and padded on the right with blanks; the width
// counts bytes. Reading takes valid UTF-8 as is and anything else as
// Windows-1252, the code page of files written by Windows builds.
class ListFileField
{
public:
    // The field bytes of `text`: exactly `width` bytes.
    static QByteArray encode(const QString &text, int width);

    // The field's text without its trailing blanks.
    static QString decode(QByteArrayView field);

    // Bytes as text (valid UTF-8 as is, else Windows-1252), nothing removed.
    static QString decodeText(QByteArrayView bytes);

    // The bytes without trailing blanks (0x20).
    static QByteArrayView trimmedRight(QByteArrayView field);

    // Whether reading back a field of `width` bytes gives `text` again: false
    // when the text is cut or ends in blanks.
    static bool roundTrips(const QString &text, int width);

    // The UTF-8 bytes of `text` cut to at most `maxBytes` without splitting a
    // character.
    static QByteArray utf8Prefix(const QString &text, int maxBytes);
};

} // namespace orv
