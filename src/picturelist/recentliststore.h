#pragma once

#include <QString>
#include <optional>

namespace orv {

// Where the four recent list files are kept (the settings file's recent
// slots). The recent-lists menu reads and stores through it.
class RecentListStore
{
public:
    static constexpr int SlotCount = 4;

    virtual ~RecentListStore() = default;

    // The path in recent slot `slot` (1 to 4), or nothing when the slot is empty.
    virtual std::optional<QString> recentList(int slot) = 0;

    // Records `path` as a recent list file. True when it was stored (the menu
    // must be rebuilt); false when it was already there or not stored.
    virtual bool addRecentList(const QString &path) = 0;
};

} // namespace orv
