#include "drill_fixture.h"

namespace tavelo::testing {
namespace {

using drill::FrmSyuuryou;

// The completion screen as the drill end shows it, for a drill already in the results file.
class CompletionScreen : public DrillFixture {
 protected:
  // Records a drill of drillTime on level as the drill end does, then shows the screen.
  FrmSyuuryou* finish(int level, int drillTime, bool recorded = true) {
    state.levelIndex = static_cast<qint16>(level);
    state.drillTime = drillTime;
    state.timedOut = drillTime == kTimedOut ? 1 : 0;
    if (recorded) {
      EXPECT_FALSE(storage::recordDrillResult(state, fakes.services));
    }
    fakes.sound.played.clear();
    waiting.show();
    auto* screen = new FrmSyuuryou(state, fakes.services, navigator, waiting, recorded);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->show();
    screen->activate();
    return screen;
  }

  // Five quick drills today on level: enough to clear it (5 drills, 40 points).
  void clearLevelBefore(int level) {
    for (int i = 0; i < 5; ++i) {
      addRecord(level, 5);
    }
    refreshStatistics();
  }

  static bool shown(const QWidget* screen, const char* name) {
    return child(screen, QString::fromLatin1(name))->isVisible();
  }
};

struct FiguresCase {
  int target;
  float factor;
  int drillTime;
  const char* points;
  const char* time;
};

TEST_F(CompletionScreen, ShowsTheDrillsTimePointsAndTries) {
  const FiguresCase cases[] = {
      {60, 1.0F, 30, "獲得ポイント：11点×1→11点", "今の成績：30秒"},
      {60, 1.5F, 60, "獲得ポイント：5点×1.5→7点", "今の成績：60秒"},
      {60, 1.0F, 0, "獲得ポイント：55点×1→55点", "今の成績：0秒"},
      {60, 1.2F, 119, "獲得ポイント：4点×1.2→4点", "今の成績：119秒"},
      {60, 1.0F, 600, "獲得ポイント：0点×1→0点", "今の成績：600秒"},
      {60, 1.0F, 99999, "獲得ポイント：0点×1→0点", "今の成績：記録なし"},
  };
  addRecord(1, 50);
  addRecord(2, 50);
  refreshStatistics();
  int tries = 2;
  for (const FiguresCase& c : cases) {
    state.criteriaTargetTime[3] = c.target;
    state.criteriaPointFactor[3] = c.factor;
    FrmSyuuryou* screen = finish(3, c.drillTime);
    if (c.drillTime < 6000) ++tries;
    EXPECT_EQ(text(screen, "Label19"), QString::fromUtf8(c.points)) << c.drillTime;
    EXPECT_EQ(text(screen, "Label18"), QString::fromUtf8(c.time)) << c.drillTime;
    EXPECT_EQ(text(screen, "Label17"), QStringLiteral("上野　そうた"));
    EXPECT_EQ(text(screen, "Label15"), QStringLiteral("Tavelo"));
    EXPECT_EQ(text(screen, "Label16"), QStringLiteral("ﾚﾍﾞﾙ3"));
    EXPECT_EQ(text(screen, "Label13"), QStringLiteral(" (このレベル　%1回目)").arg(tries - 2));
    EXPECT_EQ(text(screen, "Label14"), QStringLiteral("（%1回目)").arg(tries));
    EXPECT_FALSE(waiting.isShown());
    const auto* background = child<QLabel>(screen, QStringLiteral("Image1"));
    EXPECT_FALSE(background->pixmap().isNull());
    EXPECT_EQ(background->geometry(), QRect(0, 0, 1024, 768));
    delete screen;
  }
}

struct ResultLineCase {
  const char* name;
  int previousBest;  // the student's earlier time on the level (99999: none)
  int othersBest;    // another student's time on the level (99999: none)
  int drillTime;
  const char* line;   // nullptr: the result line stays hidden
  const char* sound;  // nullptr: no sound
};

TEST_F(CompletionScreen, TheResultLineAndItsSoundFollowTheRecords) {
  // Level 2: target 25 s, minimum 60 s.
  const ResultLineCase cases[] = {
      {"both bests", 99999, 99999, 40, "！！！最高新記録！！！", "最高1"},
      {"level best too", 50, 45, 40, "！！！最高新記録！！！", "最高1"},
      {"personal best", 50, 30, 40, "新記録おめでとう", "じこベスト"},
      {"within minimum", 30, 20, 40, nullptr, "ざんねん"},
      {"equal to best", 40, 20, 40, nullptr, "ざんねん"},
      {"slower than minimum", 30, 20, 61, nullptr, nullptr},
      {"timed out", 99999, 99999, 99999, "時間切れ", nullptr},
  };
  int student = 10;
  for (const ResultLineCase& c : cases) {
    // A fresh student and level history for every case.
    QFile::resize(storage::resultsFilePath(state), 0);
    state.studentIndex = static_cast<qint16>(++student);
    if (c.previousBest != 99999) addRecord(2, c.previousBest, 0, student);
    if (c.othersBest != 99999) addRecord(2, c.othersBest, 0, 999);
    refreshStatistics();
    FrmSyuuryou* screen = finish(2, c.drillTime);
    if (c.line == nullptr) {
      EXPECT_FALSE(shown(screen, "Label20")) << c.name;
    } else {
      EXPECT_TRUE(shown(screen, "Label20")) << c.name;
      EXPECT_EQ(text(screen, "Label20"), QString::fromUtf8(c.line)) << c.name;
    }
    if (c.sound == nullptr) {
      EXPECT_TRUE(fakes.sound.played.isEmpty()) << c.name;
    } else {
      EXPECT_EQ(fakes.sound.played, QStringList{soundPath(c.sound)}) << c.name;
    }
    EXPECT_EQ(state.newPersonalBest, 0) << c.name;
    EXPECT_EQ(state.newLevelBest, 0) << c.name;
    delete screen;
  }
}

struct FlagsCase {
  const char* name;
  int level;     // the goal level is 5; level 3 lies below it (minimum 70 s on 3, 120 s on 5)
  bool cleared;  // the level is cleared in the statistics the screen computes
  qint16 alreadyCleared;
  qint16 newPersonalBest;
  qint16 newLevelBest;
  int drillTime;                    // 99999: timed out
  const char* line;                 // Label20; nullptr: hidden
  bool congratulated;               // Picture1
  std::vector<const char*> sounds;  // in the order played
};

// The screen as the drill end leaves it: the recording flags are set, the results file
// holds what decides cleared. Messages and sounds follow the flags, the cleared and goal
// states and the minimum time.
TEST_F(CompletionScreen, MessagesAndSoundsFollowTheFlagsTheClearedAndGoalStatesAndTheMinimumTime) {
  const FlagsCase cases[] = {
      {"level best", 3, false, 0, 1, 1, 40, "！！！最高新記録！！！", false, {"最高1"}},
      {"level best alone", 3, false, 0, 0, 1, 40, "！！！最高新記録！！！", false, {"最高1"}},
      {"personal best", 3, false, 0, 1, 0, 40, "新記録おめでとう", false, {"じこベスト"}},
      {"within the minimum", 3, false, 0, 0, 0, 70, nullptr, false, {"ざんねん"}},
      {"slower than the minimum", 3, false, 0, 0, 0, 71, nullptr, false, {}},
      {"timed out", 3, false, 0, 0, 0, 99999, "時間切れ", false, {}},
      {"cleared below the goal", 3, true, 0, 0, 0, 40, nullptr, false, {"ざんねん"}},
      {"goal not cleared", 5, false, 0, 1, 0, 40, "新記録おめでとう", false, {"じこベスト"}},
      {"goal cleared first, personal best",
       5,
       true,
       0,
       1,
       0,
       40,
       "新記録おめでとう",
       true,
       {"じこベスト", "合格"}},
      {"goal cleared first, level best",
       5,
       true,
       0,
       1,
       1,
       40,
       "！！！最高新記録！！！",
       true,
       {"最高1", "合格"}},
      {"goal cleared first, slow", 5, true, 0, 0, 0, 121, nullptr, true, {"合格"}},
      {"goal cleared before", 5, true, 1, 0, 0, 100, nullptr, true, {"ざんねん"}},
      {"goal cleared before, timed out", 5, true, 1, 0, 0, 99999, "時間切れ", true, {}},
  };
  int student = 40;
  for (const FlagsCase& c : cases) {
    state.studentIndex = static_cast<qint16>(++student);
    if (c.cleared) {
      for (int i = 0; i < 5; ++i) addRecord(c.level, 5, 0, student);
    }
    refreshStatistics();
    state.levelIndex = static_cast<qint16>(c.level);
    state.drillTime = c.drillTime;
    state.timedOut = c.drillTime == kTimedOut ? 1 : 0;
    state.alreadyCleared = c.alreadyCleared;
    state.newPersonalBest = c.newPersonalBest;
    state.newLevelBest = c.newLevelBest;
    fakes.sound.played.clear();
    waiting.show();
    auto* screen = new FrmSyuuryou(state, fakes.services, navigator, waiting, true);
    screen->show();
    screen->activate();

    if (c.line == nullptr) {
      EXPECT_FALSE(shown(screen, "Label20")) << c.name;
    } else {
      EXPECT_TRUE(shown(screen, "Label20")) << c.name;
      EXPECT_EQ(text(screen, "Label20"), QString::fromUtf8(c.line)) << c.name;
    }
    EXPECT_EQ(shown(screen, "Label2"), c.cleared) << c.name;
    EXPECT_EQ(shown(screen, "Picture1"), c.congratulated) << c.name;
    QStringList sounds;
    for (const char* stem : c.sounds) sounds << soundPath(stem);
    EXPECT_EQ(fakes.sound.played, sounds) << c.name;
    EXPECT_EQ(state.newPersonalBest, 0) << c.name;
    EXPECT_EQ(state.newLevelBest, 0) << c.name;
    EXPECT_FALSE(waiting.isShown()) << c.name;
    delete screen;
  }
}

TEST_F(CompletionScreen, AnUnrecordedDrillShowsItsFiguresButClaimsNoRecord) {
  FrmSyuuryou* screen = finish(2, 12, false);
  EXPECT_EQ(text(screen, "Label18"), QStringLiteral("今の成績：12秒"));
  EXPECT_EQ(text(screen, "Label20"), QStringLiteral("成績を記録できませんでした"));
  EXPECT_TRUE(fakes.sound.played.isEmpty());
}

TEST_F(CompletionScreen, TheFirstClearOfTheGoalLevelIsCongratulatedWithThePassSound) {
  for (int i = 0; i < 4; ++i) addRecord(5, 20);
  refreshStatistics();
  FrmSyuuryou* screen = finish(5, 20);  // the fifth drill clears level 5, the goal
  EXPECT_EQ(state.alreadyCleared, 0);
  EXPECT_TRUE(shown(screen, "Label2"));
  EXPECT_EQ(text(screen, "Label2"), QStringLiteral("このレベルクリア"));
  EXPECT_TRUE(shown(screen, "Picture1"));
  EXPECT_EQ(screen->openEndedLevels(), 0);
  EXPECT_EQ(fakes.sound.played.last(), soundPath("合格"));

  screen->offerButtons();
  EXPECT_FALSE(shown(screen, "Picture1"));
  EXPECT_TRUE(shown(screen, "Command4"));
  EXPECT_TRUE(shown(screen, "Command5"));
  delete screen;

  // A later drill on the cleared goal level: congratulated, but no pass sound.
  screen = finish(5, 25);
  EXPECT_EQ(state.alreadyCleared, 1);
  EXPECT_TRUE(shown(screen, "Picture1"));
  EXPECT_FALSE(fakes.sound.played.contains(soundPath("合格")));
}

TEST_F(CompletionScreen, AnOpenEndedLevelSuppressesTheCongratulation) {
  state.criteriaClearCount[17] = 9999;
  clearLevelBefore(5);
  FrmSyuuryou* screen = finish(5, 20);
  EXPECT_TRUE(shown(screen, "Label2"));
  EXPECT_FALSE(shown(screen, "Picture1"));
  EXPECT_EQ(screen->openEndedLevels(), -1);
}

TEST_F(CompletionScreen, ClearingALevelBelowTheGoalShowsNoCongratulation) {
  clearLevelBefore(3);
  FrmSyuuryou* screen = finish(3, 20);
  EXPECT_TRUE(shown(screen, "Label2"));
  EXPECT_FALSE(shown(screen, "Picture1"));
  EXPECT_FALSE(fakes.sound.played.contains(soundPath("合格")));
}

struct OverdoCase {
  const char* name;
  int level;
  int drillsToday;  // of 10 s on the level (15 points each on levels 1 and 2)
  qint16 goalPassed;
  bool again;          // "もう一度" offered
  const char* notice;  // Label2 afterwards; nullptr: hidden
};

TEST_F(CompletionScreen, AStudentWhoOverdoesAClearedLevelIsSentOn) {
  // Levels 1-5 allow 15 drills (10 on level 5) a day.
  const OverdoCase cases[] = {
      {"overdone below the goal", 2, 14, 0, false, "次のレベルへ進みましょう"},
      {"goal already passed", 2, 14, 1, true, "このレベルクリア"},
      {"not overdone", 2, 5, 0, true, "このレベルクリア"},
      {"overdone goal level", 5, 9, 0, true, nullptr},
  };
  int student = 20;
  for (const OverdoCase& c : cases) {
    state.studentIndex = static_cast<qint16>(++student);
    for (int i = 0; i < c.drillsToday; ++i) addRecord(c.level, 10, 0, student);
    refreshStatistics();
    state.goalPassed = c.goalPassed;
    FrmSyuuryou* screen = finish(c.level, 10);
    EXPECT_TRUE(shown(screen, "Label2")) << c.name;
    EXPECT_FALSE(shown(screen, "Command4")) << c.name;
    EXPECT_FALSE(shown(screen, "Command5")) << c.name;
    screen->offerButtons();
    EXPECT_TRUE(shown(screen, "Command4")) << c.name;
    EXPECT_EQ(shown(screen, "Command5"), c.again) << c.name;
    if (c.notice == nullptr) {
      EXPECT_FALSE(shown(screen, "Label2")) << c.name;
    } else {
      EXPECT_TRUE(shown(screen, "Label2")) << c.name;
      EXPECT_EQ(text(screen, "Label2"), QString::fromUtf8(c.notice)) << c.name;
    }
    delete screen;
  }
}

TEST_F(CompletionScreen, TheTimerOffersTheButtonsHalfASecondAfterActivation) {
  FrmSyuuryou* screen = finish(1, 40);
  auto* timer1 = child<QTimer>(screen, QStringLiteral("Timer1"));
  EXPECT_TRUE(timer1->isActive());
  EXPECT_EQ(timer1->interval(), 500);
  EXPECT_FALSE(shown(screen, "Command4"));
  fire(timer1);
  EXPECT_TRUE(shown(screen, "Command4"));
  EXPECT_FALSE(timer1->isActive());
  EXPECT_TRUE(shown(screen, "Command5"));
}

TEST_F(CompletionScreen, MenuGoesBackToTheHub) {
  const QPointer<FrmSyuuryou> screen(finish(1, 40));
  screen->offerButtons();
  QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("Command4")), Qt::LeftButton);
  EXPECT_EQ(navigator.hubShows, 1);
  EXPECT_EQ(navigator.gameScreens, 0);
  EXPECT_TRUE(screen == nullptr || !screen->isVisible());
}

