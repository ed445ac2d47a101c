#include "hub/seisekitime1.h"
#include "demo_fixture.h"
#include "storage/file_names.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;

// The hub for student 1 ("青木　さくら", 小１), who confirmed the name at 9:30.
class LevelHub : public testing::DemoFixture {
 protected:
  void SetUp() override {
    DemoFixture::SetUp();
    buildLevelCatalogue(*state);
    state->studentIndex = 1;
    state->studentName = u"青木　さくら"_s.leftJustified(20, u' ');
    state->studentGrade = u"小１"_s;
    state->studentStartSeconds = 9 * 3600 + 30 * 60;
    state->gradeFilter = u"全学年"_s;
  }
  void TearDown() override { delete hub; }

 public:
  void open() {
    delete hub;
    hub = new seisekitime1(*state, fakes.services, navigator);
    hub->unloadNameSelection = [this] { ++nameSelectionUnloads; };
    hub->show();
    hub->activate();
  }
  template <typename T>
  T* find(const QString& name) const {
    auto* child = hub->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  QString text(const QString& label) const { return find<QLabel>(label)->text(); }
  QPushButton* start(int level) const { return find<QPushButton>(u"Command4_%1"_s.arg(level)); }
  std::vector<int> openLevels() const {
    std::vector<int> open;
    for (int i = 1; i <= state->levelCount; ++i) {
      if (start(i)->isEnabled()) open.push_back(i);
    }
    return open;
  }

  seisekitime1* hub = nullptr;
  int nameSelectionUnloads = 0;
};

TEST_F(LevelHub, FiveLevelsScrollAndTheRememberedPositionIsReset) {
  state->hubScrollPos = 3;
  open();
  EXPECT_DOUBLE_EQ(hub->columnWidth(), 3456);
  auto* scroll = find<QScrollBar>(u"HScroll1"_s);
  EXPECT_FALSE(scroll->isHidden());
  EXPECT_EQ(scroll->maximum(), 2);
  EXPECT_EQ(state->hubScrollPos, 1);
  auto* list1 = find<QListWidget>(u"List5_1"_s);
  auto* list2 = find<QListWidget>(u"List5_2"_s);
  EXPECT_EQ(list1->width(), 230);  // 3456 twips
  EXPECT_EQ(list1->x(), 20);       // 2 % of 15360 twips
  EXPECT_NEAR(list2->x() - list1->x(), 230, 1);
  EXPECT_EQ(start(3)->x(), 481);  // (307 + 2 x 3456) twips

  scroll->setValue(2);  // level 1 leaves the screen, level 2 takes its place
  EXPECT_EQ(state->hubScrollPos, 2);
  EXPECT_EQ(list2->x(), 20);
  EXPECT_GE(list1->x(), hub->width());
  EXPECT_EQ(find<QLabel>(u"Label3_2"_s)->x(), 67);  // after the number: 307 + 691.2 twips
}

TEST_F(LevelHub, FourLevelsShareTheWidthWithoutAScrollBar) {
  buildLevelCatalogue(*state);
  state->levelCount = 4;
  open();
  EXPECT_DOUBLE_EQ(hub->columnWidth(), 3648);
  EXPECT_TRUE(find<QScrollBar>(u"HScroll1"_s)->isHidden());
  EXPECT_EQ(find<QListWidget>(u"List5_4"_s)->width(), 243);
  EXPECT_EQ(hub->findChild<QListWidget*>(u"List5_5"_s), nullptr);
}

TEST_F(LevelHub, ColumnsAndSummaryLines) {
  // Today two drills on level 1 (target 25 s: 15 + 12 points), three days ago one on
  // level 2 (5 points), and someone else's drill that must not count.
  appendDrills({{0, 1, 1, 10}, {0, 1, 1, 12}, {3, 1, 2, 20}, {0, 2, 1, 5}});
  fakes.clock.set(QDateTime(QDate(2026, 12, 10), QTime(10, 0, 59)));
  open();
  EXPECT_EQ(text(u"Label3_1"_s), u"ﾚﾍﾞﾙ1"_s);
  EXPECT_EQ(find<QLabel>(u"Label3_1"_s)->toolTip(), u"ﾚﾍﾞﾙ1"_s);
  EXPECT_EQ(text(u"Label1_5"_s), u"5"_s);
  EXPECT_EQ(start(2)->text(), u"ｽﾀｰﾄ(&2)"_s);
  EXPECT_EQ(text(u"Label9_1"_s), u"今日"_s);
  EXPECT_EQ(text(u"Label10_1"_s), u"今まで"_s);
  EXPECT_EQ(text(u"Label14_1"_s), u"2回/27点"_s);
  EXPECT_EQ(text(u"Label15_1"_s), u"2回/27点"_s);
  EXPECT_EQ(text(u"Label14_2"_s), u"-----"_s);
  EXPECT_EQ(text(u"Label15_2"_s), u"1回/5点"_s);
  EXPECT_EQ(text(u"Label15_3"_s), u"------"_s);
  EXPECT_EQ(text(u"Label8_1"_s), u"最近14日=2回 / 27点"_s);
  EXPECT_EQ(text(u"Label8_2"_s), u"最近14日=1回 / 5点"_s);
  EXPECT_EQ(text(u"Label7_1"_s), u"目標=25秒 5回/40点(×1)"_s);
  EXPECT_EQ(text(u"Label7_5"_s), u"目標=50秒 5回/40点(×1.5)"_s);
  EXPECT_EQ(text(u"Label11"_s), u"Tavelo"_s);
  EXPECT_EQ(text(u"Label12"_s), u"小１ 青木　さくら"_s);
  EXPECT_EQ(text(u"Label13"_s), u"みどり教室:1"_s);
  EXPECT_EQ(text(u"Label17"_s), u"起動後30分"_s);
  EXPECT_EQ(text(u"Label18"_s), u"本日総回数＝2回"_s);
  EXPECT_EQ(text(u"Label5"_s), u"獲得ポイント（今まで順位）"_s);
  EXPECT_EQ(state->totalTries, 2);
  EXPECT_EQ(hub->keysEnabled(), 1);
  EXPECT_TRUE(find<QFrame>(u"Picture2"_s)->isHidden());
  EXPECT_TRUE(find<QFrame>(u"Picture6"_s)->isHidden());
  EXPECT_TRUE(find<QFrame>(u"Picture7"_s)->isHidden());
  EXPECT_TRUE(find<QPushButton>(u"Command8"_s)->isHidden());
  EXPECT_TRUE(find<QPushButton>(u"Command27"_s)->isHidden());
  EXPECT_EQ(openLevels(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(nameSelectionUnloads, 1);

  // The next activation counts a drill recorded in between.
  appendDrills({{0, 1, 2, 20}});
  hub->activate();
  EXPECT_EQ(text(u"Label14_2"_s), u"1回/5点"_s);
  EXPECT_EQ(text(u"Label8_2"_s), u"最近14日=2回 / 10点"_s);
  EXPECT_EQ(text(u"Label18"_s), u"本日総回数＝3回"_s);
}

TEST_F(LevelHub, KeyboardShortcuts) {
  struct Case {
    Qt::Key key;
    int level;  // 0: nothing starts
  };
  const Case cases[] = {{Qt::Key_1, 1}, {Qt::Key_5, 5}, {Qt::Key_6, 0},
                        {Qt::Key_A, 0}, {Qt::Key_9, 0}, {Qt::Key_Space, 0}};
  for (const Case& c : cases) {
    navigator.gameShown = 0;
    state->levelIndex = 0;
    open();
    QTest::keyClick(find<QListWidget>(u"List5_1"_s), c.key);
    EXPECT_EQ(navigator.gameShown, c.level != 0 ? 1 : 0) << c.key;
    EXPECT_EQ(state->levelIndex, c.level) << c.key;
    if (c.level != 0) {
      // The waiting cover stays up and the keys are off until the hub is active again.
      EXPECT_EQ(hub->keysEnabled(), 0);
      EXPECT_FALSE(find<QFrame>(u"Picture2"_s)->isHidden());
      QTest::keyClick(hub, Qt::Key_2);
      QTest::mouseClick(start(2), Qt::LeftButton);
      EXPECT_EQ(navigator.gameShown, 1);
    }
  }
  // Upper-case letters are not shortcuts, lower case only for levels that exist.
  state->levelCount = 12;
  for (int i = 6; i <= 12; ++i) state->criteriaClearPoints[i] = 9999;
  for (const auto& [key, level] : std::vector<std::pair<QChar, int>>{
           {u'a', 10}, {u'c', 12}, {u'd', 0}, {u'B', 0}, {u'0', 0}}) {
    navigator.gameShown = 0;
    state->levelIndex = 0;
    open();
    hub->Form_KeyPress(QString(key));
    EXPECT_EQ(state->levelIndex, level) << QString(key).toStdString();
  }
}

TEST_F(LevelHub, KeysAreOffUntilActivationHasFinished) {
  hub = new seisekitime1(*state, fakes.services, navigator);
  hub->show();
  QTest::keyClick(hub, Qt::Key_1);
  EXPECT_EQ(navigator.gameShown, 0);
}

TEST_F(LevelHub, StartButtonAndTitle) {
  open();
  QTest::mouseClick(start(3), Qt::LeftButton);
  EXPECT_EQ(navigator.gameShown, 1);
  EXPECT_EQ(state->levelIndex, 3);
  EXPECT_FALSE(hub->unloaded());

  open();
  QTest::mouseClick(find<QLabel>(u"Label3_4"_s), Qt::LeftButton);
  EXPECT_EQ(navigator.gameShown, 2);
  EXPECT_EQ(state->levelIndex, 4);
  EXPECT_TRUE(hub->unloaded());  // a title click unloads the hub
  EXPECT_TRUE(hub->isHidden());
}

TEST_F(LevelHub, NothingElseStartsWhileALevelIsStarting) {
  // A "0" and another start that arrive while the hub lets events run under its cover.
  const auto typeMeanwhile = [this] {
    QCoreApplication::postEvent(hub, new QKeyEvent(QEvent::KeyPress, Qt::Key_0, {}, u"0"_s));
    QCoreApplication::postEvent(start(2), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, {}));
    QCoreApplication::postEvent(start(2), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, {}));
  };
  open();
  typeMeanwhile();
  QTest::mouseClick(start(3), Qt::LeftButton);
  EXPECT_EQ(navigator.gameShown, 1);
  EXPECT_EQ(state->levelIndex, 3);
  EXPECT_EQ(navigator.nameSelectionShown, 0);

  navigator = {};
  open();
  typeMeanwhile();
  QTest::mouseClick(find<QLabel>(u"Label3_4"_s), Qt::LeftButton);
  EXPECT_EQ(navigator.gameShown, 1);
  EXPECT_EQ(state->levelIndex, 4);
  EXPECT_EQ(navigator.nameSelectionShown, 0);

  // Leaving: a second "0" does not show name selection twice.
  navigator = {};
  open();
  QCoreApplication::postEvent(hub, new QKeyEvent(QEvent::KeyPress, Qt::Key_0, {}, u"0"_s));
  QTest::keyClick(hub, Qt::Key_0);
  EXPECT_EQ(navigator.nameSelectionShown, 1);
}

TEST_F(LevelHub, OnlyALeftClickOnTheTitleStartsTheLevel) {
  open();
  auto* title = find<QLabel>(u"Label3_2"_s);
  QTest::mouseClick(title, Qt::RightButton);
  // Pressed on the title but let go outside it: no click.
  QTest::mousePress(title, Qt::LeftButton);
  QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(-20, -20));
  EXPECT_EQ(navigator.gameShown, 0);
  QTest::mouseClick(title, Qt::LeftButton);
  EXPECT_EQ(navigator.gameShown, 1);
  EXPECT_EQ(state->levelIndex, 2);
}

