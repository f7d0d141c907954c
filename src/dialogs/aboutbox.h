#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orv {

class MessageBoxes;
class SystemInfoTool;

// The about box `frmAbout`: the program's icon, name, version, a description
// and a warning line, with OK and a button that starts the system's
// system-information tool. Its texts are fixed; it is shown modally and
// discarded when it closes.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    AboutBox(SystemInfoTool *systemInfoTool, MessageBoxes *messageBoxes, QWidget *parent = nullptr);

    // The version shown, the program's own (the project's version).
    static QString versionText();

    // `StartSysInfo`: starts the tool, or tells that there is none.
    void startSysInfo();

private:
    SystemInfoTool *m_tool;
    MessageBoxes *m_messageBoxes;
};

} // namespace orv
