#include "commandline.h"
#include "drives.h"
#include "exiv2metadatareader.h"
#include "filesystem.h"
#include "form1.h"
#include "helpviewer.h"
#include "installlayout.h"
#include "modalrunner.h"
#include "picturecache.h"
#include "programend.h"
#include "qtfiledialogs.h"
#include "qtfilemanager.h"
#include "qtfileoperations.h"
#include "qtmessageboxes.h"
#include "qtpictureloader.h"
#include "qtsystemclipboard.h"
#include "randomsource.h"
#include "screencolours.h"
#include "screenprofile.h"
#include "startupsplash.h"
#include "systembeep.h"
#include "systeminfo.h"
#include "systeminfotool.h"
#include "uilanguage.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The desktop's language, before any window makes its texts.
    orv::UiLanguage language;
    language.install(QLocale::system());
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));
    // The desktop entry's name, so the desktop matches windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANTA_APP_ID));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral(ORVANTA_APP_ID), QIcon(QStringLiteral(":/orvanta.svg"))));

    // The arguments after the program name once Qt has taken its own options;
    // the argument text is them joined by single blanks.
    const QStringList args = QApplication::arguments().mid(1);
    const QString commandLine = orv::argumentText(args);
    const QString apppath = QFileInfo(QApplication::applicationFilePath()).canonicalPath();

    orv::QtSystemInfo systemInfo;
    orv::QtMessageBoxes messageBoxes;
    orv::QtFileDialogs fileDialogs;
    orv::QtSystemBeep beep;
    orv::QtFileSystem fileSystem;
    orv::QtPictureLoader pictureLoader(systemInfo.logicalDpi());
    // The helper beside the program, or in the installed layout's libexec folder.
    pictureLoader.setMetafileHelper(orv::InstallLayout(apppath).metafileHelper());
    orv::QtSystemInfoTool systemInfoTool;
    orv::QtModalRunner modalRunner;
    orv::QtHelpViewer help(&messageBoxes);
    orv::QtDrives drives;
    orv::ClockRandomSource random;
    orv::QtFileOperations fileOperations;
    orv::QtSystemClipboard clipboard(QGuiApplication::clipboard());
    orv::QtFileManager fileManager;

    orv::PlatformServices services;
    services.messageBoxes = &messageBoxes;
    services.fileDialogs = &fileDialogs;
    services.beep = &beep;
    services.systemInfo = &systemInfo;
    services.fileSystem = &fileSystem;
    // Pictures are decoded ahead on a worker thread and kept for a while.
    orv::PictureCache pictureCache(pictureLoader);
    services.pictureLoader = &pictureCache;
    // Natural sizes depend on the screen's DPI: pictures decoded for the old
    // one are forgotten.
    QObject::connect(&systemInfo, &orv::SystemInfo::settingsChanged, &pictureCache, [&] {
        if (systemInfo.logicalDpi() == pictureLoader.logicalDpi())
            return;
        pictureLoader.setLogicalDpi(systemInfo.logicalDpi());
        pictureCache.clear();
    });
    services.modalRunner = &modalRunner;
    services.help = &help;
    services.drives = &drives;
    services.random = &random;
    services.fileOperations = &fileOperations;
    services.systemInfoTool = &systemInfoTool;
    const orv::Exiv2MetadataReader metadata;
    services.metadata = &metadata;
    services.clipboard = &clipboard;
    services.fileManager = &fileManager;
    // The screen's colours, before the first picture is decoded for them.
    orv::QtScreenProfile screenProfile;
    orv::ScreenColours::setScreenProfile(screenProfile.iccProfile(0));
    services.screenProfile = &screenProfile;

    // A picture named on the command line (the first of several) decodes
    // while the splash shows.
    const QStringList pictures =
        orv::pictureArguments(args, QDir::currentPath(),
                              [&fileSystem](const QString &path) { return fileSystem.fileexists(path); });
    if (!pictures.isEmpty())
        pictureCache.prefetch(pictures.first(), QSize());
    else if (orv::classifyArgument(commandLine) == orv::ArgumentKind::Picture)
        pictureCache.prefetch(orv::absoluteArgument(commandLine, QDir::currentPath()), QSize());

    orv::Form1 form(services, apppath, args);
    // Ending the program closes every window at once, without their own
    // close handlers or questions.
    QObject::connect(&form, &orv::Form1::endProgram, &app, &orv::endApplication);

    orv::StartupSplash splash(systemInfo, [&form] { form.showLoaded(); });
    splash.show();
    return QApplication::exec();
}
