#pragma once

#include "fileoperations.h"

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
    };

    FileOpResult copyInto(const QString &file, const QString &folder) override
    {
        return run({QStringLiteral("copy"), file, folder},
                   [&](FileOperations &f) { return f.copyInto(file, folder); });
    }
    FileOpResult moveInto(const QString &file, const QString &folder) override
    {
        return run({QStringLiteral("move"), file, folder},
                   [&](FileOperations &f) { return f.moveInto(file, folder); });
    }
    FileOpResult moveToTrash(const QString &file) override
    {
        return run({QStringLiteral("trash"), file, {}},
                   [&](FileOperations &f) { return f.moveToTrash(file); });
    }
    FileOpResult remove(const QString &file) override
    {
        return run({QStringLiteral("remove"), file, {}}, [&](FileOperations &f) { return f.remove(file); });
    }
    FileOpResult rename(const QString &from, const QString &to) override
    {
        return run({QStringLiteral("rename"), from, to},
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
