#include "oddfiles.h"

#include <QFile>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::test {

namespace {
// The user "nobody".
constexpr uid_t kOrdinaryUser = 65534;
constexpr gid_t kOrdinaryGroup = 65534;
} // namespace

AsOrdinaryUser::AsOrdinaryUser()
{
    if (::geteuid() != 0)
        return;
    // The group first: an ordinary user may no longer change it.
    m_switched = ::setegid(kOrdinaryGroup) == 0 && ::seteuid(kOrdinaryUser) == 0;
    EXPECT_TRUE(m_switched) << "could not run as an ordinary user";
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (!m_switched)
        return;
    const bool back = ::seteuid(0) == 0 && ::setegid(0) == 0;
    EXPECT_TRUE(back) << "could not return to root";
}

void openToEveryone(const QString &folder)
{
    ::chmod(QFile::encodeName(folder).constData(), 0777);
}

StuckPipe::StuckPipe(const QString &path, int patienceMs) : m_path(path)
{
    const QByteArray native = QFile::encodeName(path);
    m_made = ::mkfifo(native.constData(), 0666) == 0;
    if (!m_made)
        return;
    m_watch = std::thread([this, native, patienceMs] {
        using namespace std::chrono;
        const auto start = steady_clock::now();
        while (!m_stop) {
            std::this_thread::sleep_for(milliseconds(50));
            if (steady_clock::now() - start < milliseconds(patienceMs))
                continue;
            // Opening the writing end succeeds only while someone reads.
            const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
                ++m_letGo;
            }
        }
    });
}

StuckPipe::~StuckPipe()
{
    m_stop = true;
    if (m_watch.joinable())
        m_watch.join();
}

void makeSparseFile(const QString &path, qint64 size)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_TRUE(f.resize(size));
}

FullDiskAfter::FullDiskAfter(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_old = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FullDiskAfter::~FullDiskAfter()
{
    rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_old);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace orv::test
