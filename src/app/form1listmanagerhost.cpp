#include "form1listmanagerhost.h"

#include "form1.h"
#include "listfilecommands.h"
#include "maintoolbar.h"
#include "mainwindowhost.h"
#include "openfoldercommands.h"
#include "toolbutton.h"

#include <QLabel>

namespace orv {

void Form1ListManagerHost::refreshCounter()
{
    setCounterText(QStringLiteral("%1/%2").arg(m_form.state().curpic).arg(m_form.pictureList().count()));
}

void Form1ListManagerHost::setCounterText(const QString &text)
{
    m_form.label1()->setText(text);
}

void Form1ListManagerHost::openedfileclr()
{
    m_form.openedfileclr();
}

void Form1ListManagerHost::picturesDropped(int row, int count, bool wasEmpty)
{
    // Entries dropped before the current one push it down; curpic follows it.
    // Entries added at the end leave curpic alone, so from the end position
    // the next step shows the first of them, as after "&Add ".
    int &curpic = m_form.state().curpic;
    if (row <= curpic - 1 && row < m_form.pictureList().count() - count)
        curpic += count;
    MainWindowHost host(m_form);
    OpenFolderCommands::showAdded(m_form.pictureList(), host, wasEmpty);
}

void Form1ListManagerHost::msavelstclick()
{
    m_form.listFiles().msavelstclick();
}

void Form1ListManagerHost::msaveasclick()
{
    m_form.listFiles().msaveasclick();
}

void Form1ListManagerHost::msrtnmeclick()
{
    m_form.msrtnmeclick();
}

void Form1ListManagerHost::msrtrandclick()
{
    m_form.msrtrandclick();
}

bool Form1ListManagerHost::listButtonPressed() const
{
    return m_form.toolbar()->button(QStringLiteral("list"))->border();
}

void Form1ListManagerHost::setListButtonPressed(bool pressed)
{
    m_form.toolbar()->button(QStringLiteral("list"))->setBorder(pressed);
}

QString Form1ListManagerHost::helpfile() const
{
    return m_form.helpfile();
}

} // namespace orv
