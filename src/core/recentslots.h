#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orv {

// The recent-list records of the settings file (100 bytes each): record 4
// holds the number (5-8) of the slot the next list file takes, records 5-8
// hold recent slots 1-4. The four slots form a ring: a new path overwrites the
// slot the pointer names (the oldest once all are used) and the pointer moves
// on, wrapping from 8 to 5.
class RecentSlots
{
public:
    static constexpr int PointerRecord = 4;
    static constexpr int FirstSlotRecord = 5;
    static constexpr int SlotCount = 4;
    static constexpr int Width = 100;

    // Slot `slot` (1-4) without trailing blanks; present when fewer than 100
    // bytes remain (a slot never written holds zero bytes and is empty).
    static std::optional<QString> slot(const QByteArray &file, int slot);

    // The record (5-8) the next path takes; anything else reads as 5.
    static int pointer(const QByteArray &file);

    // Whether a path can be stored so that it reads back whole: at most 99
    // bytes and no trailing blank.
    static bool fits(const QString &path);

    enum class Store { Stored, AlreadyPresent, DoesNotFit };
    // Stores `path` in the ring unless a slot already holds exactly that text
    // (case-sensitive). A path that does not fit is not stored: cut, it would
    // name another file and push a good entry out of the ring.
    static Store store(QByteArray &file, const QString &path);
};

} // namespace orv
