#include "welcomescreen.h"

#include "slideshowsettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int pointSize, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

} // namespace

QStringList WelcomeScreen::instructions()
{
    return {
        tr("Click any where or press spacebar to hide/show pictures."),
        tr("Press escape to return to the main window."),
        tr("Press down arrow to pause the show."),
        tr("Press right arrow to escape this picture to yhe next one."),
        tr("Press left arrow to return to previous picture."),
    };
}

WelcomeScreen::WelcomeScreen(const SlideshowSettings &settings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_settings(settings)
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(false);

    // A framed panel stands in for the window's border.
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto *logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(QIcon(QStringLiteral(":/slideshow/logo.svg")).pixmap(QSize(96, 96)));
    logo->setAccessibleName(tr("Slide show logo"));

    QLabel *welcome = label(frame, "Label1", tr(" Welcome to the"), 12);
    QLabel *product = label(frame, "lblProductName", QStringLiteral("Orvanta"), 26, true);
    QLabel *slideshow = label(frame, "lblCompanyProduct", tr("SLIDESHOW"), 18, true);
    QLabel *keys = label(frame, "lblCompany", instructions().join(QLatin1Char('\n')), 0);

    m_check1 = new QCheckBox(tr("Don't show this screen again"), frame);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_ok = new QPushButton(tr("Ok"), frame);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(true);

    auto *titles = new QVBoxLayout;
    titles->addWidget(welcome);
    titles->addWidget(product);
    titles->addWidget(slideshow);
    auto *head = new QHBoxLayout;
    head->addWidget(logo, 0, Qt::AlignTop);
    head->addSpacing(16);
    head->addLayout(titles, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_check1);
    bottom->addStretch(1);
    bottom->addWidget(m_ok);

    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(24, 20, 24, 16);
    column->addLayout(head);
    column->addSpacing(12);
    column->addWidget(keys);
    column->addSpacing(12);
    column->addLayout(bottom);

    connect(m_ok, &QPushButton::clicked, this, &WelcomeScreen::okClicked);
    connect(&m_settings, &SlideshowSettings::applied, this, &WelcomeScreen::onApplied);
    m_ok->setFocus();
}

bool WelcomeScreen::dontShowAgain() const
{
    return m_check1->isChecked();
}

void WelcomeScreen::setDontShowAgain(bool checked)
{
    m_check1->setChecked(checked);
}

void WelcomeScreen::onApplied()
{
    if (m_settings.showsplash() == 1)
        m_check1->setChecked(false);
}

} // namespace orv
