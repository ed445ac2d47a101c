#include "hub/time_lists.h"
#include "fakes.h"
#include "list_fixture.h"
#include "platform/calendar.h"
#include "storage/results_file.h"

#include <QFile>
#include <QTemporaryDir>

namespace tavelo::hub {
namespace {

using namespace Qt::Literals::StringLiterals;

// Thursday 10 December 2026, 10:00.
const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));
constexpr double kToday = 46366;

storage::ResultRecord drill(double date, QTime time, int student, int level, int seconds) {
  storage::ResultRecord r;
  r.date = date;
  r.timeOfDay = platform::dayFraction(time);
  r.student = static_cast<qint16>(student);
  r.level = static_cast<qint16>(level);
  r.drillTime = seconds;
  return r;
}

class TimeLists : public testing::ListFixture {
 protected:
  void SetUp() override {
    ListFixture::SetUp();
    addStudent(1, u"青木　さくら"_s, 1);
    addStudent(2, u"石田　れん"_s, 2);
    addStudent(3, u"林"_s, 8);
  }
  storage::NewestRecords newest(std::vector<storage::ResultRecord> records,
                                qint64 firstNumber = 1) const {
    storage::NewestRecords n;
    n.firstNumber = firstNumber;
    n.recordCount = firstNumber - 1 + static_cast<qint64>(records.size());
    n.records = std::move(records);
    return n;
  }
};

TEST_F(TimeLists, PeriodsGoBackToMondayOrFurther) {
  struct Case {
    QDate day;
    int period;
    int days;
  };
  const Case cases[] = {
      {QDate(2026, 12, 7), 1, 1},   {QDate(2026, 12, 7), 2, 8},  // Monday
      {QDate(2026, 12, 10), 1, 4},  {QDate(2026, 12, 10), 2, 11},  {QDate(2026, 12, 13), 1, 7},
      {QDate(2026, 12, 13), 2, 14},  // Sunday
      {QDate(2026, 12, 13), 3, 30}, {QDate(2026, 12, 13), 4, 365}, {QDate(2026, 12, 13), 5, 3650},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(periodDaysBack(c.period, c.day), c.days) << c.day.toString().toStdString();
  }
  EXPECT_EQ(periodNames().size(), 5);
  EXPECT_EQ(periodNames().last(), u"　　今までの全成績"_s);

  // On a Monday this week's list holds today's drills only; on Sunday the whole week.
  const double monday = kToday - 3;
  const auto records =
      newest({drill(monday - 1, QTime(23, 59), 2, 1, 40), drill(monday, QTime(0, 1), 2, 1, 41),
              drill(monday + 6, QTime(12, 0), 2, 1, 42)});
  const QDateTime mondayNow(QDate(2026, 12, 7), QTime(10, 0));
  const QDateTime sundayNow(QDate(2026, 12, 13), QTime(18, 0));
  EXPECT_EQ(periodDrills(context(), records, mondayNow, periodDaysBack(1, mondayNow.date()),
                         DrillsFirst::kTime)[1]
                .size(),
            2U);  // the drill of the Monday and the one dated later
  const LevelEntries week = periodDrills(context(), records, sundayNow,
                                         periodDaysBack(1, sundayNow.date()), DrillsFirst::kTime);
  ASSERT_EQ(week[1].size(), 2U);
  EXPECT_EQ(week[1][0].time, 41);
}

TEST_F(TimeLists, TodaysDrillsLineByLine) {
  state->criteriaPointFactor[2] = 2;
  const auto records = newest({
      drill(kToday - 1, QTime(23, 59), 1, 1, 20),  // yesterday: not listed
      drill(kToday, QTime(9, 5, 3), 1, 1, 5),      // 33 points whatever the factor
      drill(kToday, QTime(9, 7), 2, 2, 5),
      drill(kToday, QTime(9, 8), 3, 1, 99999),  // ran out of time: no points
      drill(kToday, QTime(9, 9), 0, 1, 42),     // no such student: no name
      drill(kToday, QTime(9, 10), 2, 6, 42),    // no such level on the hub
      drill(kToday, QTime(13, 45), 2, 1, 61),
  });
  const LevelEntries lists = todaysDrills(context(), records, kNow);
  EXPECT_EQ(texts(lists[1]),
            (QStringList{u"   5秒 09:05●青木　さく●33"_s, u"　　× 09:08Ⅱ林　　　　Ⅱ"_s,
                         u"  42秒 09:09　　　　　　4"_s, u"  61秒 13:45②石田　れん②1"_s}));
  EXPECT_EQ(texts(lists[2]), QStringList{u"   5秒 09:07②石田　れん②33"_s});
  EXPECT_EQ(lists[1][0].recordNumber, 2);
  EXPECT_EQ(lists[1][0].points, 33);
  for (int l = 3; l < kLevelSlots; ++l) EXPECT_TRUE(lists[static_cast<std::size_t>(l)].empty());

  const LevelEntries second = todaysDrills(context(u"小２"_s), records, kNow);
  EXPECT_EQ(second[1].size(), 1U);
}

