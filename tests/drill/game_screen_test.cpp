#include "drill_fixture.h"

#include <cmath>
#include <functional>
#include <set>

namespace tavelo::testing {
namespace {

using drill::MainFrm;

class GameScreen : public DrillFixture {
 protected:
  static int visibleSlots(const MainFrm* screen) {
    int visible = 0;
    for (int n = 1; n <= drill::kSlotCount; ++n) {
      visible += slot(screen, n)->isVisible() ? 1 : 0;
    }
    return visible;
  }

  static int visibleNumbers(const MainFrm* screen) {
    int visible = 0;
    for (int n = 1; n <= drill::kSlotCount; ++n) {
      visible += number(screen, n)->isVisible() ? 1 : 0;
    }
    return visible;
  }
};

TEST_F(GameScreen, Level5ShowsEightNumberedSlotsOfOnePictureForEightSeconds) {
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->picturesPerQuestion(), 8);
  EXPECT_EQ(state.questionCount, 3);
  EXPECT_EQ(text(screen, "sLabel9"), QStringLiteral("3"));
  EXPECT_EQ(visibleSlots(screen), 8);
  EXPECT_EQ(visibleNumbers(screen), 8);
  std::set<int> occupied;
  std::set<qint64> pictures;
  for (int k = 1; k <= 8; ++k) {
    const int n = slotNumbered(screen, k);
    occupied.insert(n);
    EXPECT_TRUE(slot(screen, n)->isVisible());
    EXPECT_EQ(number(screen, n)->text(), QString::number(k));
    // The number lies over the slot's upper left corner.
    EXPECT_EQ(number(screen, n)->geometry().topLeft(),
              slot(screen, n)->geometry().topLeft() - QPoint(10, 12));
    pictures.insert(slot(screen, n)->pixmap().cacheKey());
  }
  EXPECT_EQ(occupied.size(), 8U);
  EXPECT_EQ(pictures.size(), 1U);
  EXPECT_FALSE(slot(screen, slotNumbered(screen, 1))->pixmap().isNull());

  auto* timer1 = child<QTimer>(screen, QStringLiteral("Timer1"));
  EXPECT_TRUE(timer1->isActive());
  EXPECT_EQ(timer1->interval(), 8000);
  fire(timer1);
  EXPECT_FALSE(timer1->isActive());
  EXPECT_EQ(visibleNumbers(screen), 0);
  EXPECT_EQ(visibleSlots(screen), 8);
}

TEST_F(GameScreen, AnsweringInOrderHidesTheClickedSlotsAndScoresTheQuestion) {
  MainFrm* screen = start(1);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(text(screen, "sLabel9"), QStringLiteral("10"));
  const int first = slotNumbered(screen, 1);
  const int second = slotNumbered(screen, 2);
  const int third = slotNumbered(screen, 3);
  clickNumbered(screen, 1);
  clickNumbered(screen, 2);
  EXPECT_FALSE(slot(screen, first)->isVisible());
  EXPECT_FALSE(slot(screen, second)->isVisible());
  EXPECT_TRUE(slot(screen, third)->isVisible());
  EXPECT_EQ(screen->nextPosition(), 3);
  EXPECT_TRUE(fakes.sound.played.isEmpty());

  clickNumbered(screen, 3);
  EXPECT_EQ(state.correctCount, 1);
  EXPECT_EQ(text(screen, "sLabel9"), QStringLiteral("9"));
  ASSERT_EQ(fakes.sound.played.size(), 1);
  EXPECT_TRUE(fakes.sound.played[0] == soundPath("ピンポン") ||
              fakes.sound.played[0] == soundPath("せいかい"))
      << fakes.sound.played[0].toStdString();
  // A new question with its numbers showing.
  EXPECT_EQ(screen->nextPosition(), 1);
  EXPECT_EQ(visibleSlots(screen), 3);
  EXPECT_EQ(visibleNumbers(screen), 3);
}

TEST_F(GameScreen, AWrongClickShowsTheQuestionAgainAndTakesBackAnAnswerOnLowLevels) {
  MainFrm* screen = start(1);
  ASSERT_NE(screen, nullptr);
  answer(screen);
  EXPECT_EQ(text(screen, "sLabel9"), QStringLiteral("9"));
  const drill::SlotOrder question = screen->slotOrder();

  clickNumbered(screen, 1);  // right, then the slot numbered 3 instead of 2
  clickNumbered(screen, 3);
  EXPECT_EQ(fakes.sound.played.last(), soundPath("ブブー"));
  EXPECT_EQ(screen->slotOrder(), question);
  EXPECT_EQ(screen->nextPosition(), 1);
  EXPECT_EQ(visibleSlots(screen), 3);
  EXPECT_EQ(visibleNumbers(screen), 3);
  EXPECT_EQ(state.correctCount, 0);
  EXPECT_EQ(text(screen, "sLabel9"), QStringLiteral("10"));
  auto* timer1 = child<QTimer>(screen, QStringLiteral("Timer1"));
  EXPECT_TRUE(timer1->isActive());
  EXPECT_EQ(timer1->interval(), 800);

  // Never below zero.
  clickNumbered(screen, 2);
  EXPECT_EQ(state.correctCount, 0);
  EXPECT_EQ(text(screen, "sLabel9"), QStringLiteral("10"));
}

TEST_F(GameScreen, AWrongClickOnLevel4CostsTenSeconds) {
  MainFrm* screen = start(4);
  ASSERT_NE(screen, nullptr);
  fakes.clock.advanceMs(3000);
  screen->clockTick();
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("3"));
  clickNumbered(screen, 2);
  EXPECT_EQ(text(screen, "sLabel9"), QStringLiteral("4"));
  EXPECT_EQ(state.correctCount, 0);
  fakes.clock.advanceMs(1000);
  screen->clockTick();
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("14"));
}

