#include "platform/calendar.h"

#include <array>
#include <cmath>

namespace tavelo::platform {

namespace {

const QDate kSerialEpoch(1899, 12, 30);

struct Era {
  QDate start;
  const char* name;
};

// Newest first; the first era that has begun on a date names it.
const std::array<Era, 5> kEras{{
    {QDate(2019, 5, 1), "令和"},
    {QDate(1989, 1, 8), "平成"},
    {QDate(1926, 12, 25), "昭和"},
    {QDate(1912, 7, 30), "大正"},
    {QDate(1868, 1, 25), "明治"},
}};

}  // namespace

double daySerial(QDate date) {
  return static_cast<double>(kSerialEpoch.daysTo(date));
}

QDate dateFromSerial(double serial) {
  return kSerialEpoch.addDays(static_cast<qint64>(std::floor(serial)));
}

double dayFraction(QTime time) {
  return time.msecsSinceStartOfDay() / 86'400'000.0;
}

QTime timeFromFraction(double fraction) {
  const double whole = fraction - std::floor(fraction);
  const auto ms = static_cast<int>(std::llround(whole * 86'400'000.0)) % 86'400'000;
  return QTime::fromMSecsSinceStartOfDay(ms);
}

int secondsSinceMidnight(QTime time) {
  return (time.msecsSinceStartOfDay() + 500) / 1000;
}

QString weekdayText(QDate date) {
  static const std::array<const char*, 7> names{"月", "火", "水", "木", "金", "土", "日"};
  return QString::fromUtf8(names.at(static_cast<std::size_t>(date.dayOfWeek() - 1)));
}

QString eraDateText(QDate date) {
  QString era;
  int eraYear = date.year();
  for (const Era& e : kEras) {
    if (date >= e.start) {
      era = QString::fromUtf8(e.name);
      eraYear = date.year() - e.start.year() + 1;
      break;
    }
  }
  return QStringLiteral("%1%2年 %3月 %4日（%5）")
      .arg(era)
      .arg(eraYear)
      .arg(date.month())
      .arg(date.day(), 2, 10, QLatin1Char('0'))
      .arg(weekdayText(date));
}

QString shortDateText(QDate date) {
  return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QString shortTimeText(QTime time) {
  return time.toString(QStringLiteral("H:mm:ss"));
}

}  // namespace tavelo::platform
