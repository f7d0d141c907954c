#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace orv {

class MessageBoxes;

// The files named in a message: the first `shown` paths (native separators),
// one a line, then "and N more".
QString fileListText(const QStringList &paths, int shown = 5);

// The failures of one command, reported together in one message.
class FailureReport
{
public:
    void add(const QString &path, const QString &reason);
    bool isEmpty() const { return m_failures.isEmpty(); }
    int count() const { return int(m_failures.size()); }

    // `heading`, then each file with its reason (the first ten, then
    // "and N more").
    QString text(const QString &heading) const;
    // Shows the text in one message box (exclamation icon, OK), if any
    // failure was added.
    void show(MessageBoxes &boxes, QWidget *parent, const QString &heading) const;

private:
    QList<QPair<QString, QString>> m_failures;
};

} // namespace orv
