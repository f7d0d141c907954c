#include "picturecache.h"

#include "compactpicture.h"
#include "screencolours.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace orv {

namespace {
// Larger copies are not kept: the picture is then drawn piecewise.
constexpr qint64 MaxCopyPixels = 16 * 1024 * 1024;
} // namespace

PictureCache::PictureCache(const PictureLoader &loader, qint64 budgetBytes, QObject *parent)
    : QObject(parent), m_loader(loader), m_budget(budgetBytes)
{
    m_pool.setMaxThreadCount(1);
    m_pool.setObjectName(QStringLiteral("PictureCache"));
    m_colours = ScreenColours::generation();
}

PictureCache::~PictureCache()
{
    // The workers use the wrapped loader, which may go right after the cache.
    m_pool.waitForDone();
}

bool PictureCache::covers(QSize have, QSize want)
{
    if (!have.isValid())
        return true;
    return want.isValid() && have.width() >= want.width() && have.height() >= want.height();
}

bool PictureCache::serves(const Entry &entry, QSize want)
{
    // A compact whole picture is kept for true size; a picture for the
    // viewing area is decoded smaller rather than scaled from it (which
    // would take it back to four bytes a pixel first).
    if (want.isValid() && entry.picture.image.format() == QImage::Format_RGB888 && !entry.minimum.isValid())
        return false;
    return covers(entry.minimum, want);
}

bool PictureCache::wantsCopy(const QImage &image, QSize size)
{
    return size.isValid() && !size.isEmpty() && size != image.size() &&
           qint64(size.width()) * size.height() <= MaxCopyPixels;
}

PictureCache::Decoded PictureCache::run(const PictureLoader &loader, const Job &job)
{
    Decoded d;
    d.colours = ScreenColours::generation();
    if (job.decoded.ok()) {
        d.picture = job.decoded;
        d.stamp = job.stamp;
        d.stable = true;
    } else {
        d.stamp = FileStamp::of(job.path);
        d.picture = loader.load(job.path, job.minimum);
        d.stable = d.stamp.isValid() && FileStamp::of(job.path) == d.stamp;
        d.picture = forDrawing(std::move(d.picture), job.minimum);
    }
    if (d.picture.ok() && job.drawnSize) {
        const QSize size = job.drawnSize(d.picture.naturalTwips);
        if (wantsCopy(d.picture.image, size))
            d.scaled = ScreenColours::converted(CompactPicture::smoothlyScaled(d.picture.image, size));
    }
    return d;
}

LoadedPicture PictureCache::forDrawing(LoadedPicture picture, QSize minimumPixels)
{
    // The whole picture is asked for where it is drawn as it is (true size):
    // it is the drawn copy, so it takes the screen's colours here, and it is
    // kept compact. A picture decoded for the viewing area is drawn through a
    // scaled copy, which is converted instead (far fewer pixels).
    if (!minimumPixels.isValid())
        picture.image = CompactPicture::compacted(ScreenColours::converted(std::move(picture.image)));
    return picture;
}

LoadedPicture PictureCache::load(const QString &path) const
{
    return load(path, QSize());
}

void PictureCache::forgetOtherColours() const
{
    // Pictures converted for the screen's former colours are decoded anew.
    const quint64 colours = ScreenColours::generation();
    if (colours != m_colours) {
        m_entries.clear();
        m_colours = colours;
    }
}

LoadedPicture PictureCache::load(const QString &path, QSize minimumPixels) const
{
    forgetOtherColours();
    m_shown = path;
    if (auto e = findEntry(path); e != m_entries.end() && serves(*e, minimumPixels)) {
        if (FileStamp::of(path) == e->stamp) {
            e->lastUse = ++m_clock;
            return e->picture;
        }
        m_entries.erase(e);
    }
    if (auto p = findPending(path, minimumPixels); p != m_pending.end()) {
        const QSize decodedFor = p->minimum;
        const Decoded d = take(p);
        if (d.picture.ok() && d.stable && d.colours == m_colours && FileStamp::of(path) == d.stamp) {
            store(path, decodedFor, d.stamp, d.picture, d.scaled);
            return d.picture;
        }
        // A failed or outdated prefetch: load again, so that a failure is the
        // one the file gives now.
    }
    const FileStamp before = FileStamp::of(path);
    const LoadedPicture picture = forDrawing(m_loader.load(path, minimumPixels), minimumPixels);
    if (picture.ok() && before.isValid() && FileStamp::of(path) == before)
        store(path, minimumPixels, before, picture);
    return picture;
}

void PictureCache::prefetch(const QString &path, QSize minimumPixels, DrawnSize drawnSize)
{
    forgetOtherColours();
    if (auto e = findEntry(path); e != m_entries.end() && serves(*e, minimumPixels)) {
        if (FileStamp::of(path) == e->stamp) {
            if (!drawnSize || isPending(path))
                return;
            const QSize size = drawnSize(e->picture.naturalTwips);
            if (wantsCopy(e->picture.image, size) && e->scaled.size() != size)
                launch({path, e->minimum, [size](QSize) { return size; }, e->picture, e->stamp});
            return;
        }
        m_entries.erase(e);
    }
    if (findPending(path, minimumPixels) != m_pending.end())
        return;
    launch({path, minimumPixels, std::move(drawnSize), LoadedPicture(), FileStamp()});
}

