#include "commandline.h"

#include "folderscan.h"
#include "picturefiletypes.h"

#include <QDir>
#include <QFileInfo>

namespace orv {

ArgumentKind classifyArgument(const QString &argument)
{
    if (argument.isEmpty())
        return ArgumentKind::Empty;
    if (argument.endsWith(QLatin1String("pvl")))
        return ArgumentKind::ListFile;
    if (PictureFileTypes::endsInLowerCaseExtension(argument))
        return ArgumentKind::Picture;
    return ArgumentKind::Bad;
}

QString absoluteArgument(const QString &argument, const QString &currentFolder)
{
    if (argument.isEmpty())
        return argument;
    const QString internal = QDir::fromNativeSeparators(argument);
    if (!QDir::isRelativePath(internal))
        return argument;
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(currentFolder).absoluteFilePath(internal)));
}

QString argumentText(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

QStringList pictureArguments(const QStringList &arguments, const QString &currentFolder,
                             const std::function<bool(const QString &)> &fileexists)
{
    if (arguments.size() < 2)
        return {};
    if (fileexists(absoluteArgument(argumentText(arguments), currentFolder)))
        return {};
    QStringList paths;
    paths.reserve(arguments.size());
    for (const QString &argument : arguments) {
        const QString path = absoluteArgument(argument, currentFolder);
        if (path.isEmpty() || !FolderScan::pictures().matches(path) || !fileexists(path))
            return {};
        paths.append(path);
    }
    return paths;
}

} // namespace orv
