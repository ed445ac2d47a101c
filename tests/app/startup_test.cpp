#include "app/application.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "fakes.h"
#include "storage/file_names.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace tavelo {
namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, QDate(2026, 3, 15)).has_value());
    fakes.clock.set(QDateTime(QDate(2026, 3, 15), QTime(9, 30, 5)));
  }
  QTemporaryDir dir;
  testing::FakeServices fakes;
};

TEST_F(Startup, ReachesTheHandOverOnTheDemoInstallation) {
  Application app(fakes.services, demo::demoLayout(dir.path()).programFolder);
  app.start();
  auto* splash = qobject_cast<QWidget*>(QApplication::activeWindow());
  (void)splash;
  EXPECT_EQ(fakes.random.seeds, std::vector<std::uint32_t>{9 * 3600 + 30 * 60 + 5});
  EXPECT_EQ(app.state().seasonColour, QColor(192, 255, 192));
  EXPECT_FALSE(app.handedOver());
  ASSERT_TRUE(QTest::qWaitFor([&] { return app.nameSelection() != nullptr; }, 2000));
  EXPECT_TRUE(app.handedOver());
  EXPECT_EQ(app.failureStatus(), 0);
  EXPECT_TRUE(app.nameSelection()->isVisible());
  EXPECT_EQ(app.state().siteName, QStringLiteral("みどり教室"));
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

// Closes the start-up screen as its window's close button would, just as the hand-over
// begins: the close arrives while name selection lets events run.
class CloseAtHandOver final : public QObject {
 public:
  explicit CloseAtHandOver(QWidget* screen) : screen_(screen) {}
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Timer && screen_ != nullptr) {
      QCoreApplication::postEvent(screen_->windowHandle(), new QCloseEvent());
      screen_ = nullptr;
    }
    return false;
  }

 private:
  QWidget* screen_;
};

TEST_F(Startup, TheStartUpScreenClosedDuringTheHandOver) {
  Application app(fakes.services, demo::demoLayout(dir.path()).programFolder);
  app.start();
  QWidget* splash = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QStringLiteral("Firstfrm")) splash = window;
  }
  ASSERT_NE(splash, nullptr);
  auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_NE(timer, nullptr);
  CloseAtHandOver closer(splash);
  timer->installEventFilter(&closer);
  ASSERT_TRUE(QTest::qWaitFor([&] { return app.nameSelection() != nullptr; }, 2000));
  QTest::qWait(10);
  EXPECT_TRUE(app.nameSelection()->isVisible());
  EXPECT_EQ(app.failureStatus(), 0);
}

TEST_F(Startup, AMissingFileStopsWithAMessageAndAFailureStatus) {
  const QString configFile =
      demo::demoLayout(dir.path()).dataRoot + storage::sharedConfigFileName();
  QFile::remove(configFile);
  Application app(fakes.services, demo::demoLayout(dir.path()).programFolder);
  app.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return app.handedOver(); }, 2000));
  EXPECT_EQ(app.failureStatus(), 1);
  EXPECT_EQ(app.nameSelection(), nullptr);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(configFile));
}

}  // namespace
}  // namespace tavelo
