#pragma once

#include "core/state/tables.h"

#include <vector>

namespace tavelo {

// One drill of the results file as the statistics use it.
struct LoadedResult {
  double date = 0;       // day serial (midnight)
  double timeOfDay = 0;  // fraction of a day
  qint16 student = 0;
  qint16 level = 0;
  qint32 drillTime = 0;
};

inline constexpr int kLoadedCapacity = 20000;

// The loaded results list (newest records, at most kLoadedCapacity) and the best times.
struct ResultsState {
  std::vector<LoadedResult> loadedResults;
  StudentLevelTable<qint32> bestTime{kTimedOut};
  LevelTable<qint32> levelBestTime{};
  // Set when the last load left out records that the tables cannot hold; the screen that
  // triggered the load shows it once per start.
  QString resultsWarning;
  bool resultsWarningShown = false;
};

}  // namespace tavelo
