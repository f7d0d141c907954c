#pragma once

#include "listmanagerhost.h"
#include "picturelist.h"

#include <QStringList>

namespace orv::test {

// The main window as the list manager sees it, recording what it is asked.
class FakeListManagerHost : public ListManagerHost
{
public:
    explicit FakeListManagerHost(PictureList &list) : m_list(list) {}

    void refreshCounter() override
    {
        calls << QStringLiteral("refreshCounter");
        counter = QStringLiteral("%1/%2").arg(curpic).arg(m_list.count());
    }
    void setCounterText(const QString &text) override { counter = text; }
    void openedfileclr() override { calls << QStringLiteral("openedfileclr"); }
    void picturesDropped(int row, int count, bool wasEmpty) override
    {
        calls << QStringLiteral("picturesDropped %1 %2 %3").arg(row).arg(count).arg(wasEmpty);
    }
    void msavelstclick() override { calls << QStringLiteral("msavelstclick"); }
    void msaveasclick() override { calls << QStringLiteral("msaveasclick"); }
    void msrtnmeclick() override { calls << QStringLiteral("msrtnmeclick"); }
    void msrtrandclick() override { calls << QStringLiteral("msrtrandclick"); }
    bool listButtonPressed() const override { return buttonPressed; }
    void setListButtonPressed(bool pressed) override { buttonPressed = pressed; }
    QString helpfile() const override { return QStringLiteral("/help/Orvanta.HLP"); }

    int curpic = 1;
    QString counter = QStringLiteral("0/0");
    bool buttonPressed = false;
    QStringList calls;

private:
    PictureList &m_list;
};

} // namespace orv::test
