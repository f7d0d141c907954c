#pragma once

#include "filestamp.h"
#include "pictureloader.h"
#include "pictureprefetcher.h"

#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <list>
#include <memory>

template <typename T> class QFutureWatcher;

namespace orv {

// A picture loader in front of another that keeps the pictures shown last and
// decodes prefetched ones on a worker thread, within a memory budget.
//
// load() answers from the cache only when the cached picture covers the size
// asked for and its file is unchanged (same stamp as when it was decoded);
// otherwise, and whenever a prefetch failed, it loads on the spot, so that
// failures surface at display time exactly as without the cache. A decode
// still running for the picture asked for is waited for rather than started
// again.
//
// Pictures with a colour profile are kept in the screen's colours where they
// are drawn as they are (true size); a picture decoded for the viewing area
// keeps its own colours and its smooth copy takes the screen's.
//
// The worker thread only runs the wrapped loader (which must be thread-safe),
// converts colours and hands the images back; the cache's own state lives on the thread that
// owns it, where load() and prefetch() are called.
class PictureCache : public QObject, public PictureLoader, public PicturePrefetcher
{
    Q_OBJECT
public:
    // The picture on screen and its two neighbours, at 24 megapixels each.
    static constexpr qint64 DefaultBudgetBytes = 300LL * 1024 * 1024;
    // At most this many decodes wait for the worker or run: older ones not
    // begun yet are dropped (the pictures after and before the one on screen).
    static constexpr size_t MaxQueued = 2;

    explicit PictureCache(const PictureLoader &loader, qint64 budgetBytes = DefaultBudgetBytes,
                          QObject *parent = nullptr);
    ~PictureCache() override;

    LoadedPicture load(const QString &path) const override;
    LoadedPicture load(const QString &path, QSize minimumPixels) const override;
    // A picture held already is not decoded again; with `drawnSize`, only its
    // smooth copy is made when it has none of that size.
    void prefetch(const QString &path, QSize minimumPixels, DrawnSize drawnSize = {}) override;
    QImage scaledCopy(const QImage &picture, QSize pixels) const override;
    // Frames are not cached: they come from the wrapped loader as they play.
    FrameDecoderPtr frames(const QString &path) const override { return m_loader.frames(path); }

    // Blocks until every decode under way has ended and been taken in.
    void waitForPrefetches();
    // Forgets every cached picture; decodes under way still finish.
    void clear();

    qint64 budgetBytes() const { return m_budget; }
    qint64 bytesUsed() const;
    int cachedCount() const { return int(m_entries.size()); }
    // Whether a picture of `path` covering `minimumPixels` is held.
    bool isCached(const QString &path, QSize minimumPixels = QSize()) const;
    bool isPending(const QString &path) const;

    // Whether a picture decoded for `have` serves a request for `want`
    // (an invalid size stands for the full picture).
    static bool covers(QSize have, QSize want);

private:
    // What the worker is given: a file to decode, or a picture decoded
    // already that only needs its smooth copy.
    struct Job {
        QString path;
        QSize minimum;
        DrawnSize drawnSize;
        LoadedPicture decoded;
        FileStamp stamp;
    };
    struct Decoded {
        LoadedPicture picture;
        QImage scaled;
        FileStamp stamp;     // taken before decoding
        bool stable = false; // the file had the same stamp after decoding
        quint64 colours = 0; // the screen colours' generation it was converted for
    };
    struct Entry {
        QString path;
        QSize minimum;
        FileStamp stamp;
        LoadedPicture picture;
        QImage scaled;
        qint64 bytes = 0;
        quint64 lastUse = 0;
    };
    // A decode's progress, shared with the worker: one still queued can be
    // dropped without running.
    enum Progress { Queued, Begun, Dropped };
    struct Pending {
        QString path;
        QSize minimum;
        QFuture<Decoded> future;
        QFutureWatcher<Decoded> *watcher = nullptr;
        std::shared_ptr<std::atomic_int> progress;
    };

    // Whether `entry` answers a request for `want` (see covers()).
    static bool serves(const Entry &entry, QSize want);
    static Decoded run(const PictureLoader &loader, const Job &job);
    // A picture as it is kept: in the screen's colours when it is drawn as it is.
    static LoadedPicture forDrawing(LoadedPicture picture, QSize minimumPixels);
    // Whether a smooth copy of `image` at `size` is worth keeping.
    static bool wantsCopy(const QImage &image, QSize size);
    void launch(Job job);

    std::list<Entry>::iterator findEntry(const QString &path) const;
    std::list<Pending>::iterator findPending(const QString &path, QSize minimumPixels) const;
    Decoded take(std::list<Pending>::iterator pending) const;
    void takeFinished(QFutureWatcher<Decoded> *watcher);
    void store(const QString &path, QSize minimum, const FileStamp &stamp, const LoadedPicture &picture,
               const QImage &scaled = QImage()) const;
    // Drops pictures until `incoming` more bytes fit the budget, never those of
    // `keep` and `alsoKeep`; false when they cannot be made to fit.
    void forgetOtherColours() const;
    bool makeRoom(qint64 incoming, const QString &keep, const QString &alsoKeep = QString()) const;

    const PictureLoader &m_loader;
    const qint64 m_budget;
    // One worker: decoding next to the user-interface thread, not against it.
    mutable QThreadPool m_pool;
    mutable std::list<Entry> m_entries;
    mutable quint64 m_colours = 0; // the screen colours' generation of the entries
    mutable std::list<Pending> m_pending;
    mutable QString m_shown;        // asked for last: never dropped to make room
    mutable quint64 m_clock = 0;    // use counter for least-recently-used order
    mutable qint64 m_lastBytes = 0; // size of the last picture taken in: the guess for the next
};

} // namespace orv
