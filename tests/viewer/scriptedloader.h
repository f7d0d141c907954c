#pragma once

#include "pictureloader.h"

#include <QColor>
#include <QFile>
#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QSet>
#include <QThread>

namespace orv::test {

// A thread-safe loader for the cache's tests. A picture file holds a line
// "W H colour"; the image has that many pixels in that colour. A missing file
// fails as "file not found", any other content as the other failure. The next
// load of a gated path stops inside load(), after reading the file, until
// release() is called, so that a test can act while a decode is under way.
// Every call is recorded.
class ScriptedLoader : public PictureLoader
{
public:
    struct Call {
        QString path;
        QSize minimum;
        bool onWorker = false;
    };

    LoadedPicture load(const QString &path) const override { return load(path, QSize()); }
    LoadedPicture load(const QString &path, QSize minimumPixels) const override
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            record(path, minimumPixels);
            return LoadedPicture::failure(FileError::FileNotFound);
        }
        const QList<QByteArray> fields = file.readAll().trimmed().split(' ');
        {
            QMutexLocker lock(&m_mutex);
            if (m_gated.remove(path)) {
                lock.unlock();
                m_started.release();
                m_gate.acquire();
            }
        }
        record(path, minimumPixels);
        bool okWidth = false, okHeight = false;
        const int width = fields.value(0).toInt(&okWidth);
        const int height = fields.value(1).toInt(&okHeight);
        if (fields.size() != 3 || !okWidth || !okHeight || width <= 0 || height <= 0)
            return LoadedPicture::failure(FileError::Other);
        LoadedPicture p;
        p.image = QImage(width, height, QImage::Format_RGB32);
        p.image.fill(QColor(QString::fromLatin1(fields[2])));
        p.naturalTwips = QSize(width * 15, height * 15);
        return p;
    }

    void gate(const QString &path)
    {
        QMutexLocker lock(&m_mutex);
        m_gated.insert(path);
    }
    // Waits until a gated decode has read its file and stopped at the gate.
    void waitUntilGated() { m_started.acquire(); }
    void release() { m_gate.release(); }

    QList<Call> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    int callsFor(const QString &path) const
    {
        int n = 0;
        const QList<Call> all = calls();
        for (const Call &c : all)
            n += c.path == path ? 1 : 0;
        return n;
    }

private:
    void record(const QString &path, QSize minimum) const
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append({path, minimum, QThread::currentThread() != m_uiThread});
    }

    mutable QMutex m_mutex;
    mutable QList<Call> m_calls;
    mutable QSet<QString> m_gated;
    mutable QSemaphore m_gate;
    mutable QSemaphore m_started;
    QThread *m_uiThread = QThread::currentThread();
};

} // namespace orv::test
