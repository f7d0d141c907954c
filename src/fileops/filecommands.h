#pragma once

#include "fileclipboard.h"
#include "viewercontext.h"

#include <QObject>
#include <functional>
#include <vector>

class QListView;
class QWidget;

namespace orv {

class PasteToDialog;

// The main window's commands on the files behind the picture list: copy and
// cut into the file clipboard, paste into a folder, delete, rename and
// properties. They act on the selection of List2 (properties on List1's
// entry) and bring the picture list in line with what happened on disk.
//
// It also takes List2's own keys, each acting when it comes up: Delete
// (Shift+Delete for good), Ctrl+C, Ctrl+X and Ctrl+V (Ctrl alone held).
class FileCommands : public QObject
{
    Q_OBJECT
public:
    struct Lists {
        QListView *list1 = nullptr;
        QListView *list2 = nullptr;
    };
    // `topicText` gives a help topic's text for what's-this help.
    FileCommands(ViewerContext context, Lists lists, std::function<QString(int)> topicText,
                 QObject *parent = nullptr);

    // Help topics of the commands.
    enum Topic {
        CopyTopic = 70,
        CutTopic,
        PasteTopic,
        PasteToTopic,
        DeleteTopic,
        RenameTopic,
        PropertiesTopic
    };

    void copy() { fillClipboard(false); }
    void cut() { fillClipboard(true); }
    // Shows `pasteto` modally and pastes into the folder chosen; list entries
    // of moved files follow them.
    void paste();
    // Deletes the selected files, to the trash or, when `permanent`, for good,
    // then drops the entries whose files are gone.
    void deletefiles(bool permanent);
    void renfile();
    void showfileprop();

    const FileClipboard &filecliplist() const { return m_filecliplist; }
    PasteToDialog *pasteto() const { return m_pasteto; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillClipboard(bool cut);
    // The counter and the picture on display after the entries at `removed`
    // left the list; `before` is the current position before.
    void afterRemoval(int before, const std::vector<int> &removed);
    void message(const QString &text, int icon = 0);
    bool list2Key(QEvent *event);

    ViewerContext m_c;
    Lists m_lists;
    std::function<QString(int)> m_topicText;
    FileClipboard m_filecliplist;
    PasteToDialog *m_pasteto = nullptr;
    // A key pressed in List2 whose command waits for its release (one
    // press, one request), and the modifiers held as it went down.
    int m_pendingKey = 0;
    Qt::KeyboardModifiers m_pendingModifiers;
};

} // namespace orv
