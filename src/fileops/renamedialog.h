#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace orv {

class MessageBoxes;

// The rename dialog `renamefrm`, without caption or buttons: `Label1` "Enter
// the new file name without any extension" above the text box `Text1`, which
// starts with the name up to its first dot. Enter accepts a name the rules
// allow (a refused one gets its message and the dialog stays); Escape and the
// close box cancel. The rename itself is the caller's.
class RenameDialog : public QDialog
{
    Q_OBJECT
public:
    RenameDialog(const QString &fileName, MessageBoxes &messageBoxes, QWidget *parent = nullptr);

    // The extension kept from the old name (from its first dot on).
    const QString &extension() const { return m_extension; }
    // The name typed, with the extension.
    QString newName() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();

    MessageBoxes &m_messageBoxes;
    QString m_extension;
    QLabel *m_label1 = nullptr;
    QLineEdit *m_text1 = nullptr;
};

} // namespace orv
