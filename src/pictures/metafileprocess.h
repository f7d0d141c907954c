#pragma once

#include "metafiledata.h"

#include <QByteArray>
#include <QString>

namespace orv {

// Converts metafiles to SVG in the helper process orvanta-metafile, so that a fault of
// libwmf or libemf2svg (both old C code) on a damaged file ends only the helper. The
// helper runs with a time limit, a memory limit and no core dump; the caller gets the
// SVG or a failure and goes on either way. Thread-safe: each call starts its own process.
class MetafileProcess
{
public:
    enum class Kind { Wmf, Emf };
    enum class Status {
        Converted,
        Refused,   // the helper could not convert the file
        Crashed,   // the helper died on a signal
        TimedOut,  // killed after the time limit
        BadOutput, // the helper's output is not one well-formed result
        NotStarted // no helper at the given path, or it could not be run
    };
    struct Result {
        Status status = Status::NotStarted;
        MetafileSvg svg;
    };

    static QString helperName() { return QStringLiteral("orvanta-metafile"); }
    // orvanta-metafile beside the running program (QCoreApplication::applicationDirPath());
    // empty without an application object.
    static QString defaultHelperPath();

    static constexpr int DefaultTimeoutMs = 5000;
    static constexpr qint64 DefaultMemoryLimit = qint64(1) << 30;
    // The largest SVG accepted back from the helper.
    static constexpr qsizetype MaxSvgBytes = 256 * 1024 * 1024;

    explicit MetafileProcess(QString helperPath = defaultHelperPath());

    QString helperPath() const { return m_helperPath; }
    void setHelperPath(const QString &path) { m_helperPath = path; }
    int timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // Address-space limit of the helper in bytes (0: none). Not applied in builds with
    // AddressSanitizer, whose shadow memory needs far more address space than it uses.
    qint64 memoryLimit() const { return m_memoryLimit; }
    void setMemoryLimit(qint64 bytes) { m_memoryLimit = bytes; }

    // Converts `data` (a whole metafile) with pixels at `dpi`; a WMF whose picture would
    // have more than `maxPixels` pixels is refused without being played.
    Result convert(Kind kind, const QByteArray &data, double dpi, qint64 maxPixels) const;

    static bool addressSpaceLimitSupported();

private:
    QString m_helperPath;
    int m_timeoutMs = DefaultTimeoutMs;
    qint64 m_memoryLimit = DefaultMemoryLimit;
};

} // namespace orv
