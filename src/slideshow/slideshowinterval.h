#pragma once

#include <QString>
#include <optional>

namespace orv {

// The slideshow interval as typed in the options dialog: seconds from 1 to 15,
// fractions allowed, read with the leading-number parse in single precision.
class SlideshowInterval
{
public:
    static constexpr int MinSeconds = 1;
    static constexpr int MaxSeconds = 15;

    // The timer interval in milliseconds (rounded down), or nothing when the
    // text is out of range or not a number.
    static std::optional<int> milliseconds(const QString &text);

    // The text to store in the settings file's three-byte field: the typed
    // text as it stands when its first three bytes read back in range;
    // otherwise the typed value in its shortest form, or failing that the
    // interval in force. So the file never receives a value it would
    // reject on reading ("0001", "   1").
    static QString storedText(const QString &text, int appliedMs);
};

} // namespace orv
