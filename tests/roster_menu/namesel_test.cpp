#include "roster_menu/namesel.h"
#include "../hub/demo_fixture.h"
#include "roster_menu/roster_list.h"
#include "storage/file_names.h"
#include "storage/sjis.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;

class NameSelection : public testing::DemoFixture {
 protected:
  void TearDown() override { delete screen; }

 public:
  void load() {
    screen = new namesel(*state, fakes.services, navigator);
    screen->unloadLevelHub = [this] { ++hubUnloads; };
    screen->Form_Load();
  }
  template <typename T>
  T* find(const QString& name) const {
    auto* child = screen->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  QListWidget* list1() const { return find<QListWidget>(u"List1"_s); }
  QString label1() const { return find<QLabel>(u"Label1"_s)->text(); }
  // The line of List1 that belongs to a student (through the hidden List3).
  int rowOf(int student) const {
    auto* list3 = find<QListWidget>(u"List3"_s);
    for (int i = 0; i < list3->count(); ++i) {
      if (roster_menu::studentOfEntry(list3->item(i)->text()) == student) return i + 1;
    }
    return -1;
  }
  void clickRow(int row, bool twice = false) const {
    QListWidget* list = list1();
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
      // The second press of a double click arrives as the double-click event.
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
  }
  void chooseFilter(const QString& filter) const {
    auto* combo = find<QComboBox>(u"Combo1"_s);
    const int index = combo->findText(filter);
    ASSERT_GE(index, 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  namesel* screen = nullptr;
  int hubUnloads = 0;
};

TEST_F(NameSelection, LoadsInModeOneWithTheSeparatorChosen) {
  load();
  EXPECT_TRUE(screen->isVisible());
  EXPECT_EQ(screen->displayMode(), 1);
  EXPECT_TRUE(find<QRadioButton>(u"Option1_1"_s)->isChecked());
  QListWidget* list = list1();
  // 40 pupils, two kindergarten children and the teacher; the pupil who left is not listed.
  ASSERT_EQ(list->count(), 44);
  EXPECT_EQ(list->item(0)->text(), roster_menu::separatorLine());
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(label1(), u"名前を選びなさい"_s);
  EXPECT_EQ(rowOf(43), -1);
  // Youngest first: the kindergarten children, then the first grade.
  EXPECT_TRUE(list->item(1)->text().startsWith(u"幼2 原田　そら"_s));
  EXPECT_TRUE(list->item(2)->text().startsWith(u"幼3 野口　ひかり"_s));
  EXPECT_TRUE(list->item(3)->text().startsWith(u"小1 "_s));
  EXPECT_TRUE(list->item(43)->text().startsWith(u"大+ 先生"_s));

  auto* combo = find<QComboBox>(u"Combo1"_s);
  ASSERT_EQ(combo->count(), 12);
  EXPECT_EQ(combo->itemText(0), u"全学年"_s);
  EXPECT_EQ(combo->itemText(11), u"小１"_s);
  EXPECT_EQ(state->gradeFilter, u"全学年"_s);
  EXPECT_EQ(find<QLabel>(u"Label4"_s)->text(), u"Tavelo"_s);
  EXPECT_TRUE(find<QLabel>(u"Picture5"_s)->isHidden());
  EXPECT_EQ(find<QPushButton>(u"Command7"_s)->text(), u"ﾌﾟﾟﾛｸﾞﾗﾑメニューへ(0)"_s);
  EXPECT_EQ(fakes.random.seeds, std::vector<std::uint32_t>{10 * 3600});
  EXPECT_EQ(hubUnloads, 1);
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(NameSelection, ClickingANameAndConfirmingOpensTheHub) {
  fakes.clock.set(QDateTime(QDate(2026, 12, 10), QTime(9, 15, 30, 600)));
  load();
  clickRow(rowOf(1));
  EXPECT_EQ(label1(), u"小1 青木　さくら"_s);
  EXPECT_EQ(find<QLabel>(u"Label2"_s)->text(), u"1"_s);
  EXPECT_EQ(navigator.hubShown, 0);

  QTest::mouseClick(find<QPushButton>(u"Command14"_s), Qt::LeftButton);
  EXPECT_EQ(navigator.hubShown, 1);
  EXPECT_EQ(state->studentIndex, 1);
  EXPECT_EQ(state->studentName, u"青木　さくら"_s.leftJustified(20, u' '));
  EXPECT_EQ(state->studentGrade, u"小１"_s);
  EXPECT_EQ(state->studentStartSeconds, 9 * 3600 + 15 * 60 + 31);
  EXPECT_EQ(state->levelCount, 5);  // the catalogue was built
  EXPECT_TRUE(find<QPushButton>(u"Command14"_s)->isHidden());
  EXPECT_TRUE(fakes.sound.played.isEmpty());
}

TEST_F(NameSelection, EveryWayToConfirm) {
  const std::vector<std::pair<const char*, std::function<void(NameSelection&, int)>>> ways{
      {"double click", [](NameSelection& t, int row) { t.clickRow(row, true); }},
      {"Enter in the list",
       [](NameSelection& t, int row) {
         t.clickRow(row);
         QTest::keyClick(t.list1(), Qt::Key_Return);
       }},
      {"a blank in the list",
       [](NameSelection& t, int row) {
         t.clickRow(row);
         QTest::keyClick(t.list1(), Qt::Key_Space);
       }},
      {"the key 1 on the form",
       [](NameSelection& t, int row) {
         t.clickRow(row);
         QTest::keyClick(t.find<QComboBox>(u"Combo1"_s), Qt::Key_1);
       }},
  };
  for (const auto& [name, confirm] : ways) {
    navigator.hubShown = 0;
    state->studentIndex = 0;
    delete screen;
    load();
    confirm(*this, rowOf(6));
    EXPECT_EQ(navigator.hubShown, 1) << name;
    EXPECT_EQ(state->studentIndex, 6) << name;
    EXPECT_EQ(state->studentGrade, u"小２"_s) << name;
  }
}

TEST_F(NameSelection, KeysTypedWhileTheHubOpensAreIgnored) {
  load();
  clickRow(rowOf(1));
  // A second Enter and a "0" reach the screen while it lets events run under its cover.
  QCoreApplication::postEvent(list1(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, {}, u"\r"_s));
  QCoreApplication::postEvent(list1(), new QKeyEvent(QEvent::KeyPress, Qt::Key_0, {}, u"0"_s));
  QTest::keyClick(list1(), Qt::Key_Return);
  EXPECT_EQ(navigator.hubShown, 1);
  EXPECT_EQ(state->studentIndex, 1);
  EXPECT_TRUE(fakes.launcher.program.isEmpty());
  EXPECT_EQ(navigator.endStatus, -1);
}

TEST_F(NameSelection, ConstructingReadsNothingAndLoadingReadsOnce) {
  breakResultsFile();
  screen = new namesel(*state, fakes.services, navigator);
  EXPECT_TRUE(fakes.dialogs.messages.empty());
  EXPECT_EQ(find<QListWidget>(u"List1"_s)->count(), 0);
  screen->Form_Load();
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(navigator.endStatus, 1);
}

TEST_F(NameSelection, ConfirmingWithoutANamePlaysTheWrongSound) {
  load();
  QTest::mouseClick(find<QPushButton>(u"Command14"_s), Qt::LeftButton);
  clickRow(rowOf(1));
  clickRow(0);  // the separator forgets the name
  EXPECT_EQ(label1(), u"名前を選びなさい"_s);
  QTest::keyClick(screen, Qt::Key_1);
  EXPECT_EQ(navigator.hubShown, 0);
  ASSERT_EQ(fakes.sound.played.size(), 2);
  EXPECT_TRUE(fakes.sound.played[0].endsWith(u"ブブー.wav"_s));
  EXPECT_FALSE(find<QPushButton>(u"Command14"_s)->isHidden());
}

TEST_F(NameSelection, GradeFilterAndDisplayModes) {
  appendDrills({{0, 1, 1, 10}, {0, 1, 1, 12}, {2, 1, 2, 20}});
  load();
  chooseFilter(u"小１"_s);
  EXPECT_EQ(state->gradeFilter, u"小１"_s);
  QListWidget* list = list1();
  ASSERT_EQ(list->count(), 6);
  for (int i = 1; i < list->count(); ++i) {
    EXPECT_TRUE(list->item(i)->text().startsWith(u"小1 "_s)) << i;
  }
  EXPECT_EQ(list->currentRow(), 0);
  // Level 1 has target 25 s: 10 s earns 15 points and 12 s earns 12; level 2's 20 s, 5.
  EXPECT_EQ(list->item(rowOf(1))->text(), u"小1 青木　さくら  27/     32"_s);

  QTest::mouseClick(find<QRadioButton>(u"Option1_0"_s), Qt::LeftButton);
  EXPECT_EQ(screen->displayMode(), 0);
  EXPECT_EQ(list->item(rowOf(1))->text(), u"小1 青木　さくら  2回/    3回"_s);
  EXPECT_EQ(list->count(), 6);  // the filter stays
  QTest::mouseClick(find<QRadioButton>(u"Option1_2"_s), Qt::LeftButton);
  EXPECT_EQ(list->item(rowOf(1))->text(), u"小1 青木　さくら  27/  2回"_s);
  QTest::mouseClick(find<QRadioButton>(u"Option1_3"_s), Qt::LeftButton);
  EXPECT_EQ(list->item(rowOf(1))->text(), u"小1 青木　さくら     32/    3回"_s);

  chooseFilter(u"小学生全体"_s);
  EXPECT_EQ(list->count(), 31);
  chooseFilter(u"中学生全体"_s);
  EXPECT_EQ(list->count(), 11);
}

TEST_F(NameSelection, ProgramMenuStartsWithTheArgument001AndEnds) {
  load();
  QTest::mouseClick(find<QPushButton>(u"Command7"_s), Qt::LeftButton);
  EXPECT_EQ(fakes.launcher.program, layout.root + u"/起動/プログラムメニューc.exe"_s);
  EXPECT_EQ(fakes.launcher.arguments, QStringList{u"001"_s});
  EXPECT_EQ(navigator.endStatus, 0);
}

TEST_F(NameSelection, AProgramMenuThatCannotStartIsReportedAndTheScreenStays) {
  fakes.launcher.fail = true;
  load();
  QTest::keyClick(list1(), Qt::Key_0);
  EXPECT_EQ(navigator.endStatus, -1);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_TRUE(
      fakes.dialogs.messages[0].text.contains(layout.root + u"/起動/プログラムメニューc.exe"_s));
  EXPECT_TRUE(screen->isVisible());
  EXPECT_FALSE(find<QPushButton>(u"Command7"_s)->isHidden());
}

TEST_F(NameSelection, TheVersionScreenOpensAndActivationStartsAfresh) {
  load();
  chooseFilter(u"小３"_s);
  QTest::mouseClick(find<QRadioButton>(u"Option1_0"_s), Qt::LeftButton);
  QString versionTitle;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    versionTitle = modal->windowTitle();
    modal->close();
  });
  QTest::mouseClick(find<QLabel>(u"Label4"_s), Qt::LeftButton);
  EXPECT_EQ(versionTitle, u"ﾊﾞｰｼﾞｮﾝ情報"_s);
  EXPECT_EQ(screen->displayMode(), 1);
  EXPECT_TRUE(find<QRadioButton>(u"Option1_1"_s)->isChecked());
  EXPECT_EQ(state->gradeFilter, u"全学年"_s);
  EXPECT_EQ(find<QComboBox>(u"Combo1"_s)->count(), 12);
  EXPECT_EQ(label1(), u"名前を選びなさい"_s);
  EXPECT_EQ(hubUnloads, 2);
}

TEST_F(NameSelection, ABadRosterLineIsShownAndEndsTheProgram) {
  QFile roster(state->dataRoot + storage::rosterFileName());
  ASSERT_TRUE(roster.open(QIODevice::Append));
  roster.write(storage::encodeSjis(u"abc,2000,0,0,名前,0,,\r\n"_s));
  roster.close();
  load();
  EXPECT_EQ(navigator.endStatus, 1);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].kind, u"critical"_s);
  EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(storage::rosterFileName()));
  EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(u"45"_s));  // the line
}

TEST_F(NameSelection, AnUnreadableResultsFileEndsTheProgram) {
  breakResultsFile();
  load();
  EXPECT_EQ(navigator.endStatus, 1);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].kind, u"critical"_s);
  EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(storage::resultsFileName()));
}

TEST_F(NameSelection, ARecordOutOfRangeIsReportedOnce) {
  appendDrills({{0, 1, 40, 10}});  // level 40 does not exist
  load();
  chooseFilter(u"小１"_s);
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].kind, u"warning"_s);
  EXPECT_EQ(navigator.endStatus, -1);
  EXPECT_EQ(list1()->count(), 6);
}

}  // namespace
}  // namespace tavelo
