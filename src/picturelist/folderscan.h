#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace orv {

// Lists the subfolders and the matching files of a folder for the open-folder
// dialog. Names match the patterns without regard to case (IMG_0001.JPG
// matches *.jpg) and come sorted alphabetically without regard to case.
// Hidden files and folders are left out, as the file list of the original
// platform does by default.
class FolderScan
{
public:
    // One folder's names; `readable` is false when the folder is missing or
    // cannot be read (then `names` is empty).
    struct Listing {
        bool readable = false;
        QStringList names;
    };

    // `pattern`: wildcards separated by semicolons, "*.bmp;*.jpg".
    explicit FolderScan(const QString &pattern);

    // The picture files the open dialogs offer, as a pattern.
    static QString picturePattern();
    // A scan of that pattern, made once.
    static const FolderScan &pictures();

    bool matches(const QString &fileName) const;
    Listing files(const QString &folder) const;
    // Whether files(folder) would list anything: stops at the first match.
    bool hasFiles(const QString &folder) const;
    static Listing subfolders(const QString &folder);

    // Whether the folder exists and its entries can be listed.
    static bool isReadableFolder(const QString &folder);
    // Alphabetical without regard to case; names that differ only in case
    // keep a fixed order (binary order between them).
    static void sortNames(QStringList &names);

private:
    // "*.ext" is matched as a suffix, anything else by a regular expression.
    struct Pattern {
        QString suffix;
        QRegularExpression wildcard;
    };
    std::vector<Pattern> m_patterns;
};

// The folder of a dialog path (as Qt writes it) the way the picture list holds
// it: native separators, no trailing separator, a drive root as "C:" and the
// Linux root "/" as "".
QString listFolderOf(const QString &dirPath);

} // namespace orv
