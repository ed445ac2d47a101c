#include "hub/level_opening.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "hub/column_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tavelo::hub {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kStudent = 7;

// Five test levels, each cleared by 5 drills and 40 points in the pass window, with
// overdoing limits of 15 drills or 200 points; the hub switch off unless a case sets it.
std::unique_ptr<SharedState> catalogue() {
  auto state = std::make_unique<SharedState>();
  buildLevelCatalogue(*state);
  state->hubLevelSwitch = 0;
  state->studentIndex = kStudent;
  state->studentName = u"青木　はると        "_s;
  for (int l = 1; l <= 5; ++l) {
    state->criteriaClearPoints[l] = 40;
    state->criteriaClearCount[l] = 5;
    state->criteriaOverdoCount[l] = AnyValue(15.0);
    state->criteriaOverdoPoints[l] = AnyValue(200.0);
  }
  return state;
}

void clear(SharedState& s, int level) {
  s.passWindowCount(kStudent, level) = 5;
  s.passWindowPoints(kStudent, level) = 40;
}

struct OpeningCase {
  const char* name;
  std::function<void(SharedState&)> setUp;
  std::vector<int> open;
  std::vector<int> overdone;  // levels showing "やりすぎ禁止"
  bool goalPassed = false;
};

TEST(LevelOpening, RuleTable) {
  const std::vector<OpeningCase> cases{
      {"nothing cleared", [](SharedState&) {}, {1}, {}},
      {"level 1 cleared", [](SharedState& s) { clear(s, 1); }, {1, 2}, {}},
      {"levels 1 and 2 cleared", [](SharedState& s) { clear(s, 1), clear(s, 2); }, {1, 2, 3}, {}},
      {"enough drills but too few points",
       [](SharedState& s) {
         clear(s, 1);
         s.passWindowPoints(kStudent, 1) = 39;
       },
       {1},
       {}},
      {"enough points but too few drills",
       [](SharedState& s) {
         clear(s, 1);
         s.passWindowCount(kStudent, 1) = 4;
       },
       {1},
       {}},
      // A cleared level opens the next one even when the level itself is closed.
      {"level 2 cleared alone", [](SharedState& s) { clear(s, 2); }, {1, 3}, {}},
      {"no clear points on level 3",
       [](SharedState& s) { s.criteriaClearPoints[3] = 9999; },
       {1, 3},
       {}},
      {"hub switch on", [](SharedState& s) { s.hubLevelSwitch = 1; }, {1, 2, 3, 4, 5}, {}},
      {"the teacher", [](SharedState& s) { s.studentName = u"先生"_s; }, {1, 2, 3, 4, 5}, {}},
      {"the teacher's padded name",
       [](SharedState& s) { s.studentName = u"先生                  "_s; },
       {1, 2, 3, 4, 5},
       {}},
      {"a teacher by star only", [](SharedState& s) { s.studentName = u"★山田"_s; }, {1}, {}},
      {"a name that contains 先生", [](SharedState& s) { s.studentName = u"田中先生"_s; }, {1}, {}},
      {"overdoing by drills closes the next level",
       [](SharedState& s) {
         s.hubLevelSwitch = 1;
         s.overdoWindowCount(kStudent, 2) = 15;
       },
       {1, 2, 4, 5},
       {3}},
      {"overdoing by points",
       [](SharedState& s) {
         s.hubLevelSwitch = 1;
         s.overdoWindowPoints(kStudent, 1) = 200;
       },
       {1, 3, 4, 5},
       {2}},
      {"just below the overdoing limits",
       [](SharedState& s) {
         s.hubLevelSwitch = 1;
         s.overdoWindowCount(kStudent, 1) = 14;
         s.overdoWindowPoints(kStudent, 1) = 199;
       },
       {1, 2, 3, 4, 5},
       {}},
      {"overdoing limits of 0 never close",
       [](SharedState& s) {
         s.hubLevelSwitch = 1;
         s.criteriaOverdoCount[1] = AnyValue(0.0);
         s.criteriaOverdoPoints[1] = AnyValue(u""_s);
         s.overdoWindowCount(kStudent, 1) = 500;
         s.overdoWindowPoints(kStudent, 1) = 5000;
       },
       {1, 2, 3, 4, 5},
       {}},
      {"overdoing is allowed once the goal is cleared",
       [](SharedState& s) {
         s.hubLevelSwitch = 1;
         clear(s, 5);
         s.overdoWindowCount(kStudent, 2) = 15;
       },
       {1, 2, 3, 4, 5},
       {},
       true},
      // A practice level is always open and opens the next level while nothing before it
      // has blocked; overdoing it closes nothing.
      {"practice level after a block",
       [](SharedState& s) { s.levelNames[2] = u"レベル２練習"_s; },
       {1, 2},
       {}},
      {"practice level after a cleared level",
       [](SharedState& s) {
         s.levelNames[2] = u"レベル２練習"_s;
         clear(s, 1);
         s.overdoWindowCount(kStudent, 2) = 99;
       },
       {1, 2, 3},
       {}},
  };
  for (const OpeningCase& c : cases) {
    auto state = catalogue();
    c.setUp(*state);
    const LevelOpening opening = levelOpeningRule(*state);
    std::vector<int> open;
    std::vector<int> overdone;
    for (int i = 0; i < kLevelSlots; ++i) {
      if (opening.open[static_cast<std::size_t>(i)]) open.push_back(i);
      if (opening.cover[static_cast<std::size_t>(i)] == OverdoCover::kShown) overdone.push_back(i);
    }
    EXPECT_EQ(open, c.open) << c.name;
    EXPECT_EQ(overdone, c.overdone) << c.name;
    EXPECT_EQ(opening.goalPassed, c.goalPassed) << c.name;
  }
}

