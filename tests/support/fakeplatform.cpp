#include "fakeplatform.h"

#include <QDialog>
#include <QFileInfo>
#include <QPainter>

namespace orv::test {

MsgResult FakeMessageBoxes::show(QWidget *, const MessageRequest &request)
{
    shown.append(request);
    if (onShow)
        onShow(request);
    if (!answers.empty()) {
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    switch (request.buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgResult::Ok;
    case MsgButtons::RetryCancel:
    case MsgButtons::ReplaceKeepBothSkipCancel:
        return MsgResult::Cancel;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgResult::Yes;
    }
    return MsgResult::Ok;
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList out;
    for (const auto &r : shown)
        out << r.text;
    return out;
}

std::optional<QStringList> FakeFileDialogs::openFiles(QWidget *, const FileDialogRequest &request,
                                                      bool multiple)
{
    openRequests.append(request);
    openMultiple.append(multiple);
    if (openAnswers.empty())
        return std::nullopt;
    const bool chosen = openAnswers.front().has_value();
    const QStringList files = chosen ? *openAnswers.front() : QStringList();
    openAnswers.pop_front();
    if (!chosen)
        return std::nullopt;
    return files;
}

std::optional<QString> FakeFileDialogs::saveFile(QWidget *, const FileDialogRequest &request)
{
    saveRequests.append(request);
    if (saveAnswers.empty())
        return std::nullopt;
    const bool chosen = saveAnswers.front().has_value();
    const QString file = chosen ? *saveAnswers.front() : QString();
    saveAnswers.pop_front();
    if (!chosen)
        return std::nullopt;
    return file;
}

bool FakeFileSystem::fileexists(const QString &path) const
{
    const auto it = scripted.constFind(path);
    if (it != scripted.constEnd())
        return *it;
    return QtFileSystem().fileexists(path);
}

int FakeFileSystem::accessError(const QString &path) const
{
    probes.append(path);
    const auto it = errors.constFind(path);
    if (it != errors.constEnd())
        return *it;
    return QtFileSystem().accessError(path);
}

LoadedPicture FakePictureLoader::load(const QString &path) const
{
    loads.append(path);
    const auto f = failures.constFind(path);
    if (f != failures.constEnd())
        return LoadedPicture::failure(*f);
    const auto p = pictures.constFind(path);
    if (p != pictures.constEnd())
        return *p;
    if (fallback)
        return fallback->load(path);
    return LoadedPicture::failure(FileError::FileNotFound);
}

void FakePictureLoader::addPicture(const QString &path, QSize pixels, QColor colour)
{
    LoadedPicture p;
    p.image = QImage(pixels, QImage::Format_RGB32);
    p.image.fill(colour);
    p.naturalTwips = pixels * 15;
    pictures[path] = p;
    failures.remove(path);
}

int FakeModalRunner::exec(QDialog *dialog)
{
    shown.append(dialog);
    if (scripts.empty()) {
        dialog->reject();
        return QDialog::Rejected;
    }
    auto script = scripts.front();
    scripts.pop_front();
    return script(dialog);
}

PlatformServices FakePlatform::services()
{
    PlatformServices s;
    s.messageBoxes = &messageBoxes;
    s.fileDialogs = &fileDialogs;
    s.beep = &beep;
    s.systemInfo = &systemInfo;
    s.fileSystem = &fileSystem;
    s.pictureLoader = &pictureLoader;
    s.modalRunner = &modalRunner;
    s.help = &help;
    s.drives = &drives;
    s.random = &random;
    s.fileOperations = &fileOperations;
    s.systemInfoTool = &systemInfoTool;
    s.metadata = &metadata;
    s.clipboard = &clipboard;
    s.fileManager = &fileManager;
    s.screenProfile = &screenProfile;
    return s;
}

} // namespace orv::test
