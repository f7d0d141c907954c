#include "fileproperties.h"

#include <QCoreApplication>

namespace orv {

QString sizeText(qint64 bytes, const QLocale &locale)
{
    // Hundredths of a kilobyte, in whole numbers so that 2048 bytes give
    // exactly 2 (a division by 10.24 in floating point can fall just short).
    const qint64 hundredths = std::max<qint64>(0, bytes) * 100 / 1024;
    QString kilobytes = QString::number(hundredths / 100);
    if (const qint64 fraction = hundredths % 100) {
        QString digits = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        kilobytes += locale.decimalPoint() + digits;
    }
    return QCoreApplication::translate("FileProperties", "%1  KB  (%2) Bytes.").arg(kilobytes).arg(bytes);
}

QString dateText(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when.date(), QStringLiteral("dddd d MMMM yyyy"));
}

} // namespace orv
