#include "hub/data_panel.h"
#include "core/screen_style.h"
#include "demo_fixture.h"
#include "hub/seisekitime1.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;

// Counts the editors that the panel opens, besides the other screens.
class EditorNavigator final : public Navigator {
 public:
  void showNameSelection() override { ++nameSelectionShown; }
  void showLevelHub() override {}
  void showGameScreen() override { ++gameShown; }
  void showCriteriaEditor() override { ++criteriaEditorShown; }
  void showRecordsEditor() override { ++recordsEditorShown; }
  void endProgram(int) override {}
  int nameSelectionShown = 0;
  int gameShown = 0;
  int criteriaEditorShown = 0;
  int recordsEditorShown = 0;
};

class DataPanel : public testing::DemoFixture {
 protected:
  void SetUp() override {
    DemoFixture::SetUp();
    buildLevelCatalogue(*state);
    state->studentIndex = 41;
    state->studentName = u"先生"_s.leftJustified(20, u' ');
    state->gradeFilter = u"全学年"_s;
  }
  void TearDown() override { delete hub; }

  void open() {
    delete hub;
    hub = new seisekitime1(*state, fakes.services, editors);
    hub->show();
    hub->activate();
  }
  template <typename T>
  T* find(const QString& name) const {
    auto* child = hub->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  QFrame* panel() const { return find<QFrame>(u"Picture7"_s); }
  QLineEdit* password() const { return find<QLineEdit>(u"Text3"_s); }
  void openPanel() const { QTest::mouseClick(find<QPushButton>(u"Command8"_s), Qt::LeftButton); }

  EditorNavigator editors;
  seisekitime1* hub = nullptr;
};

TEST_F(DataPanel, ThePasswordOpensTheChosenEditorAndUnloadsTheHub) {
  struct Case {
    QString stored;
    QString typed;
    int button;  // Command10(k)
    bool opens;
  };
  const Case cases[] = {
      {u"1234"_s, u"1234"_s, 1, true},   {u"1234"_s, u"1234"_s, 0, true},
      {u""_s, u""_s, 1, true},           {u"1234"_s, u""_s, 1, false},
      {u"Abc"_s, u"abc"_s, 0, false},    {u"1234"_s, u"12345"_s, 1, false},
      {u"1234"_s, u" 1234"_s, 1, false}, {u"ﾊﾟｽ"_s, u"ﾊﾟｽ"_s, 1, true},
  };
  for (const Case& c : cases) {
    const std::string name = (c.stored + u" / "_s + c.typed).toStdString();
    state->dataPassword = AnyValue(c.stored);
    editors = EditorNavigator();
    fakes.dialogs.messages.clear();
    open();
    EXPECT_TRUE(panel()->isHidden()) << name;
    openPanel();
    ASSERT_FALSE(panel()->isHidden()) << name;
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
    password()->setText(c.typed);
    QTest::mouseClick(find<QPushButton>(controlName("Command10", c.button)), Qt::LeftButton);
    if (c.opens) {
      EXPECT_EQ(editors.recordsEditorShown, c.button == 0 ? 1 : 0) << name;
      EXPECT_EQ(editors.criteriaEditorShown, c.button == 1 ? 1 : 0) << name;
      EXPECT_TRUE(hub->unloaded()) << name;
      EXPECT_TRUE(fakes.dialogs.messages.empty()) << name;
    } else {
      EXPECT_EQ(editors.recordsEditorShown + editors.criteriaEditorShown, 0) << name;
      EXPECT_FALSE(hub->unloaded()) << name;
      ASSERT_EQ(fakes.dialogs.messages.size(), 1U) << name;
      EXPECT_EQ(fakes.dialogs.messages[0].text, u"パスワードを入力して下さい"_s);
      // The panel stays open with its text for another try.
      EXPECT_FALSE(panel()->isHidden()) << name;
      EXPECT_EQ(password()->text(), c.typed) << name;
    }
  }
}

TEST_F(DataPanel, ThePasswordFieldReceivesEveryKeyAndTheShortcutsWaitOutside) {
  state->dataPassword = AnyValue(u"10ab"_s);
  open();
  openPanel();
  // Digits and a to d are the hub's shortcuts everywhere else.
  QTest::keyClicks(password(), u"10ab 2"_s);
  EXPECT_EQ(password()->text(), u"10ab 2"_s);
  EXPECT_EQ(password()->displayText(), u"******"_s);
  EXPECT_EQ(editors.gameShown, 0);
  EXPECT_EQ(editors.nameSelectionShown, 0);
  QTest::keyClick(password(), Qt::Key_Backspace);
  QTest::keyClick(password(), Qt::Key_Backspace);
  QTest::keyClick(find<QPushButton>(u"Command10_1"_s), Qt::Key_1);  // not a text field
  EXPECT_EQ(editors.gameShown, 0);  // the open panel blocks starting
  QTest::mouseClick(find<QPushButton>(u"Command10_1"_s), Qt::LeftButton);
  EXPECT_EQ(editors.criteriaEditorShown, 1);

  // Closing the panel gives the keys back to the hub; a new hub asks again.
  open();
  EXPECT_TRUE(password()->text().isEmpty());
  openPanel();
  QTest::mouseClick(find<QPushButton>(u"Command12"_s), Qt::LeftButton);
  EXPECT_TRUE(panel()->isHidden());
  QTest::keyClick(find<QListWidget>(u"List5_1"_s), Qt::Key_1);
  EXPECT_EQ(editors.gameShown, 1);
}

}  // namespace
}  // namespace tavelo
