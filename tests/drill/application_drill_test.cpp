#include "app/application.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "drill/completion_screen.h"
#include "drill/game_screen.h"
#include "fakes.h"
#include "hub/seisekitime1.h"
#include "storage/configuration.h"
#include "storage/results_file.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "windows.h"

namespace tavelo {
namespace {

using testing::visibleWindow;

TEST(DrillInTheApplication, AHubStartedDrillRunsToTheCompletionScreenAndBackToTheHub) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  testing::FakeServices fakes;
  ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, fakes.clock.now().date()));
  const QString programFolder = demo::demoLayout(dir.path()).programFolder;
  {
    Application app(fakes.services, programFolder);
    SharedState& state = app.state();
    ASSERT_FALSE(storage::loadConfiguration(state, programFolder));
    buildLevelCatalogue(state);
    state.studentIndex = 7;
    state.studentName = QStringLiteral("木村　みお");
    app.showLevelHub();
    auto* hub = visibleWindow<seisekitime1>();
    ASSERT_NE(hub, nullptr);

    hub->Command4_Click(1);
    const QPointer<drill::MainFrm> game = visibleWindow<drill::MainFrm>();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(state.levelIndex, 1);
    EXPECT_FALSE(hub->isVisible());
    for (int question = 0; question < 10; ++question) {
      ASSERT_NE(game, nullptr);
      // The screen closes itself after the last answer; read the question first.
      const drill::SlotOrder order = game->slotOrder();
      const int pictures = game->picturesPerQuestion();
      for (int k = 1; k <= pictures; ++k) {
        fakes.clock.advanceMs(1000);
        QTest::mouseClick(game->findChild<QLabel*>(
                              QStringLiteral("Image1_%1").arg(order[static_cast<std::size_t>(k)])),
                          Qt::LeftButton);
      }
    }
    auto* done = visibleWindow<drill::FrmSyuuryou>();
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->findChild<QLabel*>(QStringLiteral("Label18"))->text(),
              QStringLiteral("今の成績：30秒"));
    EXPECT_EQ(visibleWindow<drill::MainFrm>(), nullptr);
    EXPECT_FALSE(hub->isVisible());

    done->offerButtons();
    QTest::mouseClick(done->findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
    EXPECT_EQ(visibleWindow<drill::FrmSyuuryou>(), nullptr);
    ASSERT_NE(visibleWindow<seisekitime1>(), nullptr);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
  }
  QFile results(demo::demoLayout(dir.path()).programDataFolder +
                QStringLiteral("成績累積データ.dat"));
  ASSERT_TRUE(results.open(QIODevice::ReadOnly));
  const QByteArray bytes = results.readAll();
  ASSERT_EQ(bytes.size(), storage::kRecordSize);
  const storage::ResultRecord record = storage::decodeRecord(bytes.constData());
  EXPECT_EQ(record.student, 7);
  EXPECT_EQ(record.level, 1);
  EXPECT_EQ(record.drillTime, 30);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    delete window;
  }
}

}  // namespace
}  // namespace tavelo
