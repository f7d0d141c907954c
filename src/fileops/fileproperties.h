#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace orv {

// The size as the properties dialog writes it: kilobytes to two decimals,
// cut (not rounded) and without trailing zeros, then the bytes:
// 999 bytes give "0.97  KB  (999) Bytes.", 2048 give "2  KB  (2048) Bytes.".
QString sizeText(qint64 bytes, const QLocale &locale = QLocale());

// The date as "dddd d mmmm yyyy" in the user's language: "Tuesday 5 March 2024".
QString dateText(const QDateTime &when, const QLocale &locale = QLocale());

} // namespace orv