TEST_F(CompletionScreen, AgainStartsAnotherDrillOnTheSameLevel) {
  const QPointer<FrmSyuuryou> screen(finish(4, 40));
  screen->offerButtons();
  state.correctCount = 4;
  state.drillFinished = 1;
  QTest::mouseClick(child<QPushButton>(screen, QStringLiteral("Command5")), Qt::LeftButton);
  EXPECT_TRUE(screen == nullptr || !screen->isVisible());
  EXPECT_EQ(navigator.hubShows, 0);
  EXPECT_EQ(navigator.gameScreens, 1);
  ASSERT_NE(navigator.game, nullptr);
  EXPECT_TRUE(navigator.game->isVisible());
  EXPECT_EQ(state.levelIndex, 4);
  EXPECT_EQ(state.correctCount, 0);
  EXPECT_EQ(state.drillFinished, 0);
  EXPECT_EQ(navigator.game->picturesPerQuestion(), 6);
  // The new game screen has closed the waiting screen.
  EXPECT_FALSE(waiting.isShown());
}

TEST_F(CompletionScreen, ClosingTheWindowGoesBackToTheHub) {
  FrmSyuuryou* screen = finish(1, 40);
  EXPECT_TRUE(closeByWindowButton(screen));
  EXPECT_EQ(navigator.hubShows, 1);
  EXPECT_FALSE(child<QTimer>(screen, QStringLiteral("Timer1"))->isActive());
}

}  // namespace
}  // namespace tavelo::testing
