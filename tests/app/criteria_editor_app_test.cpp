#include "app/application.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "fakes.h"
#include "hub/seisekitime1.h"
#include "maintenance/frm_time_data.h"
#include "storage/configuration.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "windows.h"

namespace tavelo {
namespace {

using testing::visibleWindow;

TEST(CriteriaEditorInTheApplication, ThePasswordLeadsToTheEditorAndBackToAFreshHub) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  testing::FakeServices fakes;
  ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, fakes.clock.now().date()));
  const QString programFolder = demo::demoLayout(dir.path()).programFolder;
  Application app(fakes.services, programFolder);
  SharedState& state = app.state();
  ASSERT_FALSE(storage::loadConfiguration(state, programFolder));
  buildLevelCatalogue(state);
  state.studentIndex = 41;
  state.studentName = QStringLiteral("先生");
  app.showLevelHub();
  const QPointer<seisekitime1> hub = visibleWindow<seisekitime1>();
  ASSERT_NE(hub, nullptr);

  QTest::mouseClick(hub->findChild<QPushButton*>(QStringLiteral("Command8")), Qt::LeftButton);
  QTest::keyClicks(hub->findChild<QLineEdit*>(QStringLiteral("Text3")), QStringLiteral("1234"));
  QTest::mouseClick(hub->findChild<QPushButton*>(QStringLiteral("Command10_1")), Qt::LeftButton);
  const QPointer<FrmTimeData> editor = visibleWindow<FrmTimeData>();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(hub == nullptr || hub->unloaded());
  EXPECT_EQ(app.levelHub(), nullptr);

  QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
  EXPECT_TRUE(editor == nullptr || !editor->isVisible());
  auto* fresh = visibleWindow<seisekitime1>();
  ASSERT_NE(fresh, nullptr);
  EXPECT_NE(fresh, hub.data());
  EXPECT_EQ(app.levelHub(), fresh);
  EXPECT_EQ(fresh->keysEnabled(), 1);  // activated
  EXPECT_TRUE(fresh->findChild<QWidget*>(QStringLiteral("Picture7"))->isHidden());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

}  // namespace
}  // namespace tavelo
