#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace tavelo::platform {

// Day serials count days from 1899-12-30 (day 0); the results file stores dates this way.
[[nodiscard]] double daySerial(QDate date);
[[nodiscard]] QDate dateFromSerial(double serial);
// The time of day as a fraction of a day, 0 <= f < 1.
[[nodiscard]] double dayFraction(QTime time);
[[nodiscard]] QTime timeFromFraction(double fraction);
// Whole seconds since midnight, rounded to the nearest second.
[[nodiscard]] int secondsSinceMidnight(QTime time);

// "令和8年 12月 10日（木）": era name and year, month without a leading zero,
// two-digit day, abbreviated weekday in brackets.
[[nodiscard]] QString eraDateText(QDate date);
// Abbreviated Japanese weekday: "月".."日".
[[nodiscard]] QString weekdayText(QDate date);
// Short forms used in lists: "2026/12/10" and "9:05:03".
[[nodiscard]] QString shortDateText(QDate date);
[[nodiscard]] QString shortTimeText(QTime time);

}  // namespace tavelo::platform
