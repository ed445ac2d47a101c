#pragma once

#include "storage/results_file.h"

#include <QStringList>

#include <array>
#include <vector>

namespace tavelo::maintenance {

// The criteria editor's frequency distributions of recorded drill times: for every level,
// how many drills fell into each ten-second bucket, over all results and over each
// student's best time.

inline constexpr int kDistributionLevels = 51;  // levels 0..50
inline constexpr int kTimeBuckets = 101;        // bucket b: 10b to 10b + 9 seconds; 100 and above
inline constexpr int kBestTimeLastBucket = 30;  // best times of 300 s and more share bucket 30

struct TimeDistribution {
  std::array<std::array<int, kTimeBuckets>, kDistributionLevels> allResults{};
  std::array<std::array<int, kTimeBuckets>, kDistributionLevels> bestTimes{};
  std::array<int, kDistributionLevels> resultCount{};  // drills per level
};

// Counts the records. Level-0 records are not drills; records whose level is outside
// 1..50 or whose student is outside 0..5000 are damage and are left out, and a negative
// time counts in bucket 0, so nothing is counted outside the tables.
[[nodiscard]] TimeDistribution countDrillTimes(const std::vector<storage::ResultRecord>& records);

// The "全成績" list of one level: the heading line, then one line per bucket 0..100 with
// its 4-character label, "～" and one "★" per unit of drills (the unit is a tenth of the
// largest bucket, at least 1).
[[nodiscard]] QStringList allResultsLines(const TimeDistribution& distribution, int level);
// The "最高タイム" list of one level, drawn the same way from the best times.
[[nodiscard]] QStringList bestTimeLines(const TimeDistribution& distribution, int level);

}  // namespace tavelo::maintenance
