#include "drill/sound_cues.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace tavelo::testing {
namespace {

class RecordingNavigator final : public Navigator {
 public:
  void showNameSelection() override {}
  void showLevelHub() override {}
  void showGameScreen() override {}
  void endProgram(int status) override { endedWith = status; }
  int endedWith = -1;
};

class SoundCues : public ::testing::Test {
 protected:
  void SetUp() override {
    state.soundFolder = QStringLiteral("/sounds/");
    setKind(drill::kCorrectKind, {"ok1", "ok2", "ok3"}, 3);
    setKind(drill::kWrongKind, {"no"}, 1);
    setKind(drill::kPersonalRecordKind, {"mine"}, 1);
    setKind(drill::kMinimumTimeKind, {"fast"}, 1);
  }
  void setKind(int kind, std::initializer_list<const char*> stems, int count) {
    int row = 1;
    for (const char* stem : stems) {
      state.soundStems[kind][row++] = QString::fromUtf8(stem);
    }
    state.soundStemCount[kind] = count;
  }
  QString path(const char* stem) const {
    return state.soundFolder + QString::fromUtf8(stem) + QStringLiteral(".wav");
  }

  std::unique_ptr<SharedState> statePtr = std::make_unique<SharedState>();
  SharedState& state = *statePtr;
  FakeServices fakes;
  RecordingNavigator navigator;
};

TEST_F(SoundCues, EachStemOfAKindIsChosenWithEqualChance) {
  std::map<QString, int> counts;
  for (int i = 0; i < 3000; ++i) {
    ASSERT_TRUE(drill::playCorrectSound(state, fakes.services, navigator));
    ++counts[fakes.sound.played.last()];
  }
  ASSERT_EQ(counts.size(), 3U);
  for (const char* stem : {"ok1", "ok2", "ok3"}) {
    EXPECT_NEAR(counts[path(stem)], 1000, 120) << stem;
  }
  EXPECT_EQ(state.soundCommand, fakes.sound.played.last());
  EXPECT_EQ(state.soundResult, QStringLiteral("0"));
}

TEST_F(SoundCues, ASectionWithoutItsEndMarkPlaysOnlyItsFirstStem) {
  setKind(drill::kWrongKind, {"first", "second", "third"}, 0);
  for (int i = 0; i < 50; ++i) {
    drill::playWrongSound(state, fakes.services, navigator);
  }
  EXPECT_EQ(fakes.sound.played, QStringList(50, path("first")));
}

TEST_F(SoundCues, AnswerSoundsForgiveThreeFailuresInARowAndStopTheProgramAtTheFourth) {
  bool failing = true;
  fakes.sound.failWhen = [&](const QString&) { return failing; };
  // Failures of the correct and the wrong sound count together.
  EXPECT_TRUE(drill::playCorrectSound(state, fakes.services, navigator));
  EXPECT_TRUE(drill::playWrongSound(state, fakes.services, navigator));
  EXPECT_TRUE(drill::playCorrectSound(state, fakes.services, navigator));
  EXPECT_EQ(state.soundFailures, 3);
  EXPECT_EQ(state.soundResult, QStringLiteral("再生できません"));
  // One success starts the count again.
  failing = false;
  EXPECT_TRUE(drill::playWrongSound(state, fakes.services, navigator));
  EXPECT_EQ(state.soundFailures, 0);
  failing = true;
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(drill::playWrongSound(state, fakes.services, navigator));
  }
  EXPECT_TRUE(fakes.dialogs.messages.empty());
  EXPECT_EQ(navigator.endedWith, -1);

  EXPECT_FALSE(drill::playWrongSound(state, fakes.services, navigator));
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].title, QStringLiteral("音声エラー"));
  EXPECT_EQ(fakes.dialogs.messages[0].text,
            QStringLiteral("音声がでません。先生を呼びなさい。\r\n再生できません"));
  EXPECT_EQ(navigator.endedWith, 1);
}

struct CueCase {
  const char* name;
  std::function<void(SharedState&, platform::Services&)> play;
  const char* stem;
};

TEST_F(SoundCues, CompletionCuesPlayTheirFilesAndFailSilently) {
  const CueCase cases[] = {
      {"personal record", drill::playPersonalRecordSound, "mine"},
      {"minimum time", drill::playMinimumTimeSound, "fast"},
      {"level record", drill::playLevelRecordSound, "最高1"},
      {"pass", drill::playPassSound, "合格"},
  };
  fakes.sound.failWhen = [](const QString&) { return true; };
  state.soundFailures = 3;
  for (const CueCase& c : cases) {
    fakes.sound.played.clear();
    c.play(state, fakes.services);
    EXPECT_EQ(fakes.sound.played, QStringList{path(c.stem)}) << c.name;
  }
  EXPECT_EQ(state.soundFailures, 3);
  EXPECT_TRUE(fakes.dialogs.messages.empty());
  EXPECT_EQ(navigator.endedWith, -1);
}

}  // namespace
}  // namespace tavelo::testing
