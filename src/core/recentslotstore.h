#pragma once

#include "recentliststore.h"

#include <functional>

class QWidget;

namespace orv {

class MessageBoxes;
class SettingsFile;

// The recent lists kept in the settings file's slots. Before each access a
// missing settings file is re-created by `recreate` (the settings reader,
// which runs the recovery); when it returns false (the user declined the
// repair, the program is ending) nothing is read or written. A store that
// cannot be saved is reported.
class RecentSlotStore : public RecentListStore
{
public:
    RecentSlotStore(SettingsFile &file, MessageBoxes *messageBoxes, std::function<bool()> recreate,
                    QWidget *dialogParent = nullptr);

    std::optional<QString> recentList(int slot) override;
    bool addRecentList(const QString &path) override;

private:
    bool ensureFile();
    void report(const QString &text);

    SettingsFile &m_file;
    MessageBoxes *m_messageBoxes;
    std::function<bool()> m_recreate;
    QWidget *m_dialogParent;
};

} // namespace orv
