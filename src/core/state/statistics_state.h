#pragma once

#include "core/state/tables.h"

namespace tavelo {

// Per-student, per-level counters rebuilt from the results file, and the recording flags.
struct StatisticsState {
  StudentLevelTable<qint16> completedCount;
  StudentLevelTable<qint32> totalPoints;
  StudentLevelTable<qint32> timeSum;
  StudentLevelTable<float> averageTime;
  StudentLevelTable<qint16> passWindowCount;
  StudentLevelTable<qint32> passWindowPoints;
  StudentLevelTable<qint16> overdoWindowCount;
  StudentLevelTable<qint32> overdoWindowPoints;
  StudentLevelTable<float> todayCount;
  StudentLevelTable<qint32> todayPoints;
  StudentLevelTable<float> todayTimeSum;
  StudentLevelTable<float> todayAverageTime;

  qint16 alreadyCleared = 0;
  qint16 newPersonalBest = 0;
  qint16 newLevelBest = 0;
};

}  // namespace tavelo