// A double-click is one click, as on the window system's own controls: a child who
// double-clicks a wrong slot hears one wrong sound and pays one penalty.
TEST_F(GameScreen, ADoubleClickOnASlotCountsOnce) {
  MainFrm* screen = start(4);
  ASSERT_NE(screen, nullptr);
  QLabel* wrong = slot(screen, slotNumbered(screen, 2));
  QWindow* window = screen->windowHandle();
  ASSERT_NE(window, nullptr);
  QTest::mouseDClick(window, Qt::LeftButton, {},
                     window->mapFromGlobal(wrong->mapToGlobal(wrong->rect().center())));
  ASSERT_EQ(fakes.sound.played.size(), 1);
  EXPECT_EQ(fakes.sound.played[0], soundPath("ブブー"));
  screen->clockTick();
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("10"));
  // The next click counts as usual.
  clickNumbered(screen, 1);
  EXPECT_EQ(screen->nextPosition(), 2);
}

TEST_F(GameScreen, TheFirstClickHidesAllNumbersAndCancelsTheirTimer) {
  MainFrm* screen = start(3);
  ASSERT_NE(screen, nullptr);
  auto* timer1 = child<QTimer>(screen, QStringLiteral("Timer1"));
  EXPECT_TRUE(timer1->isActive());
  EXPECT_EQ(visibleNumbers(screen), 5);
  clickNumbered(screen, 1);
  EXPECT_FALSE(timer1->isActive());
  EXPECT_EQ(visibleNumbers(screen), 0);
  EXPECT_EQ(visibleSlots(screen), 4);
}

TEST_F(GameScreen, ANumberLabelTakesTheClickForItsSlot) {
  MainFrm* screen = start(2);
  ASSERT_NE(screen, nullptr);
  const int first = slotNumbered(screen, 1);
  QTest::mouseClick(number(screen, first), Qt::LeftButton);
  EXPECT_EQ(screen->nextPosition(), 2);
  EXPECT_FALSE(slot(screen, first)->isVisible());
}

