#include "recentslots.h"

#include "listfilefield.h"
#include "rounding.h"
#include "settingsrecords.h"

namespace orv {

std::optional<QString> RecentSlots::slot(const QByteArray &file, int slot)
{
    const QByteArray record = SettingsRecords::record(file, Width, FirstSlotRecord + slot - 1);
    const QByteArrayView text = ListFileField::trimmedRight(record);
    if (text.size() >= Width)
        return std::nullopt;
    return ListFileField::decodeText(text);
}

int RecentSlots::pointer(const QByteArray &file)
{
    const int n =
        roundHalfEven(SettingsRecords::fieldValue(SettingsRecords::record(file, Width, PointerRecord)));
    return n >= FirstSlotRecord && n < FirstSlotRecord + SlotCount ? n : FirstSlotRecord;
}

bool RecentSlots::fits(const QString &path)
{
    return path.toUtf8().size() < Width && ListFileField::roundTrips(path, Width);
}

RecentSlots::Store RecentSlots::store(QByteArray &file, const QString &path)
{
    for (int k = 1; k <= SlotCount; ++k) {
        const QByteArray record = SettingsRecords::record(file, Width, FirstSlotRecord + k - 1);
        if (ListFileField::decode(record) == path)
            return Store::AlreadyPresent;
    }
    if (!fits(path))
        return Store::DoesNotFit;
    int n = pointer(file);
    SettingsRecords::setRecord(file, Width, n, ListFileField::encode(path, Width));
    ++n;
    if (n >= FirstSlotRecord + SlotCount)
        n = FirstSlotRecord;
    SettingsRecords::setRecord(file, Width, PointerRecord, ListFileField::encode(QString::number(n), Width));
    return Store::Stored;
}

} // namespace orv
