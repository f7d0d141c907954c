#pragma once

#include <QString>

class QWidget;

namespace orv {

class MessageBoxes;

// The help viewer: shows the help file's contents or one topic by its
// context number, and runs the context-help ("What's this?") mode.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showContents(QWidget *parent, const QString &helpFile) = 0;
    virtual void showTopic(QWidget *parent, const QString &helpFile, int context) = 0;
    // The text of topic `context` for what's-this help, or empty.
    virtual QString topicText(const QString &helpFile, int context) = 0;
    virtual void enterContextHelpMode() = 0;
};

// Help files are HTML; topic N starts at an anchor named "topic-N" and ends
// at the next anchor (the next topic or section).
QString helpTopicFragment(const QString &html, int context);

class HelpWindow;

class QtHelpViewer : public HelpViewer
{
public:
    explicit QtHelpViewer(MessageBoxes *messageBoxes);
    ~QtHelpViewer() override;

    void showContents(QWidget *parent, const QString &helpFile) override;
    void showTopic(QWidget *parent, const QString &helpFile, int context) override;
    QString topicText(const QString &helpFile, int context) override;
    void enterContextHelpMode() override;

    HelpWindow *window() const { return m_window; }

private:
    bool open(QWidget *parent, const QString &helpFile);

    MessageBoxes *m_messageBoxes;
    HelpWindow *m_window = nullptr;
};

} // namespace orv