TEST_F(GameScreen, HeaderShowsWhoPlaysAndTheirTriesOfTheDay) {
  addRecord(1, 30);
  addRecord(1, 40);
  addRecord(3, 50);
  addRecord(3, 99999);  // timed out: not a try that counts
  addRecord(2, 45, 1);  // yesterday
  refreshStatistics();
  fakes.clock.advanceMs(125'000);
  MainFrm* screen = start(1);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(text(screen, "sLabel7"), QStringLiteral("上野　そうた"));
  EXPECT_EQ(text(screen, "sLabel14"), QStringLiteral("みどり教室"));
  EXPECT_EQ(text(screen, "sLabel8"), QStringLiteral("ﾚﾍﾞﾙ1"));
  EXPECT_EQ(text(screen, "sLabel11"), QStringLiteral("3"));
  EXPECT_EQ(text(screen, "sLabel12"), QStringLiteral("4"));
  EXPECT_EQ(text(screen, "sLabel13"), QStringLiteral("12"));
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("0"));
  EXPECT_EQ(state.totalTries, 3);
  EXPECT_EQ(child<QLabel>(screen, QStringLiteral("sLabel2"))->font().pointSizeF(), 16.8);
  for (int element = 10; element < 40; ++element) {
    EXPECT_TRUE(child(screen, QStringLiteral("sPicture3_%1").arg(element))->isVisible());
  }
  fakes.clock.advanceMs(60'000);
  screen->minutesTick();
  EXPECT_EQ(text(screen, "sLabel13"), QStringLiteral("13"));
}

TEST_F(GameScreen, APracticeLevelHeaderShowsDashesAndALongTitleSmallerType) {
  state.programTitle = QStringLiteral("0123456789");
  state.levelIndex = 7;
  MainFrm screen(state, fakes.services, navigator, waiting);
  screen.初期設定();
  EXPECT_EQ(text(&screen, "sLabel11"), QStringLiteral("－"));
  EXPECT_EQ(text(&screen, "sLabel12"), QStringLiteral("－"));
  EXPECT_EQ(text(&screen, "sLabel8"), QStringLiteral("レベル３練習"));
  EXPECT_EQ(child<QLabel>(&screen, QStringLiteral("sLabel2"))->font().pointSizeF(), 14.0);
}

TEST_F(GameScreen, TimeBarIsScaledFromTheLevelCriteria) {
  MainFrm* screen = start(1);  // target 25 s, minimum 60 s: the bar is 300 s
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(state.timeBarMax, 300);
  const int bar = child(screen, QStringLiteral("sShape5"))->width();
  EXPECT_EQ(bar, 1007);
  EXPECT_DOUBLE_EQ(state.timeBarScale, bar / 300.0);
  EXPECT_EQ(child(screen, QStringLiteral("sShape3"))->width(), 84);   // 25 s
  EXPECT_EQ(child(screen, QStringLiteral("sShape4"))->width(), 201);  // 60 s
  EXPECT_EQ(child(screen, QStringLiteral("sShape2"))->width(), 0);
  fakes.clock.advanceMs(90'000);
  screen->clockTick();
  EXPECT_EQ(child(screen, QStringLiteral("sShape2"))->width(), 302);  // 90 s
  EXPECT_EQ(child(screen, QStringLiteral("sShape2"))->x(),
            child(screen, QStringLiteral("sShape5"))->x());
}

TEST_F(GameScreen, RedLampsGoOutOneByOneOverTheLastTenSecondsBeforeTheTarget) {
  state.criteriaTargetTime[1] = 40;
  MainFrm* screen = start(1);
  ASSERT_NE(screen, nullptr);
  const auto lampsOut = [&] {
    int out = 0;
    for (int j = 0; j < 10; ++j) {
      out += child(screen, QStringLiteral("sPicture3_%1").arg(30 + j))->isVisible() ? 0 : 1;
    }
    return out;
  };
  fakes.clock.advanceMs(30'000);
  screen->clockTick();
  EXPECT_EQ(lampsOut(), 0);
  for (int second = 31; second <= 40; ++second) {
    fakes.clock.advanceMs(1000);
    screen->clockTick();
    EXPECT_EQ(lampsOut(), second - 30) << "at " << second << " s";
    EXPECT_FALSE(child(screen, QStringLiteral("sPicture3_%1").arg(30 + second - 31))->isVisible());
  }
  fakes.clock.advanceMs(5000);
  screen->clockTick();
  EXPECT_EQ(lampsOut(), 10);
  EXPECT_TRUE(child(screen, QStringLiteral("sPicture3_10"))->isVisible());
  EXPECT_TRUE(child(screen, QStringLiteral("sPicture3_29"))->isVisible());
}

TEST_F(GameScreen, AFinishedDrillIsRecordedAndHandsOverToTheCompletionScreen) {
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  const QPointer<MainFrm> game(screen);
  bool coverSeen = false;
  fakes.events.onWait = [&] {
    // During the one-second wait the covered game screen and the waiting screen show.
    if (game != nullptr && !coverSeen) {
      coverSeen = true;
      EXPECT_TRUE(child(game, QStringLiteral("sPicture2"))->isVisible());
      EXPECT_TRUE(child(game, QStringLiteral("lblsss1"))->isVisible());
      EXPECT_FALSE(child(game, QStringLiteral("lblsss2"))->isVisible());
      EXPECT_TRUE(waiting.isShown());
      EXPECT_EQ(records().size(), 1U);
    }
  };
  // 24 clicks of 1.25 s: 30 seconds. The correct sounds after the clicks take no drill time.
  answer(screen, 1250);
  answer(screen, 1250);
  answer(screen, 1250);
  EXPECT_TRUE(coverSeen);
  EXPECT_EQ(state.drillFinished, 1);
  EXPECT_EQ(state.drillTime, 30);
  EXPECT_TRUE(game == nullptr || !game->isVisible());

  const auto saved = records();
  ASSERT_EQ(saved.size(), 1U);
  EXPECT_EQ(saved[0].student, kStudent);
  EXPECT_EQ(saved[0].level, 5);
  EXPECT_EQ(saved[0].drillTime, 30);
  EXPECT_EQ(QByteArray(saved[0].siteCode.data(), 5), QByteArray("12345"));

  drill::FrmSyuuryou* done = completionScreen();
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(text(done, "Label18"), QStringLiteral("今の成績：30秒"));
  // Target 50 s, factor 1.5: (20/50)^3 x 50 + 5 = 8.2 -> 8 points, x 1.5 -> 12.
  EXPECT_EQ(text(done, "Label19"), QStringLiteral("獲得ポイント：8点×1.5→12点"));
  EXPECT_EQ(text(done, "Label20"), QStringLiteral("！！！最高新記録！！！"));
  EXPECT_EQ(text(done, "Label13"), QStringLiteral(" (このレベル　1回目)"));
  EXPECT_EQ(text(done, "Label14"), QStringLiteral("（1回目)"));
  EXPECT_EQ(fakes.sound.played.last(), soundPath("最高1"));
  EXPECT_FALSE(fakes.sound.played.contains(soundPath("じこベスト")));
  EXPECT_FALSE(waiting.isShown());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(GameScreen, ReachingTheTimeLimitEndsTheDrillAsTimedOut) {
  MainFrm* screen = start(1);  // minimum 60 s: the limit is 300 s
  ASSERT_NE(screen, nullptr);
  const QPointer<MainFrm> game(screen);
  fakes.clock.advanceMs(299'400);
  screen->clockTick();
  EXPECT_EQ(state.timedOut, 0);
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("299"));

  bool coverSeen = false;
  fakes.events.onWait = [&] {
    if (game != nullptr && !coverSeen) {
      coverSeen = true;
      EXPECT_TRUE(child(game, QStringLiteral("lblsss2"))->isVisible());
      EXPECT_FALSE(child(game, QStringLiteral("lblsss1"))->isVisible());
      EXPECT_EQ(child(game, QStringLiteral("sShape2"))->width(),
                child(game, QStringLiteral("sShape5"))->width());
    }
  };
  fakes.clock.advanceMs(600);
  screen->clockTick();
  EXPECT_TRUE(coverSeen);
  EXPECT_EQ(state.timedOut, 1);
  EXPECT_EQ(state.drillTime, 99999);
  const auto saved = records();
  ASSERT_EQ(saved.size(), 1U);
  EXPECT_EQ(saved[0].drillTime, 99999);

  drill::FrmSyuuryou* done = completionScreen();
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(text(done, "Label18"), QStringLiteral("今の成績：記録なし"));
  EXPECT_EQ(text(done, "Label19"), QStringLiteral("獲得ポイント：0点×1→0点"));
  EXPECT_EQ(text(done, "Label20"), QStringLiteral("時間切れ"));
  EXPECT_TRUE(child(done, QStringLiteral("Label20"))->isVisible());
  EXPECT_TRUE(fakes.sound.played.isEmpty());
}

TEST_F(GameScreen, ALevelWithoutAMinimumTimeHasNoTimeLimit) {
  state.criteriaMinimumTime[2] = 0;
  MainFrm* screen = start(2);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(state.timeBarMax, 0);
  fakes.clock.advanceMs(3'600'000);
  screen->clockTick();
  EXPECT_EQ(state.timedOut, 0);
  EXPECT_EQ(state.endingStarted, 0);
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("3600"));
  EXPECT_TRUE(records().empty());
}

TEST_F(GameScreen, AClockTickAtTheLimitWhileTheLastAnswerEndsTheDrillChangesNothing) {
  MainFrm* screen = start(5);  // minimum 120 s: the limit is 600 s
  ASSERT_NE(screen, nullptr);
  answer(screen, 100);
  answer(screen, 100);
  // The last answer comes just after the limit, before the clock has ticked; the tick
  // then arrives while the drill end lets events run.
  fakes.clock.advanceMs(600'000);
  QTimer::singleShot(0, screen, [screen] { screen->clockTick(); });
  answer(screen, 0);
  EXPECT_EQ(state.timedOut, 0);
  const auto saved = records();
  ASSERT_EQ(saved.size(), 1U);
  EXPECT_EQ(saved[0].drillTime, 602);
  ASSERT_NE(completionScreen(), nullptr);
}

// The wall clock passes midnight during the drill: drill time comes from the monotonic
// clock, the record's date and time of day from the wall clock.
TEST_F(GameScreen, ADrillAcrossMidnightKeepsItsTimeAndIsDatedTheNewDay) {
  const QDate day = fakes.clock.now().date();
  fakes.clock.set(QDateTime(day, QTime(23, 59, 50)));
  state.studentStartSeconds = 23 * 3600 + 50 * 60;  // ten minutes before
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  answer(screen, 1250);  // 10 s: midnight
  answer(screen, 1250);  // 20 s: 00:00:10
  screen->clockTick();
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("20"));
  EXPECT_EQ(child(screen, QStringLiteral("sShape2"))->width(),
            static_cast<int>(std::lround(20 * state.timeBarScale)));
  screen->minutesTick();
  EXPECT_EQ(text(screen, "sLabel13"), QStringLiteral("10"));
  answer(screen, 1250);  // 30 s: 00:00:20

  EXPECT_EQ(state.timedOut, 0);
  EXPECT_EQ(state.drillTime, 30);
  const auto saved = records();
  ASSERT_EQ(saved.size(), 1U);
  EXPECT_EQ(saved[0].drillTime, 30);
  EXPECT_EQ(saved[0].date, platform::daySerial(day.addDays(1)));
  EXPECT_NEAR(saved[0].timeOfDay, platform::dayFraction(QTime(0, 0, 20)), 1.0 / 86400);
  drill::FrmSyuuryou* done = completionScreen();
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(text(done, "Label18"), QStringLiteral("今の成績：30秒"));
  // The drill counts as the first of the new day.
  EXPECT_EQ(text(done, "Label13"), QStringLiteral(" (このレベル　1回目)"));
}

TEST_F(GameScreen, TheTimeLimitComesAfterMidnightToo) {
  const QDate day = fakes.clock.now().date();
  fakes.clock.set(QDateTime(day, QTime(23, 58, 0)));
  MainFrm* screen = start(1);  // minimum 60 s: the limit is 300 s, at 00:03:00
  ASSERT_NE(screen, nullptr);
  fakes.clock.advanceMs(299'000);
  screen->clockTick();
  EXPECT_EQ(text(screen, "sLabel10"), QStringLiteral("299"));
  EXPECT_EQ(state.timedOut, 0);
  fakes.clock.advanceMs(1000);
  screen->clockTick();
  EXPECT_EQ(state.timedOut, 1);
  const auto saved = records();
  ASSERT_EQ(saved.size(), 1U);
  EXPECT_EQ(saved[0].drillTime, 99999);
  EXPECT_EQ(saved[0].date, platform::daySerial(day.addDays(1)));
  ASSERT_NE(completionScreen(), nullptr);
  EXPECT_EQ(text(completionScreen(), "Label18"), QStringLiteral("今の成績：記録なし"));
}

TEST_F(GameScreen, ASecondDrillEndRecordsNothingMore) {
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  const QPointer<MainFrm> game(screen);
  int repeats = 0;
  fakes.events.onWait = [&] {
    // Another end request arrives while the first end waits before the completion screen.
    if (game != nullptr && game->isVisible() && repeats < 3) {
      ++repeats;
      game->endDrill();
    }
  };
  answer(screen);
  answer(screen);
  answer(screen);
  EXPECT_GE(repeats, 1);
  EXPECT_EQ(records().size(), 1U);
  int completionScreens = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    completionScreens += qobject_cast<drill::FrmSyuuryou*>(window) != nullptr ? 1 : 0;
  }
  EXPECT_EQ(completionScreens, 1);
  EXPECT_EQ(text(completionScreen(), "Label14"), QStringLiteral("（1回目)"));
}

TEST_F(GameScreen, APracticeLevelIsPlayedButNotRecorded) {
  state.levelNames[2] = QStringLiteral("ﾚﾍﾞﾙ2練習");
  MainFrm* screen = start(2);
  ASSERT_NE(screen, nullptr);
  const QPointer<MainFrm> game(screen);
  EXPECT_EQ(text(screen, "sLabel11"), QStringLiteral("－"));
  EXPECT_EQ(text(screen, "sLabel12"), QStringLiteral("－"));
  for (int question = 0; question < 6; ++question) {
    ASSERT_NE(game, nullptr);
    answer(screen);
  }
  EXPECT_EQ(state.drillFinished, 1);
  EXPECT_EQ(navigator.hubShows, 1);
  EXPECT_TRUE(records().empty());
  EXPECT_EQ(completionScreen(), nullptr);
  EXPECT_TRUE(game == nullptr || !game->isVisible());
  EXPECT_FALSE(waiting.isShown());
}

// Answer sounds are played from files; a missing file is a failed sound. Here the wrong
// answer's file is gone while the right answer's files are there.
TEST_F(GameScreen, AMissingSoundFileCountsAsAFailedSound) {
  ASSERT_TRUE(QFile::remove(soundPath("ブブー")));
  fakes.sound.failWhen = [](const QString& path) { return !QFile::exists(path); };
  MainFrm* screen = start(1);
  ASSERT_NE(screen, nullptr);
  const auto wrong = [&](int times) {
    for (int i = 0; i < times; ++i) clickNumbered(screen, 2);
  };
  wrong(3);
  EXPECT_EQ(state.soundFailures, 3);
  answer(screen);  // the right answer's sound plays: the count starts again
  EXPECT_EQ(state.soundFailures, 0);
  wrong(3);
  EXPECT_TRUE(fakes.dialogs.messages.empty());
  EXPECT_EQ(navigator.endedWith, -1);
  wrong(1);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].title, QStringLiteral("音声エラー"));
  EXPECT_TRUE(fakes.dialogs.messages[0].text.startsWith(
      QStringLiteral("音声がでません。先生を呼びなさい。\r\n")));
  EXPECT_EQ(navigator.endedWith, 1);
  EXPECT_TRUE(records().empty());
}

TEST_F(GameScreen, APracticeDrillGoesBackToTheHubWithoutRecording) {
  state.levelIndex = 7;
  auto* screen = new MainFrm(state, fakes.services, navigator, waiting);
  screen->setAttribute(Qt::WA_DeleteOnClose);
  const QPointer<MainFrm> game(screen);
  screen->show();
  screen->初期設定();
  state.drillFinished = 1;
  screen->endDrill();
  EXPECT_EQ(navigator.hubShows, 1);
  EXPECT_TRUE(records().empty());
  EXPECT_EQ(completionScreen(), nullptr);
  EXPECT_TRUE(game == nullptr || !game->isVisible());
  EXPECT_FALSE(waiting.isShown());
}

TEST_F(GameScreen, AFailedRecordIsReportedAndNoRecordIsClaimed) {
  fakes.locker.busyAnswers = 1'000'000;  // another computer keeps the results file
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  answer(screen);
  answer(screen);
  answer(screen);
  EXPECT_TRUE(records().empty());
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].kind, QStringLiteral("warning"));
  EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(storage::resultsFilePath(state)));

  drill::FrmSyuuryou* done = completionScreen();
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(text(done, "Label18"), QStringLiteral("今の成績：24秒"));
  EXPECT_EQ(text(done, "Label20"), QStringLiteral("成績を記録できませんでした"));
  EXPECT_FALSE(fakes.sound.played.contains(soundPath("最高1")));
  EXPECT_FALSE(fakes.sound.played.contains(soundPath("じこベスト")));
  EXPECT_EQ(text(done, "Label13"), QStringLiteral(" (このレベル　0回目)"));
}

