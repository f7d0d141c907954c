#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtEndian>

namespace orv::test {

// Little-endian fields, for files the tests build byte by byte.
inline void appendLe16(QByteArray &d, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    d.append(b, 2);
}
inline void appendLe32(QByteArray &d, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    d.append(b, 4);
}

// A picture saved in `format` ("BMP", "JPEG", ...), as the bytes of a file.
inline QByteArray encodedImage(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Folder of the shared picture corpus (read-only).
QString corpusDir();

// Writes `bytes` to `path`, creating folders; fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Writes a small valid picture (BMP or JPEG by extension) of the given size.
void writePicture(const QString &path, int width, int height);

// The largest difference of one colour channel between two pictures; 256
// when their sizes differ.
int largestDifference(const QImage &a, const QImage &b);

} // namespace orv::test
