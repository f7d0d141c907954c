#include "helpwindow.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orv {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpviewer"));
    setWindowTitle(tr("Orvanta Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helptext"));
    m_browser->setOpenExternalLinks(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 720);
}

void HelpWindow::setDocument(const QString &html, const QString &path)
{
    if (path == m_path && !m_browser->toHtml().isEmpty())
        return;
    m_path = path;
    m_browser->setSearchPaths({QFileInfo(path).absolutePath()});
    m_browser->setHtml(html);
}

void HelpWindow::showTop()
{
    m_browser->verticalScrollBar()->setValue(0);
}

void HelpWindow::showAnchor(const QString &anchor)
{
    m_browser->scrollToAnchor(anchor);
}

} // namespace orv
