#include "platform/calendar.h"

#include <gtest/gtest.h>

namespace tavelo::platform {
namespace {

TEST(Calendar, DaySerialsCountFrom18991230) {
  EXPECT_EQ(daySerial(QDate(1899, 12, 30)), 0);
  EXPECT_EQ(daySerial(QDate(1900, 1, 1)), 2);
  EXPECT_EQ(daySerial(QDate(2004, 2, 10)), 38027);
  EXPECT_EQ(dateFromSerial(38027.75), QDate(2004, 2, 10));
}

TEST(Calendar, TimeOfDayAsFractionRoundTrips) {
  EXPECT_DOUBLE_EQ(dayFraction(QTime(12, 0)), 0.5);
  EXPECT_EQ(timeFromFraction(dayFraction(QTime(23, 59, 59))), QTime(23, 59, 59));
  EXPECT_EQ(secondsSinceMidnight(QTime(0, 1, 2, 600)), 63);
}

TEST(Calendar, EraDateText) {
  struct Case {
    QDate date;
    const char* text;
  };
  const Case cases[] = {
      {QDate(2004, 2, 10), "平成16年 2月 10日（火）"},
      {QDate(2019, 4, 30), "平成31年 4月 30日（火）"},
      {QDate(2019, 5, 1), "令和1年 5月 01日（水）"},
      {QDate(2026, 12, 10), "令和8年 12月 10日（木）"},
      {QDate(1989, 1, 7), "昭和64年 1月 07日（土）"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(eraDateText(c.date), QString::fromUtf8(c.text)) << c.date.toString().toStdString();
  }
}

}  // namespace
}  // namespace tavelo::platform
