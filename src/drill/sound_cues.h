#pragma once

#include <QString>

#include <functional>

namespace tavelo {
struct SharedState;
class Navigator;
namespace platform {
struct Services;
}
}  // namespace tavelo

namespace tavelo::drill {

// Sound kinds of the sound table that the program plays.
inline constexpr int kCorrectKind = 2;         // "正解音2"
inline constexpr int kWrongKind = 4;           // "間違い音2"
inline constexpr int kPersonalRecordKind = 8;  // "自己最高音2"
inline constexpr int kMinimumTimeKind = 10;    // "不合格音1"

// Failures of the answer sounds that pass silently before the program gives up.
inline constexpr int kSilentSoundFailures = 3;

// One of the kind's file stems, chosen with equal chance; the first stem when the kind's
// count is 0 (a section without its closing "*").
[[nodiscard]] QString chooseSoundStem(const SharedState& state, platform::Services& services,
                                      int kind);

// Plays soundFolder + stem + ".wav" to its end; remembers the file and the outcome in
// soundCommand and soundResult. Returns true when it played.
bool playSoundFile(SharedState& state, platform::Services& services, const QString& stem);

// The answer sounds. A run of failures passes silently three times; the fourth failure in
// a row tells the student to call the teacher and ends the program through the navigator.
// beforeMessage runs first: window events go on behind the message while it waits for the
// teacher, so the caller stops there whatever of it could still act. They return false
// when the program is ending, so the caller must stop at once.
bool playCorrectSound(SharedState& state, platform::Services& services, Navigator& navigator,
                      const std::function<void()>& beforeMessage = {});
bool playWrongSound(SharedState& state, platform::Services& services, Navigator& navigator,
                    const std::function<void()>& beforeMessage = {});

// The completion screen's sounds; a failure passes silently.
void playPersonalRecordSound(SharedState& state, platform::Services& services);
void playMinimumTimeSound(SharedState& state, platform::Services& services);
void playLevelRecordSound(SharedState& state, platform::Services& services);  // "最高1.wav"
void playPassSound(SharedState& state, platform::Services& services);         // "合格.wav"

}  // namespace tavelo::drill
