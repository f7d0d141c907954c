#pragma once

#include <QByteArray>
#include <QString>

namespace orv {

// The settings file `Orvanta.ini` as a whole: each operation reads or replaces
// the file and closes it again. Replacing is atomic (a failed save leaves the
// old file whole). When the file cannot be written at all, the program goes
// on with a copy in memory (see keepInMemory).
class SettingsFile
{
public:
    static QString fileName() { return QStringLiteral("Orvanta.ini"); }
    // A longer file is no settings file of this program (which writes 800
    // bytes at most) and is not read.
    static constexpr qint64 MaxBytes = 16 << 20;

    // Orvanta.ini in `apppath` when that folder is writable and the program
    // does not run from the installed layout (a build folder, a portable copy),
    // else in `configFolder` (the program passes the per-user configuration
    // folder).
    static QString location(const QString &apppath, const QString &configFolder);
    // The same with QStandardPaths::AppConfigLocation.
    static QString location(const QString &apppath);
    // The system default settings file of an installed program (see
    // InstallLayout::systemSettingsFile, with the XDG configuration folders),
    // or empty.
    static QString systemDefault(const QString &apppath);

    explicit SettingsFile(QString path);

    QString path() const { return m_path; }
    // A file read in place of the user's own while the user has none (the
    // installation's defaults); the first save creates the user's file.
    void setSystemDefault(const QString &path) { m_systemDefault = path; }
    QString systemDefault() const { return m_systemDefault; }
    // Whether the user's file or the system default exists.
    bool exists() const;

    struct Loaded {
        QByteArray bytes; // empty for a missing file (and no system default)
        int error = 0;    // FileError number when the file cannot be read
        QString errorString;
    };
    // Only a regular file is read; anything else at the path (a device, a
    // named pipe), like a file longer than MaxBytes, cannot be read.
    Loaded load() const;

    struct Saved {
        bool ok = true;
        QString errorString;
    };
    // Replaces the whole file with `bytes`, creating its folder if needed.
    Saved save(const QByteArray &bytes);

    // From now on the settings live in memory only: load() gives these bytes
    // and save() keeps the new ones, for the rest of the run.
    void keepInMemory(const QByteArray &bytes);
    bool isMemoryOnly() const { return m_memoryOnly; }

    // Messages for failures, naming the file and the reason.
    QString saveFailedText(const QString &reason) const;
    QString readFailedText(const QString &reason) const;
    QString memoryOnlyText(const QString &reason) const;
    QString unreadableText(const QString &reason) const;

private:
    // The file load() reads: the user's own, else the system default.
    QString readPath() const;

    QString m_path;
    QString m_systemDefault;
    bool m_memoryOnly = false;
    QByteArray m_memory;
};

} // namespace orv
