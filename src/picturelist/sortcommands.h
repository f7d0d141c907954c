#pragma once

#include "sortbykey.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>

class QWidget;

namespace orv {

class PictureList;

// List > Sort > By date taken, By date modified, By size and By type. The
// values are read on worker threads while a progress bar with Cancel stands
// over the window; the list is reordered only when every value has been read,
// so Cancel leaves it as it was. Like By name, the sort changes neither the
// current position nor the picture on display.
class SortCommands : public QObject
{
    Q_OBJECT
public:
    // Help topics of the commands, in the order of SortOrder.
    enum Topic { DateTakenTopic = 115, DateModifiedTopic, SizeTopic, TypeTopic };

    SortCommands(PictureList &list, const PhotoMetadataReader *metadata, QWidget *window,
                 QObject *parent = nullptr);
    ~SortCommands() override;

    // Starts reading the values; a sort still running is left to finish.
    void sortBy(SortOrder order);
    void cancel();
    bool isRunning() const { return m_watcher.isRunning(); }
    // The progress window while values are read.
    QProgressDialog *progress() const { return m_progress; }

    static QString progressText() { return tr("Reading the pictures' dates and sizes..."); }

Q_SIGNALS:
    // The values have been read (`applied`: and the list reordered) or the
    // sort was cancelled.
    void finished(bool applied);

private:
    void onFinished();

    PictureList &m_list;
    const PhotoMetadataReader *m_metadata;
    QWidget *m_window;
    std::vector<PictureEntry> m_entries; // the list when the sort began
    QFutureWatcher<SortValue> m_watcher;
    QPointer<QProgressDialog> m_progress;
};

} // namespace orv
