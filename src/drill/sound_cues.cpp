#include "drill/sound_cues.h"

#include "core/catalogue.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"

namespace tavelo::drill {

namespace {

bool playAnswerSound(SharedState& state, platform::Services& services, Navigator& navigator,
                     int kind, const std::function<void()>& beforeMessage) {
  if (playSoundFile(state, services, chooseSoundStem(state, services, kind))) {
    state.soundFailures = 0;
    return true;
  }
  if (state.soundFailures < kSilentSoundFailures) {
    ++state.soundFailures;
    return true;
  }
  if (beforeMessage) {
    beforeMessage();
  }
  services.dialogs.critical(
      nullptr, QStringLiteral("音声エラー"),
      QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + state.soundResult);
  navigator.endProgram(1);
  return false;
}

}  // namespace

QString chooseSoundStem(const SharedState& state, platform::Services& services, int kind) {
  const int count = state.soundStemCount[kind];
  const int row = count > 0 ? services.random.below(count) + 1 : 1;
  return state.soundStems[kind][row];
}

bool playSoundFile(SharedState& state, platform::Services& services, const QString& stem) {
  state.soundCommand = state.soundFolder + stem + QStringLiteral(".wav");
  const Status failure = services.sound.playToEnd(state.soundCommand);
  state.soundResult = failure ? failure->message : QStringLiteral("0");
  return !failure;
}

bool playCorrectSound(SharedState& state, platform::Services& services, Navigator& navigator,
                      const std::function<void()>& beforeMessage) {
  return playAnswerSound(state, services, navigator, kCorrectKind, beforeMessage);
}

bool playWrongSound(SharedState& state, platform::Services& services, Navigator& navigator,
                    const std::function<void()>& beforeMessage) {
  return playAnswerSound(state, services, navigator, kWrongKind, beforeMessage);
}

void playPersonalRecordSound(SharedState& state, platform::Services& services) {
  playSoundFile(state, services, chooseSoundStem(state, services, kPersonalRecordKind));
}

void playMinimumTimeSound(SharedState& state, platform::Services& services) {
  playSoundFile(state, services, chooseSoundStem(state, services, kMinimumTimeKind));
}

void playLevelRecordSound(SharedState& state, platform::Services& services) {
  playSoundFile(state, services, QStringLiteral("最高1"));
}

void playPassSound(SharedState& state, platform::Services& services) {
  playSoundFile(state, services, QStringLiteral("合格"));
}

}  // namespace tavelo::drill
