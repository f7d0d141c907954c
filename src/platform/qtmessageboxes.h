#pragma once

#include "messageboxes.h"

namespace orv {

class QtMessageBoxes : public MessageBoxes
{
public:
    MsgResult show(QWidget *parent, const MessageRequest &request) override;
};

} // namespace orv
