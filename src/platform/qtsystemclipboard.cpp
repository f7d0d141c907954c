#include "qtsystemclipboard.h"

#include "clipboardformats.h"

#include <QClipboard>
#include <QMimeData>

namespace orv {

QtSystemClipboard::QtSystemClipboard(QClipboard *clipboard, QObject *parent)
    : QObject(parent), m_clipboard(clipboard)
{
    connect(m_clipboard, &QClipboard::dataChanged, this, [this] {
        if (!m_putting)
            m_ours = false;
    });
}

void QtSystemClipboard::put(QMimeData *data)
{
    m_putting = true;
    m_clipboard->setMimeData(data);
    m_putting = false;
    m_ours = true;
}

void QtSystemClipboard::setFiles(const QStringList &paths, bool cut)
{
    put(clipboardformats::filesData(paths, cut));
}

void QtSystemClipboard::setPicture(const QImage &picture)
{
    put(clipboardformats::pictureData(picture));
}

SystemClipboard::Files QtSystemClipboard::foreignFiles() const
{
    const QMimeData *data = m_clipboard->mimeData();
    if (m_ours || !data)
        return {};
    return clipboardformats::filesOf(*data);
}

} // namespace orv
