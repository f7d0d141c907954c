#include "renamerules.h"

#include <QCoreApplication>
#include <QFile>

namespace orv {

namespace {

// The characters no file name may hold here.
bool isRejected(QChar c)
{
#ifdef Q_OS_WIN
    return c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c);
#else
    return c == QLatin1Char('/') || c.unicode() == 0;
#endif
}

// The longest name most file systems take, in bytes.
constexpr int kMaxNameBytes = 255;

} // namespace

NameParts splitAtFirstDot(const QString &name)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return {name, QString()};
    return {name.left(dot), name.mid(dot)};
}

QString renameRefusal(const QString &typed, const QString &extension)
{
    if (typed.isEmpty())
        return QCoreApplication::translate("RenameRules", "A file name must be entered");
    if (typed.contains(QLatin1Char('.')))
        return QCoreApplication::translate("RenameRules", "Invalid file name. no '.' are allowed within a file name");
    for (QChar c : typed) {
        if (isRejected(c)) {
            const QString shown = c.unicode() < 32 ? QCoreApplication::translate("RenameRules", "control characters")
                                                   : QStringLiteral("'") + c + QStringLiteral("'");
            return QCoreApplication::translate("RenameRules", "Invalid file name. A file name cannot contain %1").arg(shown);
        }
    }
    if (QFile::encodeName(typed + extension).size() > kMaxNameBytes)
        return QCoreApplication::translate("RenameRules", "Invalid file name. The name is too long");
    return {};
}

} // namespace orv
