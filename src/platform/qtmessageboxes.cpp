#include "qtmessageboxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace orv {

namespace {

struct ButtonDef {
    QMessageBox::StandardButton button;
    MsgResult result;
};

std::vector<ButtonDef> buttonsFor(MsgButtons set)
{
    switch (set) {
    case MsgButtons::Ok:
        return {{QMessageBox::Ok, MsgResult::Ok}};
    case MsgButtons::OkCancel:
        return {{QMessageBox::Ok, MsgResult::Ok}, {QMessageBox::Cancel, MsgResult::Cancel}};
    case MsgButtons::RetryCancel:
        return {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}};
    case MsgButtons::YesNo:
        return {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}};
    case MsgButtons::YesNoCancel:
        return {{QMessageBox::Yes, MsgResult::Yes},
                {QMessageBox::No, MsgResult::No},
                {QMessageBox::Cancel, MsgResult::Cancel}};
    }
    return {{QMessageBox::Ok, MsgResult::Ok}};
}

QMessageBox::Icon iconFor(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgResult QtMessageBoxes::show(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(iconFor(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
    const auto defs = buttonsFor(request.buttons);
    QMessageBox::StandardButtons all;
    for (const auto &d : defs)
        all |= d.button;
    box.setStandardButtons(all);
    const int def =
        (request.defaultButton >= 0 && request.defaultButton < int(defs.size())) ? request.defaultButton : 0;
    box.setDefaultButton(defs[size_t(def)].button);
    // Escape and the close box give the "negative" answer of the set.
    box.setEscapeButton(defs.back().button);
    const auto pressed = QMessageBox::StandardButton(box.exec());
    for (const auto &d : defs)
        if (d.button == pressed)
            return d.result;
    return defs.back().result;
}

} // namespace orv
