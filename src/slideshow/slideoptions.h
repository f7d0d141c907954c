#pragma once

#include "platformservices.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace orv {

class SettingsFile;
class SlideOp;
class SlideshowSettings;

// The slideshow options: the procedures of the options window `slideOp`
// (`readfile`, `writefile`, `app`, its buttons and close box) over the
// settings file, with the applied values kept in SlideshowSettings. The window
// is set up on first use and kept hidden; a close-box close discards it and
// the next use sets it up again, filled from the settings file.
class SlideOptions : public QObject
{
    Q_OBJECT
public:
    // `endProgram` ends the program at once (Cancel in the damaged-file message).
    SlideOptions(SettingsFile &file, SlideshowSettings &settings, const PlatformServices &services,
                 std::function<void()> endProgram, QWidget *dialogParent = nullptr,
                 QObject *parent = nullptr);
    ~SlideOptions() override;

    // Reads the option records into the window's controls; a damaged or
    // unreadable file brings up the damaged-file message (OK recovers).
    // False when the user declined the repair: the program is ending, and
    // the caller must stop at once, without writing anything.
    bool readfile();
    // The user declined the repair of the settings file: nothing here reads,
    // writes or applies settings any more.
    bool isEnding() const { return m_ending; }
    // Writes the option records from the interval text and the settings in force.
    void writefile();
    // The apply step: the controls into the settings, or the invalid-interval
    // message. Returns whether the interval was accepted.
    bool app();
    // `mslideoption`: shows the window modally.
    void open();

    // The window, set up if it is not (its load handler runs then).
    SlideOp *dialog();
    bool isSetUp() const { return !m_dialog.isNull(); }
    bool badinterval() const;

    // The welcome screen's "Don't show this screen again": clears `splashscr`.
    void setSplashscr(bool checked);

private:
    SlideOp *setUp();
    // One reading pass into the controls; the error number it ended with.
    int readOnce();
    void recover();
    void onOk();
    void onApply();
    void onCancel();
    void onCloseBox();
    QWidget *boxParent() const;
    void message(const QString &text);
    void showInvalidInterval();

    SettingsFile &m_file;
    SlideshowSettings &m_settings;
    PlatformServices m_services;
    std::function<void()> m_endProgram;
    QWidget *m_dialogParent;
    QPointer<SlideOp> m_dialog;
    bool m_fillOnSetUp = false;
    bool m_ending = false;
};

} // namespace orv
