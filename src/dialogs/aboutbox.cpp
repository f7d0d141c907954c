#include "aboutbox.h"

#include "messageboxes.h"
#include "systeminfotool.h"

#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ORVANTA_VERSION
#error "ORVANTA_VERSION comes from the project's version"
#endif

namespace orv {

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Times New Roman where the machine has it, else the closest serif it has.
QFont titleFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Nimbus Roman"), QStringLiteral("Tinos"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(24);
    font.setBold(true);
    return font;
}

} // namespace

QString AboutBox::versionText()
{
    return QStringLiteral(ORVANTA_VERSION);
}

AboutBox::AboutBox(SystemInfoTool *systemInfoTool, MessageBoxes *messageBoxes, QWidget *parent)
    : QDialog(parent), m_tool(systemInfoTool), m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Orvanta."));

    auto *picIcon = named(new QLabel(this), "picIcon");
    picIcon->setPixmap(QIcon(QStringLiteral(":/orvanta.svg")).pixmap(48, 48));
    picIcon->setAccessibleName(tr("Orvanta's icon"));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *lblTitle = named(new QLabel(QStringLiteral("Orvanta"), this), "lblTitle");
    lblTitle->setFont(titleFont());
    auto *lblVersion = named(new QLabel(versionText(), this), "lblVersion");
    auto *lblDescription = named(
        new QLabel(tr("Orvanta shows your pictures one at a time, fitted, stretched or zoomed, "
                                  "plays them as a slideshow and keeps them in lists you can save."),
                   this),
        "lblDescription");
    lblDescription->setWordWrap(true);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *lblDisclaimer =
        named(new QLabel(tr("Warning: this program comes with no warranty of any kind."), this),
              "lblDisclaimer");

    auto *cmdOK = named(new QPushButton(tr("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    auto *cmdSysInfo = named(new QPushButton(tr("&System Info..."), this), "cmdSysInfo");
    cmdSysInfo->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(lblVersion, 1, 1, 1, 2);
    grid->addWidget(lblDescription, 2, 1, 1, 2);
    grid->setRowMinimumHeight(3, 12);
    grid->addWidget(line, 4, 0, 1, 3);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    grid->addWidget(lblDisclaimer, 5, 0, 1, 2, Qt::AlignBottom | Qt::AlignLeft);
    grid->addLayout(buttons, 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    lblDescription->setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::startSysInfo);
}

void AboutBox::startSysInfo()
{
    if (m_tool && m_tool->start() == SystemInfoTool::Outcome::Started)
        return;
    MessageRequest box;
    box.text = tr("System Information Is Unavailable At This Time");
    m_messageBoxes->show(this, box);
}

} // namespace orv
