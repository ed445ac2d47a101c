// Saves pictures of the game and completion screens for the documentation when
// TAVELO_SCREENSHOT_DIR names a folder; skipped otherwise.
#include "drill_fixture.h"

#include <QDir>

namespace tavelo::testing {
namespace {

class Screenshots : public DrillFixture {
 protected:
  void SetUp() override {
    folder = qEnvironmentVariable("TAVELO_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
      GTEST_SKIP() << "TAVELO_SCREENSHOT_DIR is not set";
    }
    DrillFixture::SetUp();
    state.studentName = QStringLiteral("上野　そうた");
    for (int i = 0; i < 3; ++i) addRecord(1, 30 + i);
    refreshStatistics();
  }
  void save(QWidget* window, const char* name) {
    QApplication::processEvents();
    ASSERT_TRUE(window->grab().save(QDir(folder).filePath(QString::fromLatin1(name))));
  }
  QString folder;
};

TEST_F(Screenshots, GameScreen) {
  // Level 3 in the middle of the drill: two questions answered in 22 s, the third showing
  // its five numbers.
  drill::MainFrm* screen = start(3);
  ASSERT_NE(screen, nullptr);
  answer(screen, 2000);
  answer(screen, 2200);
  fakes.clock.advanceMs(1000);
  screen->clockTick();
  save(screen, "screenshot-game.png");
}

TEST_F(Screenshots, CompletionScreen) {
  // A personal record on level 5: faster than the student's earlier drills, slower than the
  // level's best, so the screen congratulates the student's own record.
  for (int i = 0; i < 4; ++i) addRecord(5, 40);
  addRecord(5, 15, 0, 11);
  refreshStatistics();
  drill::MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  answer(screen, 1000);
  answer(screen, 1000);
  answer(screen, 1000);
  drill::FrmSyuuryou* done = completionScreen();
  ASSERT_NE(done, nullptr);
  ASSERT_EQ(text(done, "Label20"), QStringLiteral("新記録おめでとう"));
  done->offerButtons();
  save(done, "screenshot-completion.png");
}

}  // namespace
}  // namespace tavelo::testing
