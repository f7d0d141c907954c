#include "slideoptions.h"

#include "fileerror.h"
#include "messageboxes.h"
#include "modalrunner.h"
#include "settingsfile.h"
#include "settingsrecords.h"
#include "slideop.h"
#include "slideshowinterval.h"
#include "slideshowsettings.h"

namespace orv {

namespace {

const char *const damagedText = QT_TRANSLATE_NOOP("orv::SlideOptions",
    "The 'Orvanta.ini' file is missing or corrupted. This file is important to run this program. Press ok "
    "and this file will be reinstalled but some of your settings will be reset to its initial values. You "
    "press cancel to try solving this problem manually");

const char *const invalidIntervalText =
    QT_TRANSLATE_NOOP("orv::SlideOptions", "Invalid slideshow timer duration. (Expected a value between 1 & 15)");

} // namespace

SlideOptions::SlideOptions(SettingsFile &file, SlideshowSettings &settings, const PlatformServices &services,
                           std::function<void()> endProgram, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_file(file), m_settings(settings), m_services(services),
      m_endProgram(std::move(endProgram)), m_dialogParent(dialogParent)
{}

SlideOptions::~SlideOptions()
{
    delete m_dialog.data();
}

SlideOp *SlideOptions::setUp()
{
    if (m_dialog)
        return m_dialog;
    m_dialog = new SlideOp(m_dialogParent);
    connect(m_dialog, &SlideOp::okClicked, this, &SlideOptions::onOk);
    connect(m_dialog, &SlideOp::applyClicked, this, &SlideOptions::onApply);
    connect(m_dialog, &SlideOp::cancelClicked, this, &SlideOptions::onCancel);
    connect(m_dialog, &SlideOp::closeBoxUsed, this, &SlideOptions::onCloseBox);
    m_dialog->load();
    return m_dialog;
}

SlideOp *SlideOptions::dialog()
{
    const bool settingUp = !m_dialog;
    SlideOp *d = setUp();
    if (settingUp && m_fillOnSetUp) {
        // Set up again after a close-box close: the stored settings, not the
        // designer values.
        m_fillOnSetUp = false;
        readfile();
    }
    return d;
}

bool SlideOptions::badinterval() const
{
    return m_dialog && m_dialog->badinterval();
}

void SlideOptions::setSplashscr(bool checked)
{
    dialog()->setSplash(checked);
}

QWidget *SlideOptions::boxParent() const
{
    return m_dialog && m_dialog->isVisible() ? m_dialog.data() : m_dialogParent;
}

void SlideOptions::message(const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.icon = MsgIcon::Critical;
    m_services.messageBoxes->show(boxParent(), request);
}

int SlideOptions::readOnce()
{
    SlideOp *d = m_dialog;
    const SettingsFile::Loaded loaded = m_file.load();
    if (loaded.error != FileError::None)
        return loaded.error;
    const SettingsRecords::Options options = SettingsRecords::readOptions(loaded.bytes);
    if (options.intervalText)
        d->setIntervalText(*options.intervalText);
    if (options.sizing)
        d->setSizing(*options.sizing);
    if (options.splash)
        d->setSplash(*options.splash);
    return options.error;
}

bool SlideOptions::readfile()
{
    if (m_ending)
        return false;
    setUp();
    m_fillOnSetUp = false; // this reading fills the window anyway
    const int error = readOnce();
    if (error != SettingsRecords::OutOfRange && !FileError::isFileAccess(error))
        return true; // read in full, or a failure outside the damaged set: nothing more
    MessageRequest request;
    request.text = tr(damagedText);
    request.icon = MsgIcon::Critical;
    request.buttons = MsgButtons::OkCancel;
    if (m_services.messageBoxes->show(boxParent(), request) != MsgResult::Ok) {
        m_ending = true;
        m_endProgram();
        return false;
    }
    recover();
    return true;
}

void SlideOptions::recover()
{
    SlideOp *d = m_dialog;
    d->setIntervalText(QStringLiteral("1"));
    m_settings.setFitstyle(0);
    m_settings.setShowsplash(1);
    d->setSizing(SlideOp::Autofit);
    d->setSplash(true);

    SettingsFile::Loaded loaded = m_file.load();
    if (loaded.error != FileError::None && m_file.exists()) {
        // A file that is there but cannot be read is never replaced: it may
        // hold the recent lists. Tell once and go on in memory.
        QByteArray defaults;
        SettingsRecords::writeRecoveryDefaults(defaults);
        message(m_file.unreadableText(loaded.errorString));
        m_file.keepInMemory(defaults);
        readOnce();
        return;
    }
    if (loaded.error != FileError::None)
        loaded.bytes.clear();
    SettingsRecords::writeRecoveryDefaults(loaded.bytes);
    const SettingsFile::Saved saved = m_file.save(loaded.bytes);
    if (!saved.ok) {
        // Asking again would only loop: tell once and go on in memory.
        message(m_file.memoryOnlyText(saved.errorString));
        m_file.keepInMemory(loaded.bytes);
    }
    // Reads the defaults back; the controls already hold them if that fails.
    readOnce();
}

void SlideOptions::writefile()
{
    SlideOp *d = dialog();
    if (m_ending)
        return;
    SettingsFile::Loaded loaded = m_file.load();
    if (loaded.error != FileError::None) {
        // Saving now would replace recent lists that could not be read.
        message(m_file.readFailedText(loaded.errorString));
        return;
    }
    const QString interval = SlideshowInterval::storedText(d->intervalText(), m_settings.interval());
    SettingsRecords::writeOptions(loaded.bytes, interval, m_settings.fitstyle(), m_settings.showsplash());
    const SettingsFile::Saved saved = m_file.save(loaded.bytes);
    if (!saved.ok)
        message(m_file.saveFailedText(saved.errorString));
}

void SlideOptions::showInvalidInterval()
{
    message(tr(invalidIntervalText));
    m_dialog->setBadinterval(true);
}

bool SlideOptions::app()
{
    SlideOp *d = dialog();
    if (m_ending)
        return false;
    const std::optional<int> ms = SlideshowInterval::milliseconds(d->intervalText());
    if (!ms) {
        showInvalidInterval();
        return false;
    }
    m_settings.apply(*ms, d->sizing(), d->splash() ? 1 : 0);
    d->setBadinterval(false);
    return true;
}

void SlideOptions::open()
{
    SlideOp *d = dialog();
    if (m_ending)
        return;
    // Every opening starts afresh: Cancel enabled, nothing applied yet.
    d->load();
    m_services.modalRunner->exec(d);
    if (m_dialog && m_dialog->isDiscarded()) {
        delete m_dialog.data();
        m_fillOnSetUp = true;
    }
}

void SlideOptions::onOk()
{
    SlideOp *d = m_dialog;
    if (d->applied()) {
        // The text may have been edited since Apply: check it before storing.
        if (!SlideshowInterval::milliseconds(d->intervalText())) {
            showInvalidInterval();
            return;
        }
        d->setBadinterval(false);
    } else if (!app()) {
        return;
    }
    d->accept();
    writefile();
}

void SlideOptions::onApply()
{
    if (app())
        m_dialog->markApplied();
}

void SlideOptions::onCancel()
{
    if (readfile())
        m_dialog->done(QDialog::Rejected);
}

void SlideOptions::onCloseBox()
{
    readfile();
}

} // namespace orv
