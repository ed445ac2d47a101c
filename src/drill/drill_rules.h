#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

namespace tavelo::platform {
class Random;
}

namespace tavelo::drill {

inline constexpr int kSlotCount = 13;     // fixed slots on the play area
inline constexpr int kPictureCount = 10;  // question pictures a1.gif .. a10.gif
inline constexpr int kLampCount = 10;     // lamps per row in the header
inline constexpr int kShuffleSwaps = 30;
inline constexpr int kPenaltyMs = 10'000;  // time added for a wrong answer on levels 4 and 5

// What a drill on one level consists of.
struct LevelSettings {
  int questions = 0;       // questions per drill
  int pictures = 0;        // occupied slots per question
  int numbersShownMs = 0;  // how long the order numbers stay visible
};

// The settings of levels 1..5; nothing for any other level.
[[nodiscard]] std::optional<LevelSettings> levelSettings(int level);

// Slot order of one question: entries 1..13 hold a permutation of the slots 1..13 made by
// 30 swaps of two independently drawn positions; entry k is the slot numbered k.
using SlotOrder = std::array<qint16, 21>;
[[nodiscard]] SlotOrder shuffledSlotOrder(platform::Random& random);

// Whole seconds between two monotonic instants, to the nearest second with ties to even.
[[nodiscard]] int elapsedSecondsBetween(std::int64_t startMs, std::int64_t nowMs);

// The red countdown lamps (0..9, from the left) that are out at elapsed seconds: one goes
// out each second over the last ten seconds before the target time, and the single lamp
// 9 - (minimum - elapsed) before the minimum time.
[[nodiscard]] std::bitset<kLampCount> redLampsOut(int elapsed, int targetTime, int minimumTime);

// True when a wrong answer takes back one correct answer; otherwise it costs time.
[[nodiscard]] constexpr bool wrongAnswerTakesBackAnAnswer(int level) {
  return level <= 3;
}

// Points the completion screen shows for a drill time against the level's target time
// (before the level's factor); a timed-out drill and a zero target give none.
[[nodiscard]] int displayPoints(int drillTime, int targetTime);
// Points after the level's factor: whole part of factor x points, in single precision as
// the statistics count them.
[[nodiscard]] int factoredPoints(int points, float factor);
// The shortest decimal text of a factor: 1 -> "1", 1.5 -> "1.5", 1.2 -> "1.2".
[[nodiscard]] QString factorText(float factor);
// "獲得ポイント：11点×1.5→16点"
[[nodiscard]] QString pointsText(int drillTime, int targetTime, float factor);
// "今の成績：30秒", or "今の成績：記録なし" for a drill without a time.
[[nodiscard]] QString timeText(int drillTime);

// Adds a student's drills of the day to a running 16-bit total, each step taken to the
// nearest whole number.
[[nodiscard]] qint16 addTries(qint16 total, float count);

}  // namespace tavelo::drill
