// The whole program on a demo installation, offscreen: start-up, name selection, the level
// hub, one drill played by clicking, the completion screen, back to the hub, back to name
// selection and out to the program menu.
#include "app/application.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "drill/completion_screen.h"
#include "drill/game_screen.h"
#include "fakes.h"
#include "hub/seisekitime1.h"
#include "roster_menu/namesel.h"
#include "roster_menu/roster_list.h"
#include "storage/file_names.h"
#include "storage/results_file.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "windows.h"

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;

using testing::visibleWindow;

template <typename T>
T* child(QWidget* window, const QString& name) {
  auto* found = window != nullptr ? window->findChild<T*>(name) : nullptr;
  EXPECT_NE(found, nullptr) << name.toStdString();
  return found;
}

TEST(EndToEnd, AStudentPlaysALevelAndLeavesThroughTheProgramMenu) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  testing::FakeServices fakes;
  fakes.clock.set(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
  ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, fakes.clock.now().date(),
                                            QStringLiteral(TAVELO_PROGRAM_MENU)));
  const demo::DemoLayout layout = demo::demoLayout(dir.path());
  {
    Application app(fakes.services, layout.programFolder);
    app.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.nameSelection() != nullptr; }, 5000));

    // Name selection: pick the first pupil of the roster and confirm.
    auto* names = qobject_cast<namesel*>(app.nameSelection());
    ASSERT_NE(names, nullptr);
    EXPECT_TRUE(names->isVisible());
    auto* list = child<QListWidget>(names, u"List1"_s);
    auto* entries = child<QListWidget>(names, u"List3"_s);
    int row = -1;
    for (int i = 0; i < entries->count(); ++i) {
      if (roster_menu::studentOfEntry(entries->item(i)->text()) == 1) row = i + 1;
    }
    ASSERT_GT(row, 0);
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    QTest::mouseClick(child<QPushButton>(names, u"Command14"_s), Qt::LeftButton);

    // The hub: name selection is gone, nothing done yet on level 1.
    auto* hub = qobject_cast<seisekitime1*>(app.levelHub());
    ASSERT_NE(hub, nullptr);
    EXPECT_TRUE(hub->isVisible());
    EXPECT_EQ(app.nameSelection(), nullptr);
    EXPECT_EQ(app.state().studentIndex, 1);
    EXPECT_EQ(child<QLabel>(hub, u"Label12"_s)->text(), u"小１ 青木　さくら"_s);
    EXPECT_EQ(child<QLabel>(hub, u"Label15_1"_s)->text(), u"------"_s);
    EXPECT_EQ(child<QLabel>(hub, u"Label18"_s)->text(), u"本日総回数＝0回"_s);

    // Level 1 by key: ten questions of three pictures, one click a second.
    QTest::keyClick(hub, Qt::Key_1);
    QPointer<drill::MainFrm> game = visibleWindow<drill::MainFrm>();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(app.state().levelIndex, 1);
    int clicks = 0;
    for (int question = 0; question < 10 && game != nullptr; ++question) {
      // The order is read before the clicks: the last click ends the drill and the game
      // screen with it.
      std::vector<QLabel*> targets;
      for (int k = 1; k <= game->picturesPerQuestion(); ++k) {
        targets.push_back(child<QLabel>(
            game, u"Image1_%1"_s.arg(game->slotOrder()[static_cast<std::size_t>(k)])));
      }
      for (QLabel* target : targets) {
        fakes.clock.advanceMs(1000);
        QTest::mouseClick(target, Qt::LeftButton);
        ++clicks;
      }
    }
    EXPECT_EQ(clicks, 30);

    // The completion screen, then "メニューへ" once it is offered.
    auto* done = visibleWindow<drill::FrmSyuuryou>();
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(child<QLabel>(done, u"Label18"_s)->text(), u"今の成績：30秒"_s);
    auto* menu = child<QPushButton>(done, u"Command4"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible() && menu->isEnabled(); }, 5000));
    QTest::mouseClick(menu, Qt::LeftButton);

    // Back on the hub, which counts the drill: 30 s on a 25 s target earns 4 points.
    hub = qobject_cast<seisekitime1*>(app.levelHub());
    ASSERT_NE(hub, nullptr);
    EXPECT_TRUE(hub->isVisible());
    EXPECT_EQ(child<QLabel>(hub, u"Label14_1"_s)->text(), u"1回/4点"_s);
    EXPECT_EQ(child<QLabel>(hub, u"Label15_1"_s)->text(), u"1回/4点"_s);
    EXPECT_EQ(child<QLabel>(hub, u"Label8_1"_s)->text(), u"最近14日=1回 / 4点"_s);
    EXPECT_EQ(child<QLabel>(hub, u"Label18"_s)->text(), u"本日総回数＝1回"_s);
    EXPECT_EQ(hub->keysEnabled(), 1);

    QFile results(layout.programDataFolder + storage::resultsFileName());
    ASSERT_TRUE(results.open(QIODevice::ReadOnly));
    const QByteArray bytes = results.readAll();
    ASSERT_EQ(bytes.size(), storage::kRecordSize);
    const storage::ResultRecord record = storage::decodeRecord(bytes.constData());
    EXPECT_EQ(record.student, 1);
    EXPECT_EQ(record.level, 1);
    EXPECT_EQ(record.drillTime, 30);
    EXPECT_EQ(QByteArray(record.siteCode.data(), 5), "12345");

    // "戻る(0)": a fresh name selection, and the hub is unloaded.
    QTest::mouseClick(child<QPushButton>(hub, u"Command1"_s), Qt::LeftButton);
    names = qobject_cast<namesel*>(app.nameSelection());
    ASSERT_NE(names, nullptr);
    EXPECT_TRUE(names->isVisible());
    EXPECT_EQ(app.levelHub(), nullptr);
    EXPECT_EQ(names->displayMode(), 1);
    // The list now shows the drill: today's points / points so far.
    EXPECT_EQ(child<QListWidget>(names, u"List1"_s)->item(row)->text(),
              u"小1 青木　さくら   4/      4"_s);

    // The program menu, in the folder "起動" beside the program folder, with "001".
    QTest::mouseClick(child<QPushButton>(names, u"Command7"_s), Qt::LeftButton);
    EXPECT_EQ(fakes.launcher.program, layout.programMenu);
    EXPECT_EQ(fakes.launcher.arguments, QStringList{u"001"_s});
    EXPECT_TRUE(QFileInfo(layout.programMenu).isExecutable());
    EXPECT_EQ(app.exitStatus(), 0);
    EXPECT_EQ(visibleWindow<namesel>(), nullptr);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    delete window;
  }
}

}  // namespace
}  // namespace tavelo
