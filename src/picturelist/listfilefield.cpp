#include "listfilefield.h"

#include <QStringDecoder>

namespace orv {

namespace {

// Windows-1252 at 0x80-0x9F; the five unassigned bytes map to the C1
// controls of the same value, as Windows itself does.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(cp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return out;
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

QByteArray ListFileField::utf8Prefix(const QString &text, int maxBytes)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= maxBytes)
        return utf8;
    qsizetype cut = std::max(0, maxBytes);
    // Step back while the first byte left out continues the character before it.
    while (cut > 0 && isContinuationByte(utf8[cut]))
        --cut;
    utf8.truncate(cut);
    return utf8;
}

QByteArray ListFileField::encode(const QString &text, int width)
{
    QByteArray field = utf8Prefix(text, width);
    field.append(width - field.size(), ' ');
    return field;
}

QByteArrayView ListFileField::trimmedRight(QByteArrayView field)
{
    qsizetype n = field.size();
    while (n > 0 && field[n - 1] == ' ')
        --n;
    return field.first(n);
}

QString ListFileField::decodeText(QByteArrayView bytes)
{
    // Keep a leading byte-order mark as a character: the field is taken as is.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

QString ListFileField::decode(QByteArrayView field)
{
    return decodeText(trimmedRight(field));
}

bool ListFileField::roundTrips(const QString &text, int width)
{
    return decode(encode(text, width)) == text;
}

} // namespace orv
