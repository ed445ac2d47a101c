#include "storage/statistics.h"

#include "core/shared_state.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "storage/results_file.h"

#include <cmath>

namespace tavelo::storage {

namespace {

constexpr int kCompletedBelow = 6000;  // drills of 6000 s or more are not counted as done
constexpr int kNoResultFrom = 99998;

}  // namespace

int timeKey(int drillTime) {
  return QString::number(drillTime).left(3).toInt();
}

int basePoints(const SharedState& state, int drillTime, int level) {
  if (!validLevel(level)) return 0;
  const double target = state.criteriaTargetTime[level];
  const int t = drillTime;
  double base = 0;
  if (t <= target) {
    // A zero target leaves nothing to divide by: a drill on it counts as exactly on target.
    const double x = std::max(0, timeKey(t));
    const double share = target > 0 ? (target - x) / target : 0;
    base = std::floor(share * share * share * 50 + 5);
  } else if (t < 2 * target) {
    base = 4;
  } else if (t < 10 * target) {
    base = 1;
  }
  if (t >= kNoResultFrom) base = 0;
  return static_cast<int>(base);
}

int recordPoints(const SharedState& state, int drillTime, int level) {
  if (!validLevel(level)) return 0;
  return static_cast<int>(std::floor(static_cast<float>(basePoints(state, drillTime, level)) *
                                     state.criteriaPointFactor[level]));
}

bool levelCleared(const SharedState& state, int student, int level) {
  return state.completedCount(student, level) >= state.criteriaClearCount[level] &&
         state.totalPoints(student, level) >= state.criteriaClearPoints[level];
}

Status computeStatistics(SharedState& s, platform::Services& services) {
  s.completedCount.fill(0);
  s.totalPoints.fill(0);
  s.timeSum.fill(0);
  s.passWindowCount.fill(0);
  s.passWindowPoints.fill(0);
  s.overdoWindowCount.fill(0);
  s.overdoWindowPoints.fill(0);
  s.todayCount.fill(0);
  s.todayPoints.fill(0);
  s.todayTimeSum.fill(0);

  if (Status failure = loadResults(s, services)) return failure;

  const QDateTime now = services.clock.now();
  const double today = platform::daySerial(now.date());
  const double nowSerial = today + platform::dayFraction(now.time());
  LevelTable<double> passFrom{};
  LevelTable<double> overdoFrom{};
  for (int l = 1; l <= kMaxLevel; ++l) {
    // A window of d days holds records dated after now - d: today and the d - 1 days before.
    passFrom[l] = nowSerial - s.criteriaPassDays[l].number();
    overdoFrom[l] = nowSerial - s.criteriaOverdoDays[l].number();
  }

  for (const LoadedResult& r : s.loadedResults) {
    const int st = r.student;
    const int l = r.level;
    if (l <= 0 || l > kMaxLevel) continue;
    const int t = r.drillTime;
    const int completed = t < kCompletedBelow ? 1 : 0;
    const int p = recordPoints(s, t, l);
    const int key = timeKey(t);
    s.completedCount(st, l) += static_cast<qint16>(completed);
    if (r.date > passFrom[l]) {
      s.passWindowCount(st, l) += static_cast<qint16>(completed);
      s.passWindowPoints(st, l) += p;
    }
    if (r.date > overdoFrom[l]) {
      s.overdoWindowCount(st, l) += static_cast<qint16>(completed);
      s.overdoWindowPoints(st, l) += p;
    }
    s.totalPoints(st, l) += p;
    s.timeSum(st, l) += key;
    if (std::floor(r.date) == today) {
      s.todayCount(st, l) += static_cast<float>(completed);
      s.todayTimeSum(st, l) += static_cast<float>(key);
      s.todayPoints(st, l) += p;
    }
  }

  for (int st = 1; st <= kMaxStudent; ++st) {
    for (int l = 1; l <= kMaxLevel; ++l) {
      if (s.completedCount(st, l) >= 1) {
        s.averageTime(st, l) = std::floor(static_cast<float>(s.timeSum(st, l)) /
                                              static_cast<float>(s.completedCount(st, l)) +
                                          0.5F);
      }
      if (s.todayCount(st, l) >= 1) {
        s.todayAverageTime(st, l) = std::floor(s.todayTimeSum(st, l) / s.todayCount(st, l) + 0.5F);
      }
    }
  }
  return std::nullopt;
}

Status recordDrillResult(SharedState& s, platform::Services& services) {
  const int st = s.studentIndex;
  const int l = s.levelIndex;
  const int t = s.drillTime;
  s.alreadyCleared = 0;
  s.newPersonalBest = 0;
  s.newLevelBest = 0;
  if (!validStudent(st) || !validLevel(l)) {
    return Error{
        QStringLiteral("成績を記録できませんでした（番号 %1、レベル %2）。").arg(st).arg(l)};
  }
  // From the statistics as they stand, before this drill is in them.
  s.alreadyCleared = levelCleared(s, st, l) ? 1 : 0;
  const qint32 previousBest = s.bestTime(st, l);
  if (t < previousBest) {
    s.newPersonalBest = 1;
    s.bestTime(st, l) = t;
  }
  if (Status failure = appendResult(s, services)) {
    // Not recorded: no record may be claimed for it.
    s.bestTime(st, l) = previousBest;
    s.newPersonalBest = 0;
    return failure;
  }
  if (t < s.levelBestTime[l]) {
    s.levelBestTime[l] = t;
    s.newLevelBest = 1;
  }
  return std::nullopt;
}

}  // namespace tavelo::storage