void PictureCache::launch(Job job)
{
    // Work asked for earlier and not begun yet is dropped: the user has moved
    // on since.
    for (auto p = m_pending.begin(); p != m_pending.end() && m_pending.size() >= MaxQueued;) {
        int queued = Queued;
        if (!p->progress->compare_exchange_strong(queued, Dropped)) {
            ++p; // begun: it ends soon enough
            continue;
        }
        p->watcher->disconnect(this);
        p->watcher->deleteLater();
        p = m_pending.erase(p);
    }
    // Room for this picture and for those under way, guessed from the last
    // one taken in; the picture on screen stays.
    if (!makeRoom(m_lastBytes * qint64(m_pending.size() + 1), m_shown))
        return;

    Pending p;
    p.path = job.path;
    p.minimum = job.minimum;
    p.progress = std::make_shared<std::atomic_int>(Queued);
    const PictureLoader *loader = &m_loader;
    p.future = QtConcurrent::run(&m_pool, [loader, job = std::move(job), progress = p.progress] {
        int queued = Queued;
        if (!progress->compare_exchange_strong(queued, Begun))
            return Decoded();
        return run(*loader, job);
    });
    p.watcher = new QFutureWatcher<Decoded>(this);
    QFutureWatcher<Decoded> *watcher = p.watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] { takeFinished(watcher); });
    watcher->setFuture(p.future);
    m_pending.push_back(std::move(p));
}

QImage PictureCache::scaledCopy(const QImage &picture, QSize pixels) const
{
    for (const Entry &e : m_entries) {
        if (e.picture.image.cacheKey() == picture.cacheKey() && !e.scaled.isNull() &&
            e.scaled.size() == pixels)
            return e.scaled;
    }
    return QImage();
}

void PictureCache::takeFinished(QFutureWatcher<Decoded> *watcher)
{
    for (auto p = m_pending.begin(); p != m_pending.end(); ++p) {
        if (p->watcher != watcher)
            continue;
        const QString path = p->path;
        const QSize minimum = p->minimum;
        const Decoded d = take(p);
        if (d.picture.ok() && d.stable && d.colours == ScreenColours::generation())
            store(path, minimum, d.stamp, d.picture, d.scaled);
        return;
    }
}

PictureCache::Decoded PictureCache::take(std::list<Pending>::iterator pending) const
{
    pending->future.waitForFinished();
    const Decoded d = pending->future.result();
    // The watcher may be the sender of the signal being handled.
    pending->watcher->disconnect(this);
    pending->watcher->deleteLater();
    m_pending.erase(pending);
    return d;
}

void PictureCache::waitForPrefetches()
{
    while (!m_pending.empty())
        takeFinished(m_pending.front().watcher);
}

void PictureCache::clear()
{
    m_entries.clear();
}

void PictureCache::store(const QString &path, QSize minimum, const FileStamp &stamp,
                         const LoadedPicture &picture, const QImage &scaled) const
{
    const qint64 bytes = picture.image.sizeInBytes() + scaled.sizeInBytes();
    m_lastBytes = bytes;
    if (auto e = findEntry(path); e != m_entries.end()) {
        // A picture of the same file that serves more stays; a smooth copy
        // made of that very picture joins it.
        if (e->stamp == stamp && serves(*e, minimum)) {
            if (!scaled.isNull() && e->picture.image.cacheKey() == picture.image.cacheKey()) {
                e->scaled = scaled;
                e->bytes = e->picture.image.sizeInBytes() + scaled.sizeInBytes();
                makeRoom(0, path, m_shown);
            }
            return;
        }
        m_entries.erase(e);
    }
    if (bytes > m_budget)
        return;
    Entry entry;
    entry.path = path;
    entry.minimum = minimum;
    entry.stamp = stamp;
    entry.picture = picture;
    entry.scaled = scaled;
    entry.bytes = bytes;
    entry.lastUse = ++m_clock;
    m_entries.push_back(std::move(entry));
    makeRoom(0, path, m_shown);
}

bool PictureCache::makeRoom(qint64 incoming, const QString &keep, const QString &alsoKeep) const
{
    // Pictures used longest ago go first.
    while (bytesUsed() + incoming > m_budget) {
        auto oldest = m_entries.end();
        for (auto e = m_entries.begin(); e != m_entries.end(); ++e) {
            if (e->path != keep && e->path != alsoKeep &&
                (oldest == m_entries.end() || e->lastUse < oldest->lastUse))
                oldest = e;
        }
        if (oldest == m_entries.end())
            return false;
        m_entries.erase(oldest);
    }
    return true;
}

qint64 PictureCache::bytesUsed() const
{
    qint64 total = 0;
    for (const Entry &e : m_entries)
        total += e.bytes;
    return total;
}

bool PictureCache::isCached(const QString &path, QSize minimumPixels) const
{
    forgetOtherColours();
    const auto e = findEntry(path);
    return e != m_entries.end() && serves(*e, minimumPixels);
}

bool PictureCache::isPending(const QString &path) const
{
    for (const Pending &p : m_pending) {
        if (p.path == path)
            return true;
    }
    return false;
}

std::list<PictureCache::Entry>::iterator PictureCache::findEntry(const QString &path) const
{
    for (auto e = m_entries.begin(); e != m_entries.end(); ++e) {
        if (e->path == path)
            return e;
    }
    return m_entries.end();
}

std::list<PictureCache::Pending>::iterator PictureCache::findPending(const QString &path,
                                                                     QSize minimumPixels) const
{
    for (auto p = m_pending.begin(); p != m_pending.end(); ++p) {
        if (p->path == path && covers(p->minimum, minimumPixels))
            return p;
    }
    return m_pending.end();
}

} // namespace orv
