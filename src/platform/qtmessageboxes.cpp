#include "qtmessageboxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace orv {

namespace {

struct ButtonDef {
    QMessageBox::StandardButton button;
    MsgResult result;
    // A button of the program's own: its caption and role.
    const char *caption = nullptr;
    QMessageBox::ButtonRole role = QMessageBox::InvalidRole;
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
    case MsgButtons::ReplaceKeepBothSkipCancel:
        return {{QMessageBox::NoButton, MsgResult::Replace, QT_TRANSLATE_NOOP("QtMessageBoxes", "&Replace"), QMessageBox::DestructiveRole},
                {QMessageBox::NoButton, MsgResult::KeepBoth, QT_TRANSLATE_NOOP("QtMessageBoxes", "&Keep both"), QMessageBox::AcceptRole},
                {QMessageBox::NoButton, MsgResult::Skip, QT_TRANSLATE_NOOP("QtMessageBoxes", "&Skip"), QMessageBox::RejectRole},
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
    std::vector<QPushButton *> buttons;
    for (const auto &d : defs)
        buttons.push_back(d.caption ? box.addButton(QCoreApplication::translate("QtMessageBoxes", d.caption), d.role)
                                    : box.addButton(d.button));
    const int def =
        (request.defaultButton >= 0 && request.defaultButton < int(defs.size())) ? request.defaultButton : 0;
    box.setDefaultButton(buttons[size_t(def)]);
    // Escape and the close box give the "negative" answer of the set.
    box.setEscapeButton(buttons.back());
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return defs[i].result;
    return defs.back().result;
}

} // namespace orv
