#include "sortcommands.h"

#include "picturelist.h"

#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentMap>

namespace orv {

SortCommands::SortCommands(PictureList &list, const PhotoMetadataReader *metadata, QWidget *window,
                           QObject *parent)
    : QObject(parent), m_list(list), m_metadata(metadata), m_window(window)
{
    connect(&m_watcher, &QFutureWatcher<SortValue>::finished, this, &SortCommands::onFinished);
}

SortCommands::~SortCommands()
{
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

void SortCommands::sortBy(SortOrder order)
{
    if (isRunning() || m_list.count() < 2)
        return;
    m_entries.clear();
    QStringList paths;
    for (int i = 0; i < m_list.count(); ++i) {
        m_entries.push_back(m_list.entry(i));
        paths << m_list.fullPath(i);
    }

    m_progress = new QProgressDialog(progressText(), tr("Cancel"), 0, int(paths.size()), m_window);
    m_progress->setObjectName(QStringLiteral("sortprogress"));
    m_progress->setWindowTitle(QStringLiteral("Orvanta"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    // A short list is sorted before the window would be worth showing.
    m_progress->setMinimumDuration(400);
    m_progress->setValue(0);
    connect(m_progress, &QProgressDialog::canceled, this, &SortCommands::cancel);
    connect(&m_watcher, &QFutureWatcher<SortValue>::progressValueChanged, m_progress,
            &QProgressDialog::setValue);

    const PhotoMetadataReader *metadata = m_metadata;
    m_watcher.setFuture(QtConcurrent::mapped(
        paths, std::function<SortValue(const QString &)>(
                   [order, metadata](const QString &path) { return sortValue(path, order, metadata); })));
}

void SortCommands::cancel()
{
    m_watcher.cancel();
}

void SortCommands::onFinished()
{
    if (m_progress)
        m_progress->deleteLater();
    const bool cancelled = m_watcher.isCanceled();
    std::vector<SortValue> values;
    if (!cancelled) {
        const QList<SortValue> results = m_watcher.future().results();
        values.assign(results.begin(), results.end());
    }
    // The list is reordered only as it was when the values were read.
    bool apply = !cancelled && values.size() == m_entries.size() && size_t(m_list.count()) == m_entries.size();
    for (int i = 0; apply && i < m_list.count(); ++i)
        apply = m_list.entry(i) == m_entries[size_t(i)];
    if (apply) {
        const std::vector<int> order = sortOrder(m_entries, values);
        std::vector<PictureEntry> sorted;
        sorted.reserve(order.size());
        for (int i : order)
            sorted.push_back(m_entries[size_t(i)]);
        m_list.setEntries(std::move(sorted));
    }
    m_entries.clear();
    Q_EMIT finished(apply);
}

} // namespace orv
