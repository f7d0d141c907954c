#pragma once

#include "fileoperations.h"

#include <QFileInfo>
#include <QHash>
#include <QList>
#include <functional>

namespace orv::test {

// Records every file operation and answers from a script keyed by the
// file's path; other calls go to `fallback` (a real implementation on the
// test's own folders) or, without one, succeed without touching any file.
class FakeFileOperations : public FileOperations
{
public:
    struct Call {
        QString op; // "copy", "move", "trash", "remove", "rename"
        QString path;
        QString target; // the folder or the new path
        QString name;   // copy, move: the name in the folder (empty: its own)
    };

    FileOpResult copyInto(const QString &file, const QString &folder, const QString &name = {}) override
    {
        return run({QStringLiteral("copy"), file, folder, name},
                   [&](FileOperations &f) { return f.copyInto(file, folder, name); });
    }
    FileOpResult moveInto(const QString &file, const QString &folder, const QString &name = {}) override
    {
        return run({QStringLiteral("move"), file, folder, name},
                   [&](FileOperations &f) { return f.moveInto(file, folder, name); });
    }
    // The fallback's answer, else the real file system's (folders count).
    bool exists(const QString &path) override
    {
        return fallback ? fallback->exists(path) : QFileInfo(path).exists() || QFileInfo(path).isSymLink();
    }
    bool sameFile(const QString &a, const QString &b) override
    {
        if (fallback)
            return fallback->sameFile(a, b);
        const QString canonical = QFileInfo(a).canonicalFilePath();
        return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
    }
    void removeStaleTemporaries(const QString &folder) override
    {
        cleaned << folder;
        if (fallback)
            fallback->removeStaleTemporaries(folder);
    }
    FileOpResult moveToTrash(const QString &file) override
    {
        return run({QStringLiteral("trash"), file, {}, {}},
                   [&](FileOperations &f) { return f.moveToTrash(file); });
    }
    FileOpResult remove(const QString &file) override
    {
        return run({QStringLiteral("remove"), file, {}, {}}, [&](FileOperations &f) { return f.remove(file); });
    }
    FileOpResult rename(const QString &from, const QString &to) override
    {
        return run({QStringLiteral("rename"), from, to, {}},
                   [&](FileOperations &f) { return f.rename(from, to); });
    }

    // "op path" of every call, for comparing with an expected list.
    QStringList log() const
    {
        QStringList out;
        for (const Call &c : calls)
            out << c.op + QLatin1Char(' ') + c.path;
        return out;
    }

    QList<Call> calls;
    // The folders removeStaleTemporaries was asked to clean.
    QStringList cleaned;
    // Answers for "op path" ("trash /tmp/x/a.jpg"), taken instead of the fallback.
    QHash<QString, FileOpResult> scripted;
    FileOperations *fallback = nullptr;
    std::function<void(const Call &)> onCall;

private:
    FileOpResult run(const Call &call, const std::function<FileOpResult(FileOperations &)> &real)
    {
        calls.append(call);
        if (onCall)
            onCall(call);
        const auto it = scripted.constFind(call.op + QLatin1Char(' ') + call.path);
        if (it != scripted.constEnd())
            return *it;
        return fallback ? real(*fallback) : FileOpResult::done();
    }
};

} // namespace orv::test
