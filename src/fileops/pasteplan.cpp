#include "pasteplan.h"

#include "failurereport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orv {

std::vector<PasteItem> planPaste(const QStringList &sources, const PasteFolder &folder)
{
    std::vector<PasteItem> items;
    QStringList names;
    for (const QString &source : sources) {
        PasteItem item;
        item.source = source;
        item.name = QFileInfo(QDir::fromNativeSeparators(source)).fileName();
        item.taken = names.contains(item.name) ||
                     (folder.taken(item.name) && !folder.isSource(source, item.name));
        names << item.name;
        items.push_back(item);
    }
    return items;
}

QStringList takenNames(const std::vector<PasteItem> &items)
{
    QStringList names;
    for (const PasteItem &item : items) {
        if (item.taken && !names.contains(item.name))
            names << item.name;
    }
    return names;
}

QString freeName(const QString &name, const QStringList &used,
                 const std::function<bool(const QString &name)> &taken)
{
    // The extension stays last; a name that starts with its only dot has none.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    const QString stem = name.left(name.size() - extension.size());
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(extension);
        if (!used.contains(candidate) && !taken(candidate))
            return candidate;
    }
}

QString conflictQuestion(const QStringList &names, const QString &folder)
{
    const bool one = names.size() == 1;
    return (one ? QCoreApplication::translate("FilePaste", "A file of this name is already in %1, or is pasted twice:")
                : QCoreApplication::translate("FilePaste", "Files of these %2 names are already in %1, or are pasted twice:"))
               .arg(QDir::toNativeSeparators(folder))
               .arg(names.size()) +
           QStringLiteral("\n\n") + fileListText(names, 10) +
           QCoreApplication::translate("FilePaste", "\n\nReplace: the files there go to the trash.\n"
                          "Keep both: the pasted files take free names, such as \"%1\".\n"
                          "Skip: these files are not pasted.")
               .arg(freeName(names.first(), {}, [](const QString &) { return false; }));
}

} // namespace orv
