#pragma once

#include "platform/result.h"

namespace tavelo {
struct SharedState;
namespace platform {
struct Services;
}
}  // namespace tavelo

namespace tavelo::storage {

// The number formed by the first three digits of a drill time (1500 -> 150, 99999 -> 999).
[[nodiscard]] int timeKey(int drillTime);
// Points of a drill of drillTime seconds against the level's target time, before the
// level's point factor: what the results lists show beside a drill.
[[nodiscard]] int basePoints(const SharedState& state, int drillTime, int level);
// Points earned by a drill of drillTime seconds on a level: basePoints times the level's
// point factor.
[[nodiscard]] int recordPoints(const SharedState& state, int drillTime, int level);
// True when the student has cleared the level: enough completed drills and points.
[[nodiscard]] bool levelCleared(const SharedState& state, int student, int level);

// Reloads the results file and rebuilds every statistics table.
[[nodiscard]] Status computeStatistics(SharedState& state, platform::Services& services);

// Records the drill just finished: sets alreadyCleared, newPersonalBest and newLevelBest
// and appends the record. An Error means the record was not written; the flags and the
// drill's figures stay for the completion screen.
[[nodiscard]] Status recordDrillResult(SharedState& state, platform::Services& services);

}  // namespace tavelo::storage
