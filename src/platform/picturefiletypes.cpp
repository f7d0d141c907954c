#include "picturefiletypes.h"

#include <QCoreApplication>

#include <algorithm>

namespace orv::PictureFileTypes {

const QList<PictureFileType> &all()
{
    static const QList<PictureFileType> table{
        {"Bitmaps", "bmp", "image/bmp"},
        {"Bitmaps", "dib", "image/bmp"},
        {"Icons", "ico", "image/vnd.microsoft.icon"},
        {"Icons", "cur", "image/x-win-bitmap"},
        {"Metafiles", "emf", "image/emf"},
        {"Metafiles", "wmf", "image/wmf"},
        {"JPEG files", "jpg", "image/jpeg"},
        {"JPEG files", "jpeg", "image/jpeg"},
        {"GIF Files", "gif", "image/gif"},
        {"PNG files", "png", "image/png"},
        {"PNG files", "apng", "image/apng"},
        {"WebP files", "webp", "image/webp"},
        {"TIFF files", "tif", "image/tiff"},
        {"TIFF files", "tiff", "image/tiff"},
        {"AVIF files", "avif", "image/avif"},
        {"HEIF files", "heic", "image/heic"},
        {"HEIF files", "heif", "image/heif"},
        {"JPEG XL files", "jxl", "image/jxl"},
        {"SVG drawings", "svg", "image/svg+xml"},
        {"SVG drawings", "svgz", "image/svg+xml-compressed"},
    };
    return table;
}

QStringList extensions()
{
    QStringList out;
    for (const PictureFileType &t : all())
        out.append(QLatin1String(t.extension));
    return out;
}

QString wildcards()
{
    QStringList out;
    for (const PictureFileType &t : all())
        out.append(QLatin1String("*.") + QLatin1String(t.extension));
    return out.join(QLatin1Char(';'));
}

QString dialogFilter()
{
    // The groups in the order the dialog has always listed its first five.
    static const char *const groups[] = {
        QT_TRANSLATE_NOOP("PictureFileTypes", "Bitmaps"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "Metafiles"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "GIF Files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "JPEG files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "Icons"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "PNG files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "WebP files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "TIFF files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "AVIF files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "HEIF files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "JPEG XL files"),
        QT_TRANSLATE_NOOP("PictureFileTypes", "SVG drawings"),
    };
    QString filter = QCoreApplication::translate("PictureFileTypes", "All files") + QLatin1String("(*.*)|*.*|") +
                     QCoreApplication::translate("PictureFileTypes", "All picture files") + QLatin1Char('|') +
                     wildcards();
    for (const char *group : groups) {
        QStringList patterns;
        for (const PictureFileType &t : all()) {
            if (qstrcmp(t.group, group) == 0)
                patterns.append(QLatin1String("*.") + QLatin1String(t.extension));
        }
        // Metafiles have always been listed wmf first.
        if (qstrcmp(group, "Metafiles") == 0)
            std::reverse(patterns.begin(), patterns.end());
        const QString joined = patterns.join(QLatin1Char(';'));
        filter += QLatin1Char('|') + QCoreApplication::translate("PictureFileTypes", group) + QLatin1Char('(') +
                  joined + QLatin1String(")|") + joined;
    }
    return filter;
}

QStringList mimeTypes()
{
    QStringList out;
    for (const PictureFileType &t : all()) {
        if (!out.contains(QLatin1String(t.mimeType)))
            out.append(QLatin1String(t.mimeType));
    }
    return out;
}

bool endsInLowerCaseExtension(const QString &name)
{
    for (const PictureFileType &t : all()) {
        if (name.endsWith(QLatin1String(t.extension)))
            return true;
    }
    return false;
}

} // namespace orv::PictureFileTypes
