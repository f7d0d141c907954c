#include "settingsrecords.h"

#include "leadingnumber.h"
#include "listfilefield.h"
#include "rounding.h"

#include <QLocale>

namespace orv {

QByteArray SettingsRecords::record(const QByteArray &file, int length, int number)
{
    const qsizetype start = qsizetype(number - 1) * length;
    QByteArray out = file.mid(start, length);
    out.append(length - out.size(), '\0');
    return out;
}

void SettingsRecords::setRecord(QByteArray &file, int length, int number, QByteArrayView content)
{
    Q_ASSERT(content.size() == length);
    const qsizetype start = qsizetype(number - 1) * length;
    if (file.size() < start + length)
        file.append(start + length - file.size(), '\0');
    file.replace(start, length, content.data(), length);
}

double SettingsRecords::fieldValue(QByteArrayView field)
{
    // Only ASCII characters can form the number; any other byte ends it.
    return leadingNumber(QString::fromLatin1(field));
}

SettingsRecords::Options SettingsRecords::readOptions(const QByteArray &file)
{
    Options o;
    const auto value = [&file](int number) {
        return fieldValue(QByteArrayView(record(file, OptionRecordLength, number)).sliced(LabelWidth));
    };

    const double interval = value(1);
    if (!(interval >= 1 && interval <= 15)) {
        o.error = OutOfRange;
        return o;
    }
    o.intervalText = QString::number(interval, 'g', QLocale::FloatingPointShortest);

    const double sizing = value(2);
    if (!(sizing >= 0 && sizing <= 2)) {
        o.error = OutOfRange;
        return o;
    }
    o.sizing = sizing == 0 ? 0 : sizing == 1 ? 1 : 2;

    const double splash = value(3);
    if (!(splash >= 0 && splash <= 1)) {
        o.error = OutOfRange;
        return o;
    }
    o.splash = roundHalfEven(splash) != 0;
    return o;
}

void SettingsRecords::writeOptions(QByteArray &file, const QString &intervalText, int fitstyle,
                                   int showsplash)
{
    const auto put = [&file](int number, const QByteArray &label, const QString &value) {
        setRecord(file, OptionRecordLength, number, label + ListFileField::encode(value, ValueWidth));
    };
    put(1, intervalLabel(), intervalText);
    put(2, fitstyleLabel(), QString::number(fitstyle));
    put(3, splashLabel(), QString::number(showsplash));
}

void SettingsRecords::writeRecoveryDefaults(QByteArray &file)
{
    writeOptions(file, QStringLiteral("1"), 0, 1);
    setRecord(file, SlotRecordLength, 4, ListFileField::encode(QStringLiteral("5"), SlotRecordLength));
}

} // namespace orv