TEST(LevelOpening, TeacherTests) {
  EXPECT_TRUE(isTeacher(u"★山田"_s));
  EXPECT_TRUE(isTeacher(u"田中先生"_s));
  EXPECT_FALSE(isTeacher(u"青木　はると"_s));
  EXPECT_TRUE(hasOpeningPrivilege(u"  先生  "_s));
  EXPECT_FALSE(hasOpeningPrivilege(u"★先生"_s));
  EXPECT_FALSE(hasOpeningPrivilege(u"先生　"_s));  // a full-width blank is part of the name
}

TEST(ColumnTexts, SummaryAndCriteriaLines) {
  auto state = catalogue();
  state->criteriaTargetTime[1] = 25;
  state->criteriaPointFactor[1] = 1.5F;
  state->criteriaPassDays[1] = AnyValue(14.0);
  EXPECT_EQ(criteriaLine(*state, 1), u"目標=25秒 5回/40点(×1.5)"_s);
  state->criteriaClearPoints[2] = 9999;
  state->criteriaTargetTime[2] = 30;
  EXPECT_EQ(criteriaLine(*state, 2), u"目標=30秒 --------"_s);
  state->criteriaTargetTime[30] = 80;
  EXPECT_EQ(criteriaLine(*state, 30), u"◎=80点以上"_s);  // a level that is not recorded

  EXPECT_EQ(todayLine(*state, kStudent, 1), u"-----"_s);
  EXPECT_EQ(soFarLine(*state, kStudent, 1), u"------"_s);
  state->todayCount(kStudent, 1) = 2;
  state->todayPoints(kStudent, 1) = 33;
  state->completedCount(kStudent, 1) = 12;
  state->totalPoints(kStudent, 1) = 420;
  state->passWindowCount(kStudent, 1) = 3;
  state->passWindowPoints(kStudent, 1) = 42;
  EXPECT_EQ(todayLine(*state, kStudent, 1), u"2回/33点"_s);
  EXPECT_EQ(soFarLine(*state, kStudent, 1), u"12回/420点"_s);
  EXPECT_EQ(passWindowLine(*state, kStudent, 1), u"最近14日=3回 / 42点"_s);
  state->criteriaPassDays[3] = AnyValue(u""_s);
  EXPECT_EQ(passWindowLine(*state, kStudent, 3), u"最近日=0回 / 0点"_s);

  EXPECT_EQ(minutesLine(10 * 3600 + 59, 10 * 3600), u"起動後0分"_s);
  EXPECT_EQ(minutesLine(10 * 3600, 10 * 3600 + 1), u"起動後0分"_s);  // start rounded up
  EXPECT_EQ(minutesLine(10 * 3600 + 12 * 60, 10 * 3600), u"起動後12分"_s);
  EXPECT_EQ(minutesLine(5 * 60, 23 * 3600 + 55 * 60), u"起動後10分"_s);  // across midnight

  state->todayCount(kStudent, 35) = 4;
  state->todayCount(kStudent, 0) = 100;  // not a level
  EXPECT_EQ(totalTriesToday(*state, kStudent), 6);
}

}  // namespace
}  // namespace tavelo::hub
