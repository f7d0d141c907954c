#include "helpviewer.h"

#include "helpwindow.h"
#include "messageboxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QWhatsThis>

namespace orv {

namespace {

bool readHelp(const QString &path, QString *html, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *html = QString::fromUtf8(file.readAll());
    return true;
}

} // namespace

QString helpTopicFragment(const QString &html, int context)
{
    const QString anchor = QStringLiteral("name=\"topic-%1\"").arg(context);
    int start = html.indexOf(anchor);
    if (start < 0)
        return {};
    start = html.lastIndexOf(QLatin1Char('<'), start);
    // A topic ends where the next topic or section starts.
    int end = html.indexOf(QStringLiteral("<a name=\""), start + anchor.size());
    end = end < 0 ? html.indexOf(QStringLiteral("</body>"), start) : html.lastIndexOf(QLatin1Char('<'), end);
    return html.mid(start, end < 0 ? -1 : end - start).trimmed();
}

QtHelpViewer::QtHelpViewer(MessageBoxes *messageBoxes) : m_messageBoxes(messageBoxes) {}

QtHelpViewer::~QtHelpViewer()
{
    delete m_window;
}

bool QtHelpViewer::open(QWidget *parent, const QString &helpFile)
{
    QString html;
    QString error;
    if (!readHelp(helpFile, &html, &error)) {
        MessageRequest box;
        box.text = QCoreApplication::translate("HelpViewer", "Cannot open the help file %1:\n%2")
                       .arg(QDir::toNativeSeparators(helpFile), error);
        box.icon = MsgIcon::Exclamation;
        m_messageBoxes->show(parent, box);
        return false;
    }
    if (!m_window)
        m_window = new HelpWindow();
    m_window->setDocument(html, helpFile);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return true;
}

void QtHelpViewer::showContents(QWidget *parent, const QString &helpFile)
{
    if (open(parent, helpFile))
        m_window->showTop();
}

void QtHelpViewer::showTopic(QWidget *parent, const QString &helpFile, int context)
{
    if (open(parent, helpFile))
        m_window->showAnchor(QStringLiteral("topic-%1").arg(context));
}

QString QtHelpViewer::topicText(const QString &helpFile, int context)
{
    QString html;
    QString error;
    if (!readHelp(helpFile, &html, &error))
        return {};
    return helpTopicFragment(html, context);
}

void QtHelpViewer::enterContextHelpMode()
{
    QWhatsThis::enterWhatsThisMode();
}

} // namespace orv
