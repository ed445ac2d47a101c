#include "app/worksheet_program.h"
#include "app/application.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "fakes.h"
#include "hub/seisekitime1.h"
#include "storage/configuration.h"
#include "storage/file_names.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "windows.h"

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;

class Worksheets : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, QDate(2026, 12, 10)));
    layout = demo::demoLayout(dir.path());
  }
  QTemporaryDir dir;
  demo::DemoLayout layout;
  testing::FakeServices fakes;
};

TEST_F(Worksheets, TheProgramOpensThePrintSettingsOnItsInstallation) {
  // The program needs neither the criteria nor the sound table of the drill program.
  ASSERT_TRUE(QFile::remove(layout.programDataFolder + storage::criteriaFileName()));
  WorksheetProgram program(fakes.services, layout.programFolder);
  program.start();
  EXPECT_EQ(fakes.random.seeds.size(), 1U);
  ASSERT_TRUE(QTest::qWaitFor([&] { return program.printSettings() != nullptr; }, 2000));
  EXPECT_TRUE(program.printSettings()->isVisible());
  EXPECT_EQ(program.failureStatus(), 0);
  EXPECT_EQ(program.state().siteName, u"みどり教室"_s);
  EXPECT_EQ(program.state().printTable(1, 1), u"①"_s);
  EXPECT_FALSE(program.state().printTable(1, 2).isEmpty());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(Worksheets, AFaultInTheInstallationGetsTheProgramsMessage) {
  QFile pathFile(layout.root + u'/' + storage::pathFileName());
  ASSERT_TRUE(pathFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
  pathFile.write("only\r\n");
  pathFile.close();
  SharedState expected;
  const Status failure = storage::loadConfiguration(expected, layout.programFolder);
  ASSERT_TRUE(failure.has_value());

  WorksheetProgram program(fakes.services, layout.programFolder);
  program.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !fakes.dialogs.messages.empty(); }, 2000));
  EXPECT_EQ(program.failureStatus(), 1);
  EXPECT_EQ(program.printSettings(), nullptr);
  EXPECT_EQ(fakes.dialogs.messages[0].title, u"Tavelo 起動エラー"_s);
  EXPECT_EQ(fakes.dialogs.messages[0].text, failure->message);
}

TEST_F(Worksheets, TheHubOffersPrintingToTeachersOnlyWhileTheSwitchIsOne) {
  Application app(fakes.services, layout.programFolder);
  SharedState& state = app.state();
  ASSERT_FALSE(storage::loadConfiguration(state, layout.programFolder));
  EXPECT_EQ(state.hubPrintSwitch, 0);
  buildLevelCatalogue(state);
  struct Case {
    QString name;
    int printSwitch;
    bool shown;
  };
  for (const Case& c :
       {Case{u"先生"_s, 0, false}, Case{u"木村　みお"_s, 1, false}, Case{u"先生"_s, 1, true}}) {
    state.studentIndex = 7;
    state.studentName = c.name;
    state.hubPrintSwitch = static_cast<qint16>(c.printSwitch);
    app.showLevelHub();
    auto* hub = testing::visibleWindow<seisekitime1>();
    ASSERT_NE(hub, nullptr);
    auto* command27 = hub->findChild<QPushButton*>(u"Command27"_s);
    ASSERT_NE(command27, nullptr);
    EXPECT_EQ(command27->isVisible(), c.shown) << c.name.toStdString() << c.printSwitch;
  }
  QTest::mouseClick(testing::visibleWindow<seisekitime1>()->findChild<QPushButton*>(u"Command27"_s),
                    Qt::LeftButton);
  ASSERT_NE(app.printSettings(), nullptr);
  EXPECT_TRUE(app.printSettings()->isVisible());
  EXPECT_EQ(state.printColumnCount, 4);
  // The settings take the hub's place, and "もどる" brings a fresh hub back.
  EXPECT_EQ(app.levelHub(), nullptr);
  QTest::mouseClick(app.printSettings()->findChild<QPushButton*>(u"Command2"_s), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(app.printSettings(), nullptr);
  ASSERT_NE(app.levelHub(), nullptr);
  EXPECT_TRUE(app.levelHub()->isVisible());
}

}  // namespace
}  // namespace tavelo
