#include "recentslotstore.h"

#include "messageboxes.h"
#include "recentslots.h"
#include "settingsfile.h"

namespace orv {

RecentSlotStore::RecentSlotStore(SettingsFile &file, MessageBoxes *messageBoxes,
                                 std::function<bool()> recreate, QWidget *dialogParent)
    : m_file(file), m_messageBoxes(messageBoxes), m_recreate(std::move(recreate)),
      m_dialogParent(dialogParent)
{}

bool RecentSlotStore::ensureFile()
{
    if (!m_file.exists() && m_recreate)
        return m_recreate();
    return true;
}

void RecentSlotStore::report(const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.icon = MsgIcon::Critical;
    m_messageBoxes->show(m_dialogParent, request);
}

std::optional<QString> RecentSlotStore::recentList(int slot)
{
    if (!ensureFile())
        return std::nullopt;
    const SettingsFile::Loaded loaded = m_file.load();
    if (loaded.error != 0)
        return std::nullopt;
    return RecentSlots::slot(loaded.bytes, slot);
}

bool RecentSlotStore::addRecentList(const QString &path)
{
    if (!ensureFile())
        return false;
    SettingsFile::Loaded loaded = m_file.load();
    if (loaded.error != 0) {
        // Writing now would replace slots that could not be read.
        report(m_file.readFailedText(loaded.errorString));
        return false;
    }
    if (RecentSlots::store(loaded.bytes, path) != RecentSlots::Store::Stored)
        return false;
    const SettingsFile::Saved saved = m_file.save(loaded.bytes);
    if (!saved.ok) {
        report(m_file.saveFailedText(saved.errorString));
        return false;
    }
    return true;
}

} // namespace orv
