#pragma once

#include <QString>
#include <atomic>
#include <thread>

namespace orv::test {

// Runs the code of its lifetime as an ordinary user, for whom file
// permissions hold (they do not bind root, whom tests often run as). Does
// nothing when the process is no root to begin with.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

private:
    bool m_switched = false;
};

// Makes `folder` open to every user (for a test run as an ordinary user).
void openToEveryone(const QString &folder);

// A named pipe at `path` that nobody writes to: a program reading it would
// wait for ever. While this lives, a reader found waiting on the pipe (once
// `patienceMs` have passed) is let go with an empty read and counted, so that
// a test fails instead of hanging.
class StuckPipe
{
public:
    explicit StuckPipe(const QString &path, int patienceMs = 1500);
    ~StuckPipe();
    StuckPipe(const StuckPipe &) = delete;
    StuckPipe &operator=(const StuckPipe &) = delete;

    bool made() const { return m_made; }
    // Readers that waited on the pipe and were let go.
    int readersLetGo() const { return m_letGo; }

private:
    QString m_path;
    bool m_made = false;
    std::atomic_bool m_stop{false};
    std::atomic_int m_letGo{0};
    std::thread m_watch;
};

// While this lives no file this process writes may grow past `bytes`: a write
// stops there, as on a full disk (the signal that would end the process is
// ignored, so the write fails with EFBIG instead).
class FullDiskAfter
{
public:
    explicit FullDiskAfter(qint64 bytes);
    ~FullDiskAfter();
    FullDiskAfter(const FullDiskAfter &) = delete;
    FullDiskAfter &operator=(const FullDiskAfter &) = delete;

private:
    unsigned long long m_old = 0;
};

// A file of `size` zero bytes that takes no room on disk.
void makeSparseFile(const QString &path, qint64 size);

} // namespace orv::test
