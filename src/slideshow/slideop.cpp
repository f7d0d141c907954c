#include "slideop.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orv {

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

SlideOp::SlideOp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("slideOp"));
    setWindowTitle(tr("SlideShow Options"));

    auto *label2 = named(
        new QLabel(tr("Slideshow timer duration.         (Enter a time in sec. from 1 to 15)")),
        "Label2");
    label2->setWordWrap(true);
    m_interval = named(new QLineEdit(QStringLiteral("1")), "interval");
    label2->setBuddy(m_interval);

    auto *frame1 = named(new QGroupBox, "Frame1");
    auto *label1 = named(new QLabel(tr(" Resolusion Type")), "Label1");
    m_autofit = named(new QRadioButton(tr("Auto-resolution (best results)")), "autofit");
    m_autofit->setToolTip(tr("The size of the image will be automatically chosen"));
    m_fit = named(new QRadioButton(tr("Fit to current box size")), "fit");
    m_fit->setToolTip(tr("The pic. will be fit into a box of the size of the current image box"));
    m_nofit = named(new QRadioButton(tr("True Size (not recommended)")), "NOFIT");
    m_nofit->setToolTip(tr("Use actual pic. size. Can go out of screen size"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_autofit, Autofit);
    group->addButton(m_fit, Fit);
    group->addButton(m_nofit, NoFit);
    m_autofit->setChecked(true);
    auto *frameLayout = new QVBoxLayout(frame1);
    frameLayout->addWidget(label1);
    frameLayout->addWidget(m_autofit);
    frameLayout->addWidget(m_fit);
    frameLayout->addWidget(m_nofit);

    m_splashscr = named(new QCheckBox(tr("Show splash screen")), "splashscr");
    m_splashscr->setChecked(true);

    m_ok = named(new QPushButton(tr("Ok")), "ok");
    m_apply = named(new QPushButton(tr("Apply")), "apply");
    m_cancel = named(new QPushButton(tr("Cancel")), "cancel");
    m_ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label2);
    layout->addWidget(m_interval);
    layout->addWidget(frame1);
    layout->addWidget(m_splashscr);
    layout->addLayout(buttons);

    // Ok comes first in the tab order.
    setTabOrder(m_ok, m_apply);
    setTabOrder(m_apply, m_cancel);
    setTabOrder(m_cancel, m_interval);
    setTabOrder(m_interval, m_autofit);
    setTabOrder(m_autofit, m_fit);
    setTabOrder(m_fit, m_nofit);
    setTabOrder(m_nofit, m_splashscr);
    m_ok->setFocus();

    connect(m_ok, &QPushButton::clicked, this, &SlideOp::okClicked);
    connect(m_apply, &QPushButton::clicked, this, &SlideOp::applyClicked);
    connect(m_cancel, &QPushButton::clicked, this, &SlideOp::cancelClicked);
}

QString SlideOp::intervalText() const
{
    return m_interval->text();
}

void SlideOp::setIntervalText(const QString &text)
{
    m_interval->setText(text);
}

int SlideOp::sizing() const
{
    return m_autofit->isChecked() ? Autofit : m_fit->isChecked() ? Fit : NoFit;
}

void SlideOp::setSizing(int sizing)
{
    (sizing == Autofit ? m_autofit : sizing == Fit ? m_fit : m_nofit)->setChecked(true);
}

bool SlideOp::splash() const
{
    return m_splashscr->isChecked();
}

void SlideOp::setSplash(bool checked)
{
    m_splashscr->setChecked(checked);
}

void SlideOp::load()
{
    m_cancel->setEnabled(true);
    m_applied = false;
}

void SlideOp::markApplied()
{
    m_cancel->setEnabled(false);
    m_applied = true;
    m_ok->setFocus();
}

void SlideOp::closeEvent(QCloseEvent *event)
{
    const bool refuse = m_applied;
    Q_EMIT closeBoxUsed();
    if (refuse) {
        event->ignore();
        return;
    }
    m_discarded = true;
    event->accept();
}

void SlideOp::reject()
{
    // Escape acts as the close box; the Cancel button has its own handler.
    close();
}

} // namespace orv
