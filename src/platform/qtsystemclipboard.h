#pragma once

#include "systemclipboard.h"

#include <QObject>

class QClipboard;
class QMimeData;

namespace orv {

// The desktop's clipboard through QClipboard. What the program put there last
// is its own until another program takes the clipboard (QClipboard's
// dataChanged for a change the program did not make).
class QtSystemClipboard : public QObject, public SystemClipboard
{
    Q_OBJECT
public:
    explicit QtSystemClipboard(QClipboard *clipboard, QObject *parent = nullptr);

    void setFiles(const QStringList &paths, bool cut) override;
    void setPicture(const QImage &picture) override;
    Files foreignFiles() const override;

private:
    void put(QMimeData *data);

    QClipboard *m_clipboard;
    bool m_putting = false;
    bool m_ours = false;
};

} // namespace orv
