#pragma once

#include <QByteArray>
#include <QString>

namespace orv::test {

// Folder of the shared picture corpus (read-only).
QString corpusDir();

// Writes `bytes` to `path`, creating folders; fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Writes a small valid picture (BMP or JPEG by extension) of the given size.
void writePicture(const QString &path, int width, int height);

} // namespace orv::test
