#include "core/catalogue.h"

#include "core/shared_state.h"
#include "platform/events.h"

#include <array>

namespace tavelo {

namespace {

// Slots 6..24; slots 1..5 are named from their number.
const std::array<const char*, 19> kNamedSlots{
    "レベル２－２", "レベル３練習", "レベル３－１", "レベル３－２", "レベル４練習",
    "レベル４－1",  "レベル４－２", "レベル５練習", "レベル５－１", "レベル５－２",
    "レベル６練習", "レベル６－１", "レベル６－２", "レベル７練習", "レベル７－1",
    "レベル７－２", "レベル８練習", "レベル８－１", "レベル８－２"};

constexpr int kFirstNamedSlot = 6;
constexpr int kLastRecordedSlot = 24;

}  // namespace

void setProgramIdentity(SharedState& state) {
  state.programTitle = QStringLiteral("Tavelo");
  state.hubPrintSwitch = 0;
  state.hubLevelSwitch = 1;
}

void buildLevelCatalogue(SharedState& state) {
  state.levelCount = 5;
  state.goalLevel = 5;
  for (int i = 1; i < kFirstNamedSlot; ++i) {
    state.levelNames[i].clear();
  }
  for (std::size_t k = 0; k < kNamedSlots.size(); ++k) {
    state.levelNames[kFirstNamedSlot + k] = QString::fromUtf8(kNamedSlots[k]);
  }
  for (int i = 1; i <= kLastRecordedSlot; ++i) {
    state.levelRecorded[i] = 1;
  }
  for (int i = 1; i <= 12; ++i) {
    if (state.levelNames[i].isEmpty()) {
      state.levelNames[i] = QStringLiteral("ﾚﾍﾞﾙ") + QString::number(i);
    }
  }
}

void openOwnLevelCatalogue(SharedState& state, Navigator& navigator) {
  buildLevelCatalogue(state);
  navigator.showLevelHub();
}

bool isPracticeLevel(const SharedState& state, int levelIndex) {
  return validLevel(levelIndex) && state.levelNames[levelIndex].contains(QStringLiteral("練"));
}

void startDrill(SharedState& state, Navigator& navigator, platform::EventPump& events) {
  state.drillFinished = 0;
  state.endingStarted = 0;
  state.correctCount = 0;
  state.timedOut = 0;
  events.processPending();
  navigator.showGameScreen();
}

}  // namespace tavelo
