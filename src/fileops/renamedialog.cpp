#include "renamedialog.h"

#include "messageboxes.h"
#include "renamerules.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orv {

RenameDialog::RenameDialog(const QString &fileName, MessageBoxes &messageBoxes, QWidget *parent)
    : QDialog(parent), m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("renamefrm"));
    setWindowTitle(QString());
    setAccessibleName(tr("Rename file"));

    m_label1 = new QLabel(tr("Enter the new file name without any extension"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(m_label1->text());
    m_label1->setBuddy(m_text1);

    const NameParts parts = splitAtFirstDot(fileName);
    m_text1->setText(parts.stem);
    m_text1->selectAll();
    m_extension = parts.extension;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_text1);
    setMinimumWidth(m_label1->sizeHint().width() + 40);

    // Every key reaches the dialog before the text box.
    m_text1->installEventFilter(this);
}

QString RenameDialog::newName() const
{
    return m_text1->text() + m_extension;
}

bool RenameDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text1 && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            confirm();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RenameDialog::confirm()
{
    const QString refusal = renameRefusal(m_text1->text(), m_extension);
    if (refusal.isEmpty()) {
        accept();
        return;
    }
    MessageRequest box;
    box.text = refusal;
    box.buttons = MsgButtons::Ok;
    m_messageBoxes.show(this, box);
}

} // namespace orv
