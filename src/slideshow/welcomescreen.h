#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace orv {

class SlideshowSettings;

// The slideshow welcome screen `frmSplash`: explains the keys before a show.
// Shown without a caption and not modal; its Ok starts the show (see
// SlideshowStart). Whenever the apply step sets the welcome screen on, its
// "Don't show this screen again" box is cleared.
class WelcomeScreen : public QDialog
{
    Q_OBJECT
public:
    explicit WelcomeScreen(const SlideshowSettings &settings, QWidget *parent = nullptr);

    // The five lines of instructions shown in `lblCompany`.
    static QStringList instructions();

    bool dontShowAgain() const;
    void setDontShowAgain(bool checked);

    QPushButton *okButton() const { return m_ok; }
    QCheckBox *dontShowBox() const { return m_check1; }

Q_SIGNALS:
    // `Command1` was pressed.
    void okClicked();

protected:
    // Escape does not leave the screen: Ok is the way on.
    void reject() override {}

private:
    void onApplied();

    const SlideshowSettings &m_settings;
    QPushButton *m_ok = nullptr;
    QCheckBox *m_check1 = nullptr;
};

} // namespace orv
