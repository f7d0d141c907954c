#pragma once

// Shared set-up of the libFuzzer harnesses.

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace orv::fuzz {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Qt's warnings about damaged input are expected by the thousand: they are dropped.
// A fatal message still ends the run, as a finding.
inline void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "qFatal: %s\n", qUtf8Printable(text));
        std::abort();
    }
}

// A GUI application on the offscreen platform (fonts and image plug-ins need one).
inline void startGuiApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "orvanta-fuzz";
    static char *argv[] = {name, nullptr};
    // Kept to the end of the process: libFuzzer leaves through exit().
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    Q_UNUSED(app);
}

// A finding that is no crash by itself: a broken invariant.
#define ORV_FUZZ_CHECK(condition)                                                                            \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

} // namespace orv::fuzz
