#pragma once

#include <QString>

class QWidget;

namespace orv {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons {
    Ok,
    OkCancel,
    RetryCancel,
    YesNo,
    YesNoCancel,
    ReplaceKeepBothSkipCancel, // "&Replace", "&Keep both", "&Skip", Cancel
};
enum class MsgResult { Ok, Cancel, Retry, Yes, No, Replace, KeepBoth, Skip };

struct MessageRequest {
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    // 0-based index of the default button within the set (OkCancel: 1 = Cancel).
    int defaultButton = 0;
    QString title = QStringLiteral("Orvanta");
};

// Modal message boxes. Returns the button the user pressed; closing the box
// counts as its Cancel (or No, or Ok for a single-button box).
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(QWidget *parent, const MessageRequest &request) = 0;
};

} // namespace orv
