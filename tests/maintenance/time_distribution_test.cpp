#include "maintenance/time_distribution.h"

#include <gtest/gtest.h>

namespace tavelo::maintenance {
namespace {

using namespace Qt::Literals::StringLiterals;

storage::ResultRecord drill(int student, int level, int seconds) {
  storage::ResultRecord r;
  r.student = static_cast<qint16>(student);
  r.level = static_cast<qint16>(level);
  r.drillTime = seconds;
  return r;
}

int stars(const QString& line) {
  return static_cast<int>(line.count(u'★'));
}

TEST(TimeDistribution, EveryResultAndEachStudentsBestTime) {
  // Student 7: 55, 48 and 61 s at level 3; student 8: 350 s, once; student 9: timed out.
  const TimeDistribution d =
      countDrillTimes({drill(7, 3, 55), drill(7, 3, 48), drill(7, 3, 61), drill(8, 3, 350),
                       drill(9, 3, 99999), drill(8, 4, 2000), drill(8, 4, 30)});
  EXPECT_EQ(d.resultCount[3], 5);
  EXPECT_EQ(d.allResults[3][4], 1);
  EXPECT_EQ(d.allResults[3][5], 1);
  EXPECT_EQ(d.allResults[3][6], 1);
  EXPECT_EQ(d.allResults[3][35], 1);
  EXPECT_EQ(d.allResults[3][100], 1);  // 99999
  EXPECT_EQ(d.allResults[4][100], 1);  // 2000
  EXPECT_EQ(d.bestTimes[3][4], 1);     // 48 is student 7's best; 55 and 61 are not counted
  EXPECT_EQ(d.bestTimes[3][5] + d.bestTimes[3][6], 0);
  EXPECT_EQ(d.bestTimes[3][30], 2);  // 350 and the time-out
  EXPECT_EQ(d.bestTimes[4][3], 1);   // 30 is student 8's best at level 4
  EXPECT_EQ(d.bestTimes[4][30], 0);
}

TEST(TimeDistribution, RecordsTheTablesCannotHoldAreLeftOut) {
  const TimeDistribution d =
      countDrillTimes({drill(1, 0, 20), drill(1, 51, 20), drill(1, -2, 20), drill(5001, 2, 20),
                       drill(-1, 2, 20), drill(5000, 50, 20), drill(0, 2, -35)});
  EXPECT_EQ(d.resultCount[0], 0);  // level 0 is no drill
  EXPECT_EQ(d.resultCount[2], 1);
  EXPECT_EQ(d.allResults[2][0], 1);  // a negative time counts in the first bucket
  EXPECT_EQ(d.bestTimes[2][0], 1);
  EXPECT_EQ(d.resultCount[50], 1);
  EXPECT_EQ(d.bestTimes[50][2], 1);
}

TEST(TimeDistribution, StarsAreCountedInTenthsOfTheLargestBucket) {
  struct Case {
    int largest;  // drills in bucket 2
    int other;    // drills in bucket 5
    int unit;
    int largestStars;
    int otherStars;
  };
  const Case cases[] = {{9, 4, 1, 9, 4},   {25, 3, 2, 13, 2}, {25, 1, 2, 13, 1},
                        {10, 0, 1, 10, 0}, {1, 0, 1, 1, 0},   {0, 0, 1, 0, 0}};
  for (const Case& c : cases) {
    std::vector<storage::ResultRecord> records;
    for (int i = 0; i < c.largest; ++i) records.push_back(drill(100 + i, 6, 25));
    for (int i = 0; i < c.other; ++i) records.push_back(drill(200, 6, 55));
    const TimeDistribution d = countDrillTimes(records);
    const QStringList all = allResultsLines(d, 6);
    ASSERT_EQ(all.size(), 102) << c.largest;
    EXPECT_EQ(all[0], u"レベル6 今まで%1回  （★=%2）"_s.arg(c.largest + c.other).arg(c.unit));
    EXPECT_EQ(stars(all[1 + 2]), c.largestStars) << c.largest;
    EXPECT_EQ(stars(all[1 + 5]), c.otherStars) << c.largest;
  }
}

TEST(TimeDistribution, LinesAndLabels) {
  const TimeDistribution d = countDrillTimes({drill(3, 2, 5), drill(4, 2, 5), drill(3, 2, 1005)});
  const QStringList all = allResultsLines(d, 2);
  EXPECT_EQ(all[0], u"レベル2 今まで3回  （★=1）"_s);
  EXPECT_EQ(all[1], u"   0～★★"_s);
  EXPECT_EQ(all[2], u"  10～"_s);
  EXPECT_EQ(all[11], u" 100～"_s);
  EXPECT_EQ(all[101], u"1000～★"_s);
  const QStringList best = bestTimeLines(d, 2);
  ASSERT_EQ(best.size(), 102);
  EXPECT_EQ(best[0], u"レベル2 （★=1）"_s);
  EXPECT_EQ(best[1], u"   0～★★"_s);
  EXPECT_EQ(best[101], u"1000～"_s);

  // A grid row beyond the tables shows an empty distribution.
  const QStringList beyond = allResultsLines(d, 60);
  EXPECT_EQ(beyond[0], u"レベル60 今まで0回  （★=1）"_s);
  EXPECT_EQ(beyond.size(), 102);
}

}  // namespace
}  // namespace tavelo::maintenance
