#pragma once

#include "listmanagerhost.h"

namespace orv {

class Form1;

// The main window as the list manager sees it.
class Form1ListManagerHost : public ListManagerHost
{
public:
    explicit Form1ListManagerHost(Form1 &form) : m_form(form) {}

    void refreshCounter() override;
    void setCounterText(const QString &text) override;
    void openedfileclr() override;
    void picturesDropped(int row, int count, bool wasEmpty) override;
    void msavelstclick() override;
    void msaveasclick() override;
    void msrtnmeclick() override;
    void msrtrandclick() override;
    bool listButtonPressed() const override;
    void setListButtonPressed(bool pressed) override;
    QString helpfile() const override;

private:
    Form1 &m_form;
};

} // namespace orv
