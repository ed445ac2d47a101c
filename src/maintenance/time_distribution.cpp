#include "maintenance/time_distribution.h"

#include "core/state/tables.h"

#include <algorithm>
#include <limits>

namespace tavelo::maintenance {

namespace {

using Buckets = std::array<int, kTimeBuckets>;

int bucketOf(qint32 time, int last) {
  return std::clamp(time / 10, 0, last);
}

// Unit of one star: a tenth of the largest bucket, truncated, and at least 1.
int starUnit(const Buckets& counts) {
  return std::max(1, *std::max_element(counts.begin(), counts.end()) / 10);
}

QStringList bucketLines(QString heading, const Buckets& counts, int unit) {
  QStringList lines{std::move(heading)};
  lines.reserve(kTimeBuckets + 1);
  for (int b = 0; b < kTimeBuckets; ++b) {
    // Rounded to the nearest whole star, halves up.
    const int stars = (2 * counts[static_cast<std::size_t>(b)] + unit) / (2 * unit);
    lines.append(QString::number(10 * b).rightJustified(4, u' ') + u'～' + QString(stars, u'★'));
  }
  return lines;
}

const Buckets& levelCounts(const std::array<Buckets, kDistributionLevels>& table, int level) {
  static const Buckets kNone{};
  return level >= 0 && level < kDistributionLevels ? table[static_cast<std::size_t>(level)] : kNone;
}

}  // namespace

TimeDistribution countDrillTimes(const std::vector<storage::ResultRecord>& records) {
  TimeDistribution d;
  // Each student's smallest time per level; a student without a drill keeps the maximum.
  constexpr qint32 kNoTime = std::numeric_limits<qint32>::max();
  std::vector<qint32> best(static_cast<std::size_t>(kDistributionLevels) * kStudentSlots, kNoTime);
  for (const storage::ResultRecord& r : records) {
    if (r.level < 1 || r.level >= kDistributionLevels || !validStudent(r.student)) continue;
    const auto level = static_cast<std::size_t>(r.level);
    ++d.resultCount[level];
    ++d.allResults[level][static_cast<std::size_t>(bucketOf(r.drillTime, kTimeBuckets - 1))];
    qint32& b = best[level * kStudentSlots + static_cast<std::size_t>(r.student)];
    b = std::min(b, r.drillTime);
  }
  for (std::size_t i = 0; i < best.size(); ++i) {
    if (best[i] != kNoTime) {
      ++d.bestTimes[i / kStudentSlots]
                   [static_cast<std::size_t>(bucketOf(best[i], kBestTimeLastBucket))];
    }
  }
  return d;
}

QStringList allResultsLines(const TimeDistribution& d, int level) {
  const Buckets& counts = levelCounts(d.allResults, level);
  const int unit = starUnit(counts);
  const int drills = level >= 0 && level < kDistributionLevels
                         ? d.resultCount[static_cast<std::size_t>(level)]
                         : 0;
  return bucketLines(
      QStringLiteral("レベル%1 今まで%2回  （★=%3）").arg(level).arg(drills).arg(unit), counts,
      unit);
}

QStringList bestTimeLines(const TimeDistribution& d, int level) {
  const Buckets& counts = levelCounts(d.bestTimes, level);
  const int unit = starUnit(counts);
  return bucketLines(QStringLiteral("レベル%1 （★=%2）").arg(level).arg(unit), counts, unit);
}

}  // namespace tavelo::maintenance
