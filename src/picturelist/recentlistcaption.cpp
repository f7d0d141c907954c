#include "recentlistcaption.h"

namespace orv {

namespace {

// The first `n` characters, never ending inside a surrogate pair.
QString leftChars(const QString &s, qsizetype n)
{
    if (n >= s.size())
        return s;
    if (n > 0 && s.at(n - 1).isHighSurrogate())
        ++n;
    return s.left(n);
}

// The last `n` characters, never starting inside a surrogate pair.
QString rightChars(const QString &s, qsizetype n)
{
    if (n >= s.size())
        return s;
    qsizetype start = s.size() - n;
    if (start > 0 && s.at(start).isLowSurrogate())
        --start;
    return s.mid(start);
}

} // namespace

QString RecentListCaption::caption(const QString &path)
{
    return leftChars(path, 10) + QStringLiteral(" ..... ") + rightChars(path, 15);
}

QString RecentListCaption::actionText(const QString &path)
{
    QString text = caption(path);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

} // namespace orv
