#include "roster_menu/roster_list.h"
#include "core/shared_state.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavelo::roster_menu {
namespace {

using namespace Qt::Literals::StringLiterals;

// Six students in school year 2003: two pupils of the first grade and one whose name is
// too long for the column (all base year 1996), a kindergarten child, a junior-high
// student and the teacher.
class RosterListing : public ::testing::Test {
 protected:
  void SetUp() override {
    state->schoolYear = 2003;
    add(1, 1996, "青木　はると");
    add(2, 1990, "石田　ゆい");
    add(3, 1997, "野口　ひかり");
    add(4, 1996, "長い名前のせいとさん");
    add(5, 1960, "先生");
    add(6, 1996, "上野　そうた");
    // Student 1: two drills today on level 1, six so far over levels 1 and 3.
    state->todayCount(1, 1) = 2;
    state->todayPoints(1, 1) = 30;
    state->completedCount(1, 1) = 5;
    state->totalPoints(1, 1) = 80;
    state->completedCount(1, 3) = 1;
    state->totalPoints(1, 3) = 7;
    // The teacher: more points than the seven-character field holds.
    state->completedCount(5, 2) = 3;
    state->totalPoints(5, 2) = 12345678;
  }
  void add(int number, int baseYear, const char* name) {
    RosterEntry entry;
    entry.number = static_cast<qint16>(number);
    entry.baseYear = static_cast<qint16>(baseYear);
    entry.name = QString::fromUtf8(name).leftJustified(20, u' ');
    state->rosterNames[static_cast<std::size_t>(number)] = entry.name;
    state->roster.push_back(entry);
  }
  std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
};

struct ModeCase {
  int mode;
  QStringList lines;  // after the separator, youngest first
};

TEST_F(RosterListing, TheFourDisplayModesOrderedByAge) {
  const std::vector<ModeCase> cases{
      {kDrillsTodayAndSoFar,
       {u"幼3 野口　ひかり　　     /     　"_s, u"小1 青木　はると  2回/    6回"_s,
        u"小1 長い名前のせ     /     　"_s, u"小1 上野　そうた     /     　"_s,
        u"中1 石田　ゆい　     /     　"_s, u"大+ 先生　　　　     /    3回"_s}},
      // Mode 1 gives the kindergarten child the same width as everyone else.
      {kPointsTodayAndSoFar,
       {u"幼3 野口　ひかり  　/       "_s, u"小1 青木　はると  30/     87"_s,
        u"小1 長い名前のせ  　/       "_s, u"小1 上野　そうた  　/       "_s,
        u"中1 石田　ゆい　  　/       "_s, u"大+ 先生　　　　  　/12345678"_s}},
      {kTodayPointsAndDrills,
       {u"幼3 野口　ひかり　　  　/     "_s, u"小1 青木　はると  30/  2回"_s,
        u"小1 長い名前のせ  　/     "_s, u"小1 上野　そうた  　/     "_s,
        u"中1 石田　ゆい　  　/     "_s, u"大+ 先生　　　　  　/     "_s}},
      {kSoFarPointsAndDrills,
       {u"幼3 野口　ひかり　　       /     　"_s, u"小1 青木　はると     87/    6回"_s,
        u"小1 長い名前のせ       /     　"_s, u"小1 上野　そうた       /     　"_s,
        u"中1 石田　ゆい　       /     　"_s, u"大+ 先生　　　　12345678/    3回"_s}},
  };
  for (const ModeCase& c : cases) {
    const auto listing = buildRosterListing(*state, c.mode, u"全学年"_s);
    ASSERT_EQ(listing.lines.size(), 7) << c.mode;
    EXPECT_EQ(listing.lines.front(), separatorLine());
    EXPECT_EQ(listing.lines.mid(1), c.lines) << c.mode;
    // The hidden entries are the lines followed by "*" and the student's number.
    const std::vector<int> numbers{3, 1, 4, 6, 2, 5};
    ASSERT_EQ(listing.entries.size(), 6);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(listing.entries[i], c.lines[i] + u'*' + QString::number(numbers[i]));
      EXPECT_EQ(studentOfEntry(listing.entries[i]), numbers[i]);
    }
    // The key list keeps every student, sorted, base year first.
    ASSERT_EQ(listing.keys.size(), 6);
    EXPECT_TRUE(listing.keys.front().startsWith(u"1960大+ 先生"_s));
    EXPECT_TRUE(listing.keys.back().startsWith(u"1997幼3 野口"_s));
  }
}

