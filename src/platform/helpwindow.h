#pragma once

#include <QWidget>

class QTextBrowser;

namespace orv {

// The window of the help viewer: the help document in a text browser.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void setDocument(const QString &html, const QString &path);
    void showTop();
    void showAnchor(const QString &anchor);
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
    QString m_path;
};

} // namespace orv
