#include "metafileprocess.h"

#include "metafilewire.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>

#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#define ORV_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORV_ADDRESS_SANITIZER 1
#endif
#endif

namespace orv {

namespace {

// Runs in the forked child before the helper starts: only async-signal-safe calls.
void limitChild(qint64 addressSpace)
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (addressSpace > 0) {
        const rlimit space{rlim_t(addressSpace), rlim_t(addressSpace)};
        setrlimit(RLIMIT_AS, &space);
    }
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(-1);
}

} // namespace

QString MetafileProcess::defaultHelperPath()
{
    if (!QCoreApplication::instance())
        return {};
    return QDir(QCoreApplication::applicationDirPath()).filePath(helperName());
}

bool MetafileProcess::addressSpaceLimitSupported()
{
#ifdef ORV_ADDRESS_SANITIZER
    return false;
#else
    return true;
#endif
}

MetafileProcess::MetafileProcess(QString helperPath) : m_helperPath(std::move(helperPath)) {}

MetafileProcess::Result MetafileProcess::convert(Kind kind, const QByteArray &data, double dpi,
                                                 qint64 maxPixels) const
{
    Result result;
    if (m_helperPath.isEmpty())
        return result;

    QProcess process;
    process.setProgram(m_helperPath);
    process.setArguments({kind == Kind::Wmf ? QStringLiteral("wmf") : QStringLiteral("emf"),
                          QString::number(dpi, 'g', 17), QString::number(maxPixels)});
    // The helper says nothing on success; whatever it reports on a fault (a sanitizer's
    // report in a test build) goes where the program's own messages go.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 addressSpace = addressSpaceLimitSupported() ? m_memoryLimit : 0;
    process.setChildProcessModifier([addressSpace] { limitChild(addressSpace); });

    QElapsedTimer clock;
    clock.start();
    const auto left = [&clock, this] { return std::max<qint64>(0, m_timeoutMs - clock.elapsed()); };

    process.start(QIODevice::ReadWrite);
    if (!process.waitForStarted(int(left())) || process.state() != QProcess::Running) {
        if (process.state() != QProcess::NotRunning)
            stop(process);
        result.status = process.error() == QProcess::Timedout ? Status::TimedOut : Status::NotStarted;
        return result;
    }
    process.write(data);
    process.closeWriteChannel();

    QByteArray output;
    while (process.state() != QProcess::NotRunning) {
        if (left() == 0) {
            stop(process);
            result.status = Status::TimedOut;
            return result;
        }
        if (process.bytesToWrite() > 0)
            process.waitForBytesWritten(int(left()));
        else if (!process.waitForReadyRead(int(left())) && process.state() != QProcess::NotRunning)
            process.waitForFinished(int(left())); // its output is closed: wait for the end
        output += process.readAllStandardOutput();
        if (output.size() > MetafileWire::HeaderSize + MaxSvgBytes) {
            stop(process);
            result.status = Status::BadOutput;
            return result;
        }
    }
    output += process.readAllStandardOutput();

    if (process.exitStatus() == QProcess::CrashExit) {
        result.status = Status::Crashed;
        return result;
    }
    if (process.exitCode() != 0) {
        result.status = Status::Refused;
        return result;
    }
    std::optional<MetafileSvg> svg = MetafileWire::decode(output, MaxSvgBytes);
    if (!svg) {
        result.status = Status::BadOutput;
        return result;
    }
    result.status = Status::Converted;
    result.svg = std::move(*svg);
    return result;
}

} // namespace orv