TEST_F(LevelHub, NumberPadDigitsAreShortcutsToo) {
  open();
  QTest::keyClick(find<QListWidget>(u"List5_1"_s), Qt::Key_2, Qt::KeypadModifier);
  EXPECT_EQ(navigator.gameShown, 1);
  EXPECT_EQ(state->levelIndex, 2);
}

TEST_F(LevelHub, BackToNameSelectionByButtonOrKey) {
  open();
  QTest::mouseClick(find<QPushButton>(u"Command1"_s), Qt::LeftButton);
  EXPECT_EQ(navigator.nameSelectionShown, 1);
  open();
  QTest::keyClick(hub, Qt::Key_0);
  EXPECT_EQ(navigator.nameSelectionShown, 2);
  EXPECT_EQ(navigator.gameShown, 0);
}

TEST_F(LevelHub, TeachersAndTheOpeningPrivilege) {
  state->hubLevelSwitch = 0;
  struct Case {
    const char* name;
    bool teacher;
    std::vector<int> open;
  };
  const Case cases[] = {{"青木　さくら", false, {1}},
                        {"★山田", true, {1}},
                        {"田中先生", true, {1}},
                        {"先生", true, {1, 2, 3, 4, 5}}};
  for (const Case& c : cases) {
    state->studentName = QString::fromUtf8(c.name).leftJustified(20, u' ');
    open();
    EXPECT_EQ(!find<QPushButton>(u"Command8"_s)->isHidden(), c.teacher) << c.name;
    EXPECT_EQ(!find<QPushButton>(u"Command24_1"_s)->isHidden(), c.teacher) << c.name;
    EXPECT_TRUE(find<QPushButton>(u"Command27"_s)->isHidden()) << c.name;
    EXPECT_EQ(openLevels(), c.open) << c.name;
  }
}

