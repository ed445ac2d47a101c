#include "hub/level_opening.h"

#include "core/catalogue.h"
#include "core/shared_state.h"
#include "storage/text_items.h"

namespace tavelo::hub {

namespace {

constexpr int kNoClearPoints = 9999;

}  // namespace

bool isTeacher(const QString& studentName) {
  return studentName.contains(u'★') || studentName.contains(QStringLiteral("先生"));
}

bool hasOpeningPrivilege(const QString& studentName) {
  return storage::trimBlanks(studentName) == QStringLiteral("先生");
}

bool criteriaMet(const SharedState& state, int student, int level) {
  return state.passWindowPoints(student, level) >= state.criteriaClearPoints[level] &&
         state.passWindowCount(student, level) >= state.criteriaClearCount[level];
}

bool overdoingLimitReached(const SharedState& state, int student, int level) {
  const double count = state.criteriaOverdoCount[level].number();
  const double points = state.criteriaOverdoPoints[level].number();
  return (count != 0 && state.overdoWindowCount(student, level) >= count) ||
         (points != 0 && state.overdoWindowPoints(student, level) >= points);
}

LevelOpening levelOpeningRule(const SharedState& state) {
  LevelOpening result;
  const int student = state.studentIndex;
  const int count = std::min<int>(state.levelCount, kMaxLevel);
  result.goalPassed = validLevel(state.goalLevel) && criteriaMet(state, student, state.goalLevel);
  result.open[1] = true;
  const bool privileged = hasOpeningPrivilege(state.studentName);
  bool blockedSeen = false;
  for (int i = 1; i <= count; ++i) {
    const bool practice = isPracticeLevel(state, i);
    if (practice) {
      result.open[i] = true;
    }
    if (i >= count) {
      break;  // the last level has no next level to open
    }
    const bool opensNext = state.criteriaClearPoints[i + 1] == kNoClearPoints ||
                           state.hubLevelSwitch == 1 || privileged ||
                           criteriaMet(state, student, i) || (!blockedSeen && practice);
    if (!opensNext) {
      blockedSeen = true;
      continue;
    }
    result.open[i + 1] = true;
    result.cover[i + 1] = OverdoCover::kHidden;
    if (!result.goalPassed && !practice && overdoingLimitReached(state, student, i)) {
      result.open[i + 1] = false;
      result.cover[i + 1] = OverdoCover::kShown;
    }
  }
  return result;
}

}  // namespace tavelo::hub
