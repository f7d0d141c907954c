#include "filepropertiesdialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace orv {

FilePropertiesDialog::FilePropertiesDialog(const Values &values, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FilePrpr"));
    setWindowTitle(QString());
    setAccessibleName(tr("Properties"));

    auto *grid = new QGridLayout;
    const struct {
        const char *captionName;
        const char *caption;
        const char *valueName;
        QString value;
    } rows[] = {
        {"Label1", QT_TR_NOOP("File:"), "filename", values.filename},
        {"Label2", QT_TR_NOOP("Full Path:"), "fullpath", values.fullpath},
        {"Label3", QT_TR_NOOP("Size:"), "size", values.size},
        {"Label4", QT_TR_NOOP("Created/Modified on:"), "date", values.date},
    };
    int row = 0;
    for (const auto &r : rows) {
        auto *caption = new QLabel(tr(r.caption), this);
        caption->setObjectName(QLatin1String(r.captionName));
        auto *value = new QLabel(r.value, this);
        value->setObjectName(QLatin1String(r.valueName));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(value, row, 1);
        ++row;
    }
    // The picture's facts, named by their place: fact1caption and fact1, ...
    int fact = 0;
    for (const auto &[captionText, valueText] : values.picture) {
        ++fact;
        auto *caption = new QLabel(captionText, this);
        caption->setObjectName(QStringLiteral("fact%1caption").arg(fact));
        auto *value = new QLabel(valueText, this);
        value->setObjectName(QStringLiteral("fact%1").arg(fact));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(value, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

} // namespace orv