TEST_F(LevelHub, OverdoingClosesTheNextLevel) {
  // The demo criteria allow 15 drills a day on level 2.
  for (int i = 0; i < 15; ++i) appendDrills({{0, 1, 2, 30}});
  open();
  EXPECT_EQ(openLevels(), (std::vector<int>{1, 2, 4, 5}));
  auto* cover = find<QLineEdit>(u"Text1_3"_s);
  EXPECT_FALSE(cover->isHidden());
  EXPECT_EQ(cover->text(), u"やりすぎ禁止"_s);
  EXPECT_TRUE(find<QLineEdit>(u"Text1_4"_s)->isHidden());
  QTest::keyClick(hub, Qt::Key_3);
  hub->Command4_Click(3);
  EXPECT_EQ(navigator.gameShown, 0);
  EXPECT_EQ(state->goalPassed, 0);

  // Once the goal level is cleared the limit no longer applies.
  for (int i = 0; i < 5; ++i) appendDrills({{0, 1, 5, 5}});
  hub->activate();
  EXPECT_EQ(state->goalPassed, 1);
  EXPECT_EQ(openLevels(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(cover->isHidden());
}

TEST_F(LevelHub, TheDataPanelBlocksStarting) {
  state->studentName = u"★山田"_s;
  open();
  QTest::mouseClick(find<QPushButton>(u"Command8"_s), Qt::LeftButton);
  auto* panel = find<QFrame>(u"Picture7"_s);
  EXPECT_FALSE(panel->isHidden());
  QTest::keyClick(hub, Qt::Key_1);
  hub->Label3_Click(1);
  hub->Command4_Click(1);
  EXPECT_EQ(navigator.gameShown, 0);
  QTest::mouseClick(find<QPushButton>(u"Command12"_s), Qt::LeftButton);
  EXPECT_TRUE(panel->isHidden());
  QTest::keyClick(hub, Qt::Key_1);
  EXPECT_EQ(navigator.gameShown, 1);
}

TEST_F(LevelHub, APracticeLevelShowsOnlyItsTitleAndButton) {
  state->levelNames[3] = u"レベル３練習"_s;
  state->hubLevelSwitch = 0;
  open();
  for (const char* name :
       {"List5_3", "Label7_3", "Label8_3", "Label14_3", "Label15_3", "Label9_3", "Label10_3"}) {
    EXPECT_TRUE(hub->findChild<QWidget*>(QString::fromLatin1(name))->isHidden()) << name;
  }
  EXPECT_FALSE(find<QWidget>(u"Label3_3"_s)->isHidden());
  EXPECT_FALSE(find<QWidget>(u"List5_2"_s)->isHidden());
  EXPECT_EQ(state->criteriaTargetTime[3], 600);
  EXPECT_EQ(state->criteriaMinimumTime[3], 600);
  EXPECT_EQ(openLevels(), (std::vector<int>{1, 3}));
}

TEST_F(LevelHub, AnUnreadableResultsFileEndsTheProgram) {
  breakResultsFile();
  open();
  EXPECT_EQ(navigator.endStatus, 1);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].kind, u"critical"_s);
  EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(storage::resultsFileName()));
  EXPECT_EQ(hub->keysEnabled(), 0);
  hub->activate();  // nothing more happens once the program is ending
  EXPECT_EQ(fakes.dialogs.messages.size(), 1U);
}

TEST_F(LevelHub, ARecordOutOfRangeIsReportedOncePerStart) {
  appendDrills({{0, 1, 36, 10}});
  open();
  hub->activate();
  open();
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].kind, u"warning"_s);
  EXPECT_EQ(hub->keysEnabled(), 1);
}

}  // namespace
}  // namespace tavelo
