#include "hub/rankings.h"
#include "list_fixture.h"

namespace tavelo::hub {
namespace {

using namespace Qt::Literals::StringLiterals;

class Rankings : public testing::ListFixture {
 protected:
  void SetUp() override {
    ListFixture::SetUp();
    addStudent(1, u"青木　さくら"_s, 1);
    addStudent(2, u"石田　れん"_s, 2);
    addStudent(3, u"上野　ひなた"_s, 7);
    addStudent(4, u"林"_s, 11);
  }
  void points(int student, int soFar, int today, int level = 1) const {
    state->totalPoints(student, level) = soFar;
    state->todayPoints(student, level) = today;
  }
};

TEST_F(Rankings, BestTimesShareRanksAndMarkTheCurrentStudent) {
  state->bestTime(2, 1) = 40;
  state->bestTime(1, 1) = 42;
  state->bestTime(3, 1) = 42;
  state->bestTime(4, 1) = 99998;
  const ListEntries lines = timeRanking(context(), 1);
  EXPECT_EQ(texts(lines), (QStringList{u"1②石田　れん    40 　"_s, u"2●青木　さく    42 ●"_s,
                                       u"2Ⅰ上野　ひな    42 　"_s, u"4　林　　　　*失敗* 　"_s}));
  EXPECT_EQ(ranks(lines), (std::vector<int>{1, 2, 2, 4}));
  EXPECT_EQ(currentStudentRow(context(), lines), 1);
  EXPECT_EQ(lines[1].time, 42);

  // No record: "--" and "------"; filtered students keep their rank positions.
  const ListEntries level2 = timeRanking(context(u"小学生全体"_s), 2);
  EXPECT_EQ(texts(level2), (QStringList{u"--●青木　さく------ ●"_s, u"--②石田　れん------ 　"_s}));
  state->bestTime(3, 2) = 10;
  EXPECT_EQ(ranks(timeRanking(context(u"小２"_s), 2)), std::vector<int>{2});
}

TEST_F(Rankings, ALevelThatIsNotRecordedListsTheHighestFirst) {
  state->levelRecorded[3] = 0;
  state->bestTime(2, 3) = 7;
  state->bestTime(3, 3) = 12;
  // Four blanks before any time: a one-digit time makes a shorter line.
  const QStringList lines = texts(timeRanking(context(), 3));
  EXPECT_EQ(lines, (QStringList{u"1Ⅰ上野　ひな    12 　"_s, u"2②石田　れん    7 　"_s,
                                u"3●青木　さく-99999 ●"_s, u"3　林　　　　-99999 　"_s}));
}

TEST_F(Rankings, PointsSoFarThenToday) {
  // The example of three students: 30 (5 today), 30 (8 today), 20, in that group order.
  points(1, 30, 5);
  points(2, 30, 8);
  points(3, 20, 0);
  const ListEntries lines = pointRanking(context(), 1, PointsOrder::kSoFar);
  EXPECT_EQ(texts(lines), (QStringList{u"1②石田　れん  8/   30"_s, u"1●青木　さく  5/   30"_s,
                                       u"3Ⅰ上野　ひな  0/   20"_s, u"4　林　　　　  0/    0"_s}));
  EXPECT_EQ(ranks(lines), (std::vector<int>{1, 1, 3, 4}));
  EXPECT_EQ(lines[1].points, 30);
  EXPECT_EQ(lines[1].pointsToday, 5);
}

TEST_F(Rankings, TodaysOrderListsOnlyStudentsWithPointsTodayButCountsEveryone) {
  points(1, 10, 0);
  points(2, 30, 4);
  points(3, 20, 4);
  points(4, 5, 9);
  const ListEntries lines = pointRanking(context(), 1, PointsOrder::kToday);
  EXPECT_EQ(texts(lines), (QStringList{u"1　林　　　　  9/    5"_s, u"2②石田　れん  4/   30"_s,
                                       u"2Ⅰ上野　ひな  4/   20"_s}));
  EXPECT_EQ(currentStudentRow(context(), lines), -1);
  // The grade filter hides students without taking their rank positions.
  EXPECT_EQ(ranks(pointRanking(context(u"中学生全体"_s), 1, PointsOrder::kToday)),
            std::vector<int>{2});
}

TEST_F(Rankings, ThousandsOfSecondaryPointsNeverOvertakeThePrimaryOrder) {
  struct Case {
    PointsOrder order;
    int soFar1, today1, soFar2, today2;
    int firstStudent;
  };
  const Case cases[] = {
      {PointsOrder::kSoFar, 29, 1000, 30, 0, 2},
      {PointsOrder::kSoFar, 30, 1500, 30, 999, 1},
      {PointsOrder::kToday, 1000, 29, 0, 30, 2},
      {PointsOrder::kToday, 3000, 12, 2000, 12, 1},
  };
  for (const Case& c : cases) {
    points(1, c.soFar1, c.today1);
    points(2, c.soFar2, c.today2);
    const ListEntries lines = pointRanking(context(u"小学生全体"_s), 1, c.order);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].student, c.firstStudent) << c.soFar1 << "/" << c.today1;
    const bool tie = c.firstStudent == 1;
    EXPECT_EQ(ranks(lines), (std::vector<int>{1, tie ? 1 : 2}));
  }
}

TEST_F(Rankings, AnyGroupSizeIsRanked) {
  state->roster.clear();
  for (int n = 1; n <= 3000; ++n) {
    addStudent(n, u"生徒"_s + QString::number(n), 3);
    state->totalPoints(n, 1) = n;
  }
  state->studentIndex = 2;
  const ListEntries lines = pointRanking(context(), 1, PointsOrder::kSoFar);
  ASSERT_EQ(lines.size(), 3000U);
  EXPECT_EQ(lines.front().text, u"1③生徒300  0/ 3000"_s);
  // Ranks show their last two digits; the current student's line carries the mark.
  EXPECT_EQ(lines[2998].text, u"99●生徒2　　  0/    2"_s);
  EXPECT_EQ(lines.back().text, u"00③生徒1　　  0/    1"_s);
  EXPECT_EQ(currentStudentRow(context(), lines), 2998);
}

}  // namespace
}  // namespace tavelo::hub
