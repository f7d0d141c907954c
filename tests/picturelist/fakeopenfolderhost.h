#pragma once

#include "openfolderhost.h"

#include <QStringList>

namespace orv::test {

// Stands in for the main window: keeps curpic and the labels and records the
// calls in order.
class FakeOpenFolderHost : public OpenFolderHost
{
public:
    int curpic() const override { return position; }
    void setCurpic(int p) override
    {
        position = p;
        calls << QStringLiteral("curpic=%1").arg(p);
    }
    void setLabel1(const QString &text) override
    {
        label1 = text;
        calls << QStringLiteral("Label1=") + text;
    }
    QString label2() const override { return status; }
    void setLabel2(const QString &text) override
    {
        status = text;
        calls << QStringLiteral("Label2=") + text;
    }
    void resetImageBox() override { calls << QStringLiteral("resetImageBox"); }
    void selectFirstEntry() override { calls << QStringLiteral("selectFirstEntry"); }

    int position = 1;
    QString label1 = QStringLiteral("0/0");
    QString status;
    QStringList calls;
};

} // namespace orv::test
