#include "core/catalogue.h"
#include "core/shared_state.h"
#include "core/startup.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace tavelo {
namespace {

class RecordingNavigator final : public Navigator {
 public:
  void showNameSelection() override {}
  void showLevelHub() override { ++hubShown; }
  void endProgram(int) override {}
  void showGameScreen() override { ++gameShown; }
  int hubShown = 0;
  int gameShown = 0;
};

TEST(Catalogue, IdentityAndLevelNames) {
  auto state = std::make_unique<SharedState>();
  setProgramIdentity(*state);
  EXPECT_EQ(state->programTitle, QStringLiteral("Tavelo"));
  EXPECT_EQ(state->hubPrintSwitch, 0);
  EXPECT_EQ(state->hubLevelSwitch, 1);

  RecordingNavigator navigator;
  openOwnLevelCatalogue(*state, navigator);
  openOwnLevelCatalogue(*state, navigator);  // a second call rebuilds the same names
  EXPECT_EQ(navigator.hubShown, 2);
  EXPECT_EQ(state->levelCount, 5);
  EXPECT_EQ(state->goalLevel, 5);
  EXPECT_EQ(state->levelNames[1], QStringLiteral("ﾚﾍﾞﾙ1"));
  EXPECT_EQ(state->levelNames[5], QStringLiteral("ﾚﾍﾞﾙ5"));
  EXPECT_EQ(state->levelNames[6], QStringLiteral("レベル２－２"));
  EXPECT_EQ(state->levelNames[11], QStringLiteral("レベル４－1"));
  EXPECT_EQ(state->levelNames[24], QStringLiteral("レベル８－２"));
  EXPECT_TRUE(state->levelNames[0].isEmpty());
  EXPECT_TRUE(state->levelNames[25].isEmpty());
  for (int i = 0; i <= kMaxLevel; ++i) {
    EXPECT_EQ(state->levelRecorded[i], i >= 1 && i <= 24 ? 1 : 0) << i;
  }
  for (int i = 1; i <= 24; ++i) {
    const bool practice = i == 7 || i == 10 || i == 13 || i == 16 || i == 19 || i == 22;
    EXPECT_EQ(isPracticeLevel(*state, i), practice) << i;
  }
  EXPECT_FALSE(isPracticeLevel(*state, 99));
}

TEST(Catalogue, StartDrillResetsFlagsButNotJudgement) {
  auto state = std::make_unique<SharedState>();
  testing::FakeServices fakes;
  RecordingNavigator navigator;
  state->drillFinished = 1;
  state->endingStarted = 1;
  state->correctCount = 4;
  state->timedOut = 1;
  state->judgement = 2;
  startDrill(*state, navigator, fakes.events);
  EXPECT_EQ(state->drillFinished, 0);
  EXPECT_EQ(state->endingStarted, 0);
  EXPECT_EQ(state->correctCount, 0);
  EXPECT_EQ(state->timedOut, 0);
  EXPECT_EQ(state->judgement, 2);
  EXPECT_EQ(navigator.gameShown, 1);
}

TEST(Startup, SeasonColourByMonth) {
  const QColor orange(255, 128, 0), green(192, 255, 192), teal(0, 192, 192), brown(192, 64, 0);
  const QColor expected[] = {orange, orange, green, green, green, teal,
                             teal,   teal,   brown, brown, brown, green};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(seasonColourForMonth(month), expected[month - 1]) << month;
  }
}

TEST(Startup, VersionTextComesFromTheProjectVersion) {
  EXPECT_TRUE(versionText().startsWith(QStringLiteral("Version1.")));
  EXPECT_FALSE(versionText().contains(u' '));
}

}  // namespace
}  // namespace tavelo
