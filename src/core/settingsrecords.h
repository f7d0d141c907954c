#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace orv {

// The records of the settings file `Orvanta.ini`. One file is addressed with
// two record lengths: 28-byte option records 1-3 (bytes 0-83) and 100-byte slot
// records 4-8 (bytes 300-799). Bytes 84-299 are never read or written. An
// option record is a 25-byte label and a 3-byte value; labels are written on
// every save and ignored on reading.
class SettingsRecords
{
public:
    static constexpr int OptionRecordLength = 28;
    static constexpr int SlotRecordLength = 100;
    static constexpr int LabelWidth = 25;
    static constexpr int ValueWidth = 3;
    // Error number of a value out of range.
    static constexpr int OutOfRange = 513;

    static QByteArray intervalLabel() { return QByteArrayLiteral("    slideshow interval = "); }
    static QByteArray fitstyleLabel() { return QByteArrayLiteral("               fitstyle ="); }
    static QByteArray splashLabel() { return QByteArrayLiteral("     show splash screen ="); }

    // Record `number` (1-based) of `length` bytes; bytes past the end of the
    // file read as zero.
    static QByteArray record(const QByteArray &file, int length, int number);
    // Writes record `number` in place, extending the file with zero bytes
    // when it is shorter.
    static void setRecord(QByteArray &file, int length, int number, QByteArrayView content);
    // The leading number of a field's bytes.
    static double fieldValue(QByteArrayView field);

    // What the option records give, in reading order. Reading stops at the
    // first value out of range (error OutOfRange); the values before it count.
    struct Options {
        std::optional<QString> intervalText; // the value in its shortest form: "1", "2.5"
        std::optional<int> sizing;           // 0 autofit, 1 fit, 2 NOFIT
        std::optional<bool> splash;
        int error = 0;
    };
    static Options readOptions(const QByteArray &file);

    // Records 1-3: the interval text as it stands, cut or padded to three
    // bytes, and the other two values as decimal text.
    static void writeOptions(QByteArray &file, const QString &intervalText, int fitstyle, int showsplash);

    // The recovery's records: interval 1, fitstyle 0, show splash 1 and the
    // next recent slot 5. The recent slots stay as they are.
    static void writeRecoveryDefaults(QByteArray &file);
};

} // namespace orv
