#include "failurereport.h"

#include "messageboxes.h"

#include <QCoreApplication>
#include <QDir>

namespace orv {

namespace {

QString andMore(qsizetype total, qsizetype shown)
{
    return QCoreApplication::translate("FailureReport", "and %1 more").arg(total - shown);
}

} // namespace

QString fileListText(const QStringList &paths, int shown)
{
    QStringList lines;
    for (qsizetype i = 0; i < paths.size() && i < shown; ++i)
        lines << QDir::toNativeSeparators(paths[i]);
    if (paths.size() > shown)
        lines << andMore(paths.size(), shown);
    return lines.join(QLatin1Char('\n'));
}

void FailureReport::add(const QString &path, const QString &reason)
{
    m_failures.append({path, reason});
}

QString FailureReport::text(const QString &heading) const
{
    constexpr int shown = 10;
    QStringList lines{heading};
    for (qsizetype i = 0; i < m_failures.size() && i < shown; ++i) {
        const auto &[path, reason] = m_failures[i];
        lines << QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
    }
    if (m_failures.size() > shown)
        lines << andMore(m_failures.size(), shown);
    return lines.join(QLatin1Char('\n'));
}

void FailureReport::show(MessageBoxes &boxes, QWidget *parent, const QString &heading) const
{
    if (m_failures.isEmpty())
        return;
    MessageRequest box;
    box.text = text(heading);
    box.icon = MsgIcon::Exclamation;
    box.buttons = MsgButtons::Ok;
    boxes.show(parent, box);
}

} // namespace orv
