#include "benchutil.h"

#include "listfilewriter.h"
#include "picturepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

extern char **environ;

namespace orv::bench {

QString dataDir()
{
    // Absolute: the program holds every picture by its absolute path.
    const QString dir = qEnvironmentVariable("ORVANTA_BENCH_DATA");
    return QDir::cleanPath(QDir::current().absoluteFilePath(dir.isEmpty() ? QStringLiteral(".") : dir));
}

QString dataFile(const QString &name)
{
    return QDir(dataDir()).filePath(name);
}

QString corpusDir()
{
    const QString dir = qEnvironmentVariable("ORVANTA_CORPUS");
    return dir.isEmpty() ? QStringLiteral(ORVANTA_CORPUS_DIR) : dir;
}

bool writeListFile(const QString &path, const QStringList &pictures)
{
    std::vector<PictureEntry> entries;
    for (const QString &p : pictures)
        entries.push_back(splitPicturePath(QDir::toNativeSeparators(QFileInfo(p).absoluteFilePath())));
    return ListFileWriter::write(path, entries).ok;
}

QString selfPath()
{
    return QCoreApplication::applicationFilePath();
}

double runProcessMs(const QStringList &command, QByteArray *output)
{
    std::vector<QByteArray> args;
    for (const QString &a : command)
        args.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    if (output && pipe(pipeFds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output) {
        close(pipeFds[1]);
        if (spawned == 0) {
            char buffer[4096];
            ssize_t n;
            while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
                output->append(buffer, n);
        }
        close(pipeFds[0]);
    }
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = timer.nsecsElapsed() / 1e6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024 / 1e6;
    }
    return -1;
}

std::vector<PictureEntry> manyEntries(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> number(0, 9'999'999);
    std::uniform_int_distribution<int> folder(0, 39);
    std::vector<PictureEntry> entries;
    entries.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        PictureEntry e;
        e.name = QStringLiteral("IMG_%1.jpg").arg(number(random), 7, 10, QLatin1Char('0'));
        e.folder = QStringLiteral("/home/ann/Pictures/%1 trip").arg(2000 + folder(random));
        entries.push_back(std::move(e));
    }
    return entries;
}

} // namespace orv::bench
