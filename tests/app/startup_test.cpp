#include "app/application.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "fakes.h"
#include "storage/file_names.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
