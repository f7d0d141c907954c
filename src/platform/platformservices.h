#pragma once

namespace orv {

class MessageBoxes;
class FileDialogs;
class SystemBeep;
class SystemInfo;
class FileSystem;
class PictureLoader;
class ModalRunner;
class Drives;
class RandomSource;
class HelpViewer;
class FileOperations;
class SystemInfoTool;
class PhotoMetadataReader;
class SystemClipboard;
class FileManager;
class ScreenProfile;

// The platform services handed to the windows. The program fills it with the
// Qt implementations; tests fill it with fakes. Nothing here is owned.
struct PlatformServices {
    MessageBoxes *messageBoxes = nullptr;
    FileDialogs *fileDialogs = nullptr;
    SystemBeep *beep = nullptr;
    SystemInfo *systemInfo = nullptr;
    FileSystem *fileSystem = nullptr;
    PictureLoader *pictureLoader = nullptr;
    ModalRunner *modalRunner = nullptr;
    Drives *drives = nullptr;
    RandomSource *random = nullptr;
    HelpViewer *help = nullptr;
    FileOperations *fileOperations = nullptr;
    SystemInfoTool *systemInfoTool = nullptr;
    const PhotoMetadataReader *metadata = nullptr; // photos' Exif data
    SystemClipboard *clipboard = nullptr;
    FileManager *fileManager = nullptr;
    ScreenProfile *screenProfile = nullptr; // the screens' colour profiles
};

} // namespace orv
