#include "testutils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace orv::test {

QString corpusDir()
{
    const QByteArray env = qgetenv("ORVANTA_CORPUS");
    return env.isEmpty() ? QStringLiteral(ORVANTA_CORPUS_DIR) : QString::fromLocal8Bit(env);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writePicture(const QString &path, int width, int height)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char *format = (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) ? "JPEG"
                         : suffix == QLatin1String("gif")                                    ? "BMP"
                                                                                             : "BMP";
    ASSERT_TRUE(img.save(path, format)) << path.toStdString();
}

int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return most;
}

} // namespace orv::test