TEST_F(RosterListing, TheGradeFilter) {
  const std::vector<std::pair<QString, std::vector<int>>> cases{
      {u"全学年"_s, {3, 1, 4, 6, 2, 5}},
      {u"家族"_s, {3, 1, 4, 6, 2, 5}},
      {u"小学生全体"_s, {1, 4, 6}},  // neither the kindergarten child nor junior high
      {u"小１"_s, {1, 4, 6}},
      {u"中学生全体"_s, {2}},
      {u"中１"_s, {2}},
      {u"小２"_s, {}},
      {u"何か"_s, {}},
  };
  for (const auto& [filter, expected] : cases) {
    const auto listing = buildRosterListing(*state, kPointsTodayAndSoFar, filter);
    std::vector<int> shown;
    for (const QString& entry : listing.entries) shown.push_back(studentOfEntry(entry));
    EXPECT_EQ(shown, expected) << filter.toStdString();
    EXPECT_EQ(listing.lines.size(), static_cast<qsizetype>(expected.size()) + 1);
    EXPECT_EQ(listing.keys.size(), 6);
  }
}

TEST_F(RosterListing, ALongNameKeepsWhatTheClickHandlersNeed) {
  state->roster.clear();
  add(7, 1997, "とても長い名前の*幼稚園児");  // kindergarten: width 11 in mode 0
  const auto listing = buildRosterListing(*state, kDrillsTodayAndSoFar, u"全学年"_s);
  ASSERT_EQ(listing.lines.size(), 2);
  EXPECT_EQ(listing.lines[1], u"幼3 とても長い名前の     /     　"_s);
  // A "*" in the name must not take the place of the student's number.
  RosterEntry star;
  star.number = 12;
  star.baseYear = 1996;
  star.name = u"星*ほし"_s;
  const QString key = buildKey(*state, star, kDrillsTodayAndSoFar);
  EXPECT_EQ(studentOfEntry(entryOfKey(key)), 12);
  EXPECT_EQ(lineOfKey(key), u"小1 星*ほし　　     /     　"_s);
  EXPECT_EQ(studentOfEntry(u"no number"_s), -1);
}

TEST(RosterFigures, BlanksAndWidths) {
  auto state = std::make_unique<SharedState>();
  StudentFigures none = studentFigures(*state, 9);
  EXPECT_EQ(none.todayDrills, u"     "_s);
  EXPECT_EQ(none.todayPoints, u"  　"_s);
  EXPECT_EQ(none.drillsSoFar, u"     　"_s);
  EXPECT_EQ(none.pointsSoFar, u"       "_s);
  // Sums run over levels 1..35; level 0 is not a level.
  state->todayCount(9, 0) = 50;
  state->todayCount(9, 35) = 1;
  state->todayCount(9, 2) = 1;
  state->todayPoints(9, 2) = 1234;
  state->completedCount(9, 1) = 32000;
  state->completedCount(9, 2) = 32000;
  state->totalPoints(9, 4) = 5;
  const StudentFigures some = studentFigures(*state, 9);
  EXPECT_EQ(some.todayDrills, u"  2回"_s);
  EXPECT_EQ(some.todayPoints, u"1234"_s);
  EXPECT_EQ(some.drillsSoFar, u"64000回"_s);  // no 16-bit overflow in the sum
  EXPECT_EQ(some.pointsSoFar, u"      5"_s);
  EXPECT_EQ(nameColumnWidth(kPointsTodayAndSoFar, 0), 9);
  EXPECT_EQ(nameColumnWidth(kDrillsTodayAndSoFar, 0), 11);
  EXPECT_EQ(nameColumnWidth(kSoFarPointsAndDrills, -3), 11);
  EXPECT_EQ(nameColumnWidth(kTodayPointsAndDrills, 1), 9);
}

}  // namespace
}  // namespace tavelo::roster_menu
