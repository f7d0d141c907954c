#include "slideshowinterval.h"

#include "leadingnumber.h"
#include "listfilefield.h"
#include "settingsrecords.h"

#include <QLocale>
#include <cmath>

namespace orv {

namespace {

bool inRange(double seconds)
{
    return seconds >= SlideshowInterval::MinSeconds && seconds <= SlideshowInterval::MaxSeconds;
}

QString shortest(double seconds)
{
    return QString::number(seconds, 'g', QLocale::FloatingPointShortest);
}

} // namespace

std::optional<int> SlideshowInterval::milliseconds(const QString &text)
{
    const float seconds = float(leadingNumber(text));
    if (!inRange(seconds))
        return std::nullopt;
    return int(std::floor(seconds * 1000.0f));
}

QString SlideshowInterval::storedText(const QString &text, int appliedMs)
{
    const auto readsBack = [](const QString &candidate) {
        const QByteArray field = ListFileField::encode(candidate, SettingsRecords::ValueWidth);
        return inRange(SettingsRecords::fieldValue(field));
    };
    if (readsBack(text))
        return text;
    if (milliseconds(text)) {
        const QString typed = shortest(double(float(leadingNumber(text))));
        if (readsBack(typed))
            return typed;
    }
    return shortest(appliedMs / 1000.0);
}

} // namespace orv