TEST_F(GameScreen, TheFourthSoundFailureInARowStopsTheDrillAndTheProgram) {
  fakes.sound.failWhen = [](const QString&) { return true; };
  MainFrm* screen = start(1);
  ASSERT_NE(screen, nullptr);
  for (int wrong = 1; wrong <= 3; ++wrong) {
    clickNumbered(screen, 2);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
  }
  clickNumbered(screen, 2);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].title, QStringLiteral("音声エラー"));
  EXPECT_EQ(navigator.endedWith, 1);
  EXPECT_FALSE(child<QTimer>(screen, QStringLiteral("sTimer1"))->isActive());
  EXPECT_FALSE(child<QTimer>(screen, QStringLiteral("Timer1"))->isActive());
  // Nothing more happens on this screen.
  const qsizetype played = fakes.sound.played.size();
  screen->clickSlot(slotNumbered(screen, 2));
  EXPECT_EQ(fakes.sound.played.size(), played);
}

// The message about failing sounds waits for the teacher, and window events go on behind
// it. The drill has ended with the failure: its clocks must not act behind the message.
TEST_F(GameScreen, NothingOfTheDrillActsBehindTheSoundFailureMessage) {
  class WaitingForTheTeacher final : public platform::Dialogs {
   public:
    void information(QWidget*, const QString&, const QString&) override {}
    void warning(QWidget*, const QString&, const QString&) override {}
    void critical(QWidget*, const QString&, const QString&) override {
      ++messages;
      if (whileOpen) whileOpen();
    }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
    int messages = 0;
    std::function<void()> whileOpen;
  } dialogs;
  platform::Services services{fakes.clock,    fakes.random, fakes.locker, fakes.sound,
                              fakes.launcher, dialogs,      fakes.events, fakes.printer};
  FakeNavigator nav(state, services, waiting);
  fakes.sound.failWhen = [](const QString&) { return true; };
  state.levelIndex = 1;  // minimum 60 s: the limit is 300 s
  startDrill(state, nav, fakes.events);
  MainFrm* screen = nav.game;
  ASSERT_NE(screen, nullptr);
  const QPointer<MainFrm> game(screen);
  auto* clock = child<QTimer>(screen, QStringLiteral("sTimer1"));
  auto* numbers = child<QTimer>(screen, QStringLiteral("Timer1"));
  bool clockRan = true;
  dialogs.whileOpen = [&] {
    // The teacher comes after five minutes; every timer still running would fire.
    clockRan = clock->isActive() || numbers->isActive();
    fakes.clock.advanceMs(300'000);
    for (QTimer* timer : {clock, numbers}) {
      if (game != nullptr && timer->isActive()) fire(timer);
    }
  };
  for (int wrong = 1; wrong <= 4; ++wrong) {
    clickNumbered(screen, 2);
  }
  EXPECT_EQ(dialogs.messages, 1);
  EXPECT_EQ(nav.endedWith, 1);
  EXPECT_FALSE(clockRan);
  EXPECT_EQ(state.timedOut, 0);
  EXPECT_EQ(state.endingStarted, 0);
  EXPECT_TRUE(records().empty());
  EXPECT_EQ(completionScreen(), nullptr);
}

TEST_F(GameScreen, ClosingTheWindowGivesUpTheDrill) {
  MainFrm* screen = start(2);
  ASSERT_NE(screen, nullptr);
  EXPECT_TRUE(closeByWindowButton(screen));
  EXPECT_EQ(navigator.hubShows, 1);
  EXPECT_FALSE(child<QTimer>(screen, QStringLiteral("sTimer1"))->isActive());
  EXPECT_FALSE(child<QTimer>(screen, QStringLiteral("Timer1"))->isActive());
  screen->clickSlot(slotNumbered(screen, 2));
  EXPECT_TRUE(fakes.sound.played.isEmpty());
  EXPECT_TRUE(records().empty());
  EXPECT_EQ(completionScreen(), nullptr);
}

TEST_F(GameScreen, TheWindowStaysWhileTheDrillIsBeingRecorded) {
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  bool refused = false;
  fakes.events.onWait = [&] {
    if (navigator.game != nullptr && navigator.game->isVisible() && !refused) {
      refused = !closeByWindowButton(navigator.game);
    }
  };
  answer(screen);
  answer(screen);
  answer(screen);
  EXPECT_TRUE(refused);
  EXPECT_EQ(navigator.hubShows, 0);
  EXPECT_EQ(records().size(), 1U);
  EXPECT_NE(completionScreen(), nullptr);
}

// The student presses the window's close button while the last answer's sound plays: the
// request arrives when the drill end first lets events run, before the cover is up. The
// drill is complete by then and is kept as usual.
TEST_F(GameScreen, AClosingRequestDuringTheLastAnswerKeepsTheDrill) {
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  answer(screen);
  answer(screen);
  bool refused = false;
  QTimer::singleShot(0, screen, [&] { refused = !closeByWindowButton(screen); });
  answer(screen);
  EXPECT_TRUE(refused);
  EXPECT_EQ(navigator.hubShows, 0);
  const auto saved = records();
  ASSERT_EQ(saved.size(), 1U);
  EXPECT_EQ(saved[0].drillTime, 24);
  EXPECT_NE(completionScreen(), nullptr);
}

TEST_F(GameScreen, MissingPicturesLeaveEmptySlotFramesAndTheDrillPlaysOn) {
  for (int n = 1; n <= drill::kPictureCount; ++n) {
    ASSERT_TRUE(QFile::remove(state.programFolder + QStringLiteral("a%1.gif").arg(n)));
  }
  MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  ASSERT_TRUE(screen->isVisible());
  EXPECT_EQ(visibleSlots(screen), 8);
  EXPECT_EQ(visibleNumbers(screen), 8);
  QLabel* first = slot(screen, slotNumbered(screen, 1));
  EXPECT_TRUE(first->pixmap().isNull());
  // The empty slot is a visible frame: its edge is drawn, its middle is the play area.
  const QImage image = first->grab().toImage();
  const QColor playArea = child(screen, QStringLiteral("Picture2"))->palette().window().color();
  EXPECT_NE(image.pixelColor(1, image.height() / 2), playArea);
  EXPECT_NE(image.pixelColor(image.width() / 2, 1), playArea);
  EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), playArea);

  // Numbers, clicks and judgement work as usual; the drill is recorded.
  fire(child<QTimer>(screen, QStringLiteral("Timer1")));
  EXPECT_EQ(visibleNumbers(screen), 0);
  clickNumbered(screen, 2);  // wrong: the same empty frames with their numbers again
  EXPECT_EQ(visibleNumbers(screen), 8);
  answer(screen, 1250);
  answer(screen, 1250);
  answer(screen, 1250);
  EXPECT_EQ(state.drillFinished, 1);
  const auto saved = records();
  ASSERT_EQ(saved.size(), 1U);
  EXPECT_EQ(saved[0].drillTime, 40);  // 30 s of clicks and 10 s for the wrong answer
  ASSERT_NE(completionScreen(), nullptr);
  EXPECT_EQ(text(completionScreen(), "Label18"), QStringLiteral("今の成績：40秒"));
  EXPECT_EQ(navigator.hubShows, 0);
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

}  // namespace
}  // namespace tavelo::testing
