// A settings file of any bytes: the option records, the recent slots and their pointer,
// storing a recent list, and the leading-number parse of any text.

#include "fuzzsupport.h"
#include "leadingnumber.h"
#include "recentslots.h"
#include "settingsrecords.h"

#include <cmath>

using namespace orv;

namespace {

void checkOptions(const QByteArray &file)
{
    const SettingsRecords::Options o = SettingsRecords::readOptions(file);
    ORV_FUZZ_CHECK(o.error == 0 || o.error == SettingsRecords::OutOfRange);
    if (o.intervalText) {
        // The interval as shown reads back as an accepted interval.
        const double v = leadingNumber(*o.intervalText);
        ORV_FUZZ_CHECK(v >= 1 && v <= 15);
    }
    if (o.sizing)
        ORV_FUZZ_CHECK(*o.sizing >= 0 && *o.sizing <= 2);
    ORV_FUZZ_CHECK(o.error != 0 || (o.intervalText && o.sizing && o.splash));
}

void checkSlots(QByteArray file, const QString &path)
{
    for (int slot = 1; slot <= RecentSlots::SlotCount; ++slot) {
        const std::optional<QString> text = RecentSlots::slot(file, slot);
        ORV_FUZZ_CHECK(!text || text->toUtf8().size() <= RecentSlots::Width * 3);
    }
    const int pointer = RecentSlots::pointer(file);
    ORV_FUZZ_CHECK(pointer >= RecentSlots::FirstSlotRecord &&
                   pointer < RecentSlots::FirstSlotRecord + RecentSlots::SlotCount);

    const QByteArray before = file;
    const RecentSlots::Store stored = RecentSlots::store(file, path);
    if (stored != RecentSlots::Store::Stored) {
        ORV_FUZZ_CHECK(file == before);
        return;
    }
    // The path is in the slot the pointer named, and nothing before byte 300 changed.
    ORV_FUZZ_CHECK(RecentSlots::slot(file, pointer - RecentSlots::FirstSlotRecord + 1) == path);
    ORV_FUZZ_CHECK(file.left(300) ==
                   before.left(300).leftJustified(std::min<qsizetype>(300, file.size()), '\0'));
    ORV_FUZZ_CHECK(RecentSlots::store(file, path) == RecentSlots::Store::AlreadyPresent);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    checkOptions(bytes);

    // The last bytes, up to 120, double as a path to store.
    const qsizetype pathLength = std::min<qsizetype>(bytes.size() / 2, 120);
    const QString path = QString::fromUtf8(bytes.right(pathLength));
    checkSlots(bytes, path);

    for (const QString &text : {QString::fromLatin1(bytes), QString::fromUtf8(bytes)}) {
        const double v = leadingNumber(text);
        ORV_FUZZ_CHECK(!std::isnan(v));
    }
    return 0;
}