TEST_F(TimeLists, AllDrillsOfAPeriodInTimeOrPointsOrder) {
  const auto records = newest({
      drill(kToday - 30, QTime(9, 0), 1, 1, 30),  // just outside 30 days at 10:00
      drill(kToday - 29, QTime(9, 0), 1, 1, 30),
      drill(kToday - 2, QTime(9, 0), 2, 3, 99998),
      drill(kToday, QTime(8, 0), 3, 1, 120),
  });
  const LevelEntries byTime = periodDrills(context(), records, kNow, 30, DrillsFirst::kTime);
  EXPECT_EQ(texts(byTime[1]),
            (QStringList{u"  30秒 11/11●青木　さく●5"_s, u" 120秒 12/10Ⅱ林　　　　Ⅱ1"_s}));
  EXPECT_EQ(texts(byTime[3]), QStringList{u"　　× 12/08②石田　れん②"_s});
  const LevelEntries byPoints = periodDrills(context(), records, kNow, 30, DrillsFirst::kPoints);
  EXPECT_EQ(texts(byPoints[1]),
            (QStringList{u"    5 11/11●青木　さく●30秒"_s, u"    1 12/10Ⅱ林　　　　Ⅱ120秒"_s}));
  EXPECT_EQ(texts(byPoints[3]), texts(byTime[3]));
}

TEST_F(TimeLists, PersonalTimesShowTheCurrentStudentsDrillsAndFailures) {
  const auto records = newest({
      drill(kToday - 3651, QTime(9, 0), 1, 1, 30),
      drill(kToday - 5, QTime(9, 5, 3), 1, 1, 42),
      drill(kToday, QTime(14, 0), 2, 1, 42),
      drill(kToday, QTime(14, 30), 1, 2, 99999),
  });
  const LevelEntries lists = personalTimes(context(), records, kNow);
  EXPECT_EQ(texts(lists[1]), QStringList{u"2026/12/05 9:05:03  42秒"_s});
  EXPECT_EQ(texts(lists[2]), QStringList{u"2026/12/10 14:30:00　　× "_s});
  // The student's own grade must pass the filter too.
  EXPECT_TRUE(personalTimes(context(u"小２"_s), records, kNow)[1].empty());
}

TEST(NewestRecordsTest, AFileOfFortyThousandRecordsListsItsNewestDrills) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto state = std::make_unique<SharedState>();
  state->programDataFolder = dir.path() + u'/';
  state->levelCount = 5;
  state->criteriaTargetTime[1] = 30;
  state->rosterNames[7] = u"青木　さくら"_s;
  constexpr int kRecords = 40000;
  QByteArray bytes;
  bytes.reserve(kRecords * storage::kRecordSize);
  for (int n = 1; n <= kRecords; ++n) {
    // Yesterday's drills, then today's from record 39501, each recording its number in the
    // time so that every line says which record it came from.
    const double date = n > 39500 ? kToday : kToday - 1;
    bytes += storage::encodeRecord(drill(date, QTime(8, 0), 7, 1, n % 1000 + 10));
  }
  QFile file(storage::resultsFilePath(*state));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.write("partial");  // a partial record at the end is no record
  file.close();

  testing::FakeServices fakes;
  auto newest = storage::readNewestRecords(*state, fakes.services, kPeriodRecords);
  ASSERT_TRUE(newest.ok()) << newest.error().message.toStdString();
  EXPECT_EQ(newest->recordCount, kRecords);
  EXPECT_EQ(newest->firstNumber, kRecords - kPeriodRecords + 1);
  ASSERT_EQ(newest->records.size(), static_cast<std::size_t>(kPeriodRecords));

  const ListContext all(*state, u"全学年"_s);
  const ListEntries today = todaysDrills(all, *newest, kNow)[1];
  ASSERT_EQ(today.size(), 500U);
  EXPECT_EQ(today.front().recordNumber, 39501);
  EXPECT_EQ(today.back().recordNumber, kRecords);
  EXPECT_EQ(today.back().text, u"  10秒 08:00　青木　さく　19"_s);
  const ListEntries period = periodDrills(all, *newest, kNow, 30, DrillsFirst::kTime)[1];
  ASSERT_EQ(period.size(), static_cast<std::size_t>(kPeriodRecords));
  EXPECT_EQ(period.front().recordNumber, 20001);
  EXPECT_EQ(period.front().time, 20001 % 1000 + 10);
}

}  // namespace
}  // namespace tavelo::hub
