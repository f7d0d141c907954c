#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orv {

// The slideshow options window `slideOp` ("SlideShow Options"): its controls
// hold the live slideshow options. The window only shows them and reports its
// buttons; SlideOptions decides what they do.
class SlideOp : public QDialog
{
    Q_OBJECT
public:
    enum Sizing { Autofit = 0, Fit = 1, NoFit = 2 };

    explicit SlideOp(QWidget *parent = nullptr);

    QString intervalText() const;
    void setIntervalText(const QString &text);
    // The selected sizing option (exactly one is selected).
    int sizing() const;
    void setSizing(int sizing);
    bool splash() const;
    void setSplash(bool checked);

    // The load handler: Cancel enabled, `applied` clear.
    void load();
    // After Apply: Cancel greyed, `applied` set, the focus on Ok.
    void markApplied();

    bool applied() const { return m_applied; }
    bool badinterval() const { return m_badinterval; }
    void setBadinterval(bool bad) { m_badinterval = bad; }
    // Closed with the window's close box: the window is to be discarded.
    bool isDiscarded() const { return m_discarded; }

    QLineEdit *intervalEdit() const { return m_interval; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *applyButton() const { return m_apply; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void okClicked();
    void applyClicked();
    void cancelClicked();
    // The close box (or Escape) was used; a close is refused while `applied`.
    void closeBoxUsed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QLineEdit *m_interval;
    QRadioButton *m_autofit;
    QRadioButton *m_fit;
    QRadioButton *m_nofit;
    QCheckBox *m_splashscr;
    QPushButton *m_ok;
    QPushButton *m_apply;
    QPushButton *m_cancel;
    bool m_applied = false;
    bool m_badinterval = false;
    bool m_discarded = false;
};

} // namespace orv
