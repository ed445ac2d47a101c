#pragma once

#include "core/state/tables.h"

#include <QString>

#include <array>

namespace tavelo {

struct SharedState;

namespace hub {

// A teacher on the hub: the name contains "★" or "先生". Teachers see the data buttons.
[[nodiscard]] bool isTeacher(const QString& studentName);
// Only the name "先生" itself opens every level; "★" alone gives no such privilege.
[[nodiscard]] bool hasOpeningPrivilege(const QString& studentName);

// The student has collected enough drills and points in the level's pass window.
[[nodiscard]] bool criteriaMet(const SharedState& state, int student, int level);
// The student has drilled the level beyond its overdoing limits (a limit of 0 is no limit).
[[nodiscard]] bool overdoingLimitReached(const SharedState& state, int student, int level);

// What the level-opening rule decides for the start button and the "やりすぎ禁止" cover of
// each level 1..levelCount.
enum class OverdoCover { kUnchanged, kHidden, kShown };
struct LevelOpening {
  bool goalPassed = false;
  std::array<bool, kLevelSlots> open{};
  std::array<OverdoCover, kLevelSlots> cover{};
};

// The level-opening rule for the current student: level 1 and practice levels are always
// open; a level opens the next one when the next level has no clear points (9999), the hub
// switch is on, the student is the teacher, the level's criteria are met, or no level before
// it has blocked and it is a practice level. Until the goal level is cleared, overdoing a
// test level closes the level after it.
[[nodiscard]] LevelOpening levelOpeningRule(const SharedState& state);

}  // namespace hub
}  // namespace tavelo
