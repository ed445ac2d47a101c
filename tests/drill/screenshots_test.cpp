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
  drill::MainFrm* screen = start(2);
  ASSERT_NE(screen, nullptr);
  answer(screen, 3000);  // one question in 12 s; the next one shows its numbers
  for (int second = 13; second <= 18; ++second) {
    fakes.clock.advanceMs(1000);
    screen->clockTick();
  }
  save(screen, "screenshot-game.png");
}

TEST_F(Screenshots, CompletionScreen) {
  for (int i = 0; i < 4; ++i) addRecord(5, 40);
  refreshStatistics();
  drill::MainFrm* screen = start(5);
  ASSERT_NE(screen, nullptr);
  answer(screen, 1000);
  answer(screen, 1000);
  answer(screen, 1000);
  drill::FrmSyuuryou* done = completionScreen();
  ASSERT_NE(done, nullptr);
  done->offerButtons();
  save(done, "screenshot-completion.png");
}

}  // namespace
}  // namespace tavelo::testing
