#pragma once

#include <QString>

namespace tavelo {

struct SharedState;

namespace hub {

// "最近14日=3回 / 42点": the student's drills and points in the level's pass window.
[[nodiscard]] QString passWindowLine(const SharedState& state, int student, int level);
// "目標=25秒 5回/40点(×1.5)", "目標=25秒 --------" (no clear points) or "◎=25点以上"
// (a level that is not recorded).
[[nodiscard]] QString criteriaLine(const SharedState& state, int level);
// "3回/42点" for today, or "-----" when nothing was completed today.
[[nodiscard]] QString todayLine(const SharedState& state, int student, int level);
// "12回/420点" so far, or "------" when nothing was ever completed.
[[nodiscard]] QString soFarLine(const SharedState& state, int student, int level);
// "起動後12分": whole minutes since the student confirmed the name.
[[nodiscard]] QString minutesLine(int secondsNow, int studentStartSeconds);
// The student's completed drills today over levels 1..35, summed as the 16-bit counter
// the completion screen also shows.
[[nodiscard]] qint16 totalTriesToday(const SharedState& state, int student);

}  // namespace hub
}  // namespace tavelo
