#include "maintenance/frm_time_data.h"
#include "../hub/demo_fixture.h"
#include "storage/backup.h"
#include "storage/file_names.h"
#include "storage/sjis.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;

QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

const QString kHeader =
    u"目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\r\n"_s;

// The criteria editor on the demo installation (five levels; level 1: 25,60,40,5,1,15,...).
class CriteriaEditor : public testing::DemoFixture {
 protected:
  void TearDown() override { delete editor; }

  QString criteriaPath() const { return state->programDataFolder + storage::criteriaFileName(); }
  void open() {
    delete editor;
    editor = new FrmTimeData(*state, fakes.services, navigator);
    editor->show();
    editor->activate();
  }
  template <typename T>
  T* find(const QString& name) const {
    auto* child = editor->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  QLineEdit* input() const { return find<QLineEdit>(u"Gridinputtext"_s); }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(input(), k, modifiers);
  }
  QString heading() const { return find<QListWidget>(u"List1"_s)->item(0)->text(); }
  void click(const char* button) const {
    QTest::mouseClick(find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
  }
  QStringList backups() const {
    return QDir(storage::backupFolder(state->programDataFolder))
        .entryList({u"タイム回数データ_*"_s}, QDir::Files);
  }

  QPointer<FrmTimeData> editor;
};

TEST_F(CriteriaEditor, OpensOnTheFirstFieldOfLevelOne) {
  appendDrills({{0, 1, 1, 25}, {0, 2, 1, 31}, {0, 2, 2, 40}, {0, 0, 0, 99}});
  open();
  auto* grid = find<QTableWidget>(u"MSFlexGrid1"_s);
  EXPECT_EQ(grid->columnCount(), 13);
  EXPECT_EQ(grid->rowCount(), 5);
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), u"レベル"_s);
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), u"ｸﾘｱﾎﾟｲﾝﾄ"_s);
  EXPECT_EQ(grid->horizontalHeaderItem(10)->text(), u""_s);
  EXPECT_EQ(editor->cellText(3, 0), u"3"_s);
  EXPECT_EQ(editor->cellText(5, 5), u"1.5"_s);
  EXPECT_EQ(editor->row(), 1);
  EXPECT_EQ(editor->column(), 1);
  EXPECT_EQ(input()->text(), u"25"_s);
  EXPECT_EQ(input()->geometry(), grid->visualRect(grid->model()->index(0, 1)));
  EXPECT_EQ(grid->columnWidth(0), std::lround(0.8 * grid->columnWidth(2)));
  EXPECT_EQ(find<QLabel>(u"Label3"_s)->text(),
            u"合格基準タイム\n　大部分の人ががんばったら出せそうなタイムにしてください"_s);
  EXPECT_EQ(heading(), u"レベル1 今まで2回  （★=1）"_s);
  EXPECT_EQ(find<QListWidget>(u"List2"_s)->item(0)->text(), u"レベル1 （★=1）"_s);
  EXPECT_EQ(find<QListWidget>(u"List1"_s)->item(3)->text(), u"  20～★"_s);
  EXPECT_EQ(find<QListWidget>(u"List1"_s)->item(4)->text(), u"  30～★"_s);
  EXPECT_FALSE(editor->dirty());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(CriteriaEditor, KeyRules) {
  struct Case {
    int row, column;  // where the editor starts
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int toRow, toColumn;
    bool recomputes;
  };
  const Case cases[] = {
      {1, 1, Qt::Key_Up, {}, 1, 1, true},      {3, 2, Qt::Key_Up, {}, 2, 2, true},
      {5, 1, Qt::Key_Down, {}, 5, 1, true},    {2, 4, Qt::Key_Down, {}, 3, 4, true},
      {1, 1, Qt::Key_Left, {}, 1, 1, true},    {2, 3, Qt::Key_Left, {}, 2, 2, true},
      {1, 12, Qt::Key_Right, {}, 1, 12, true}, {1, 11, Qt::Key_Right, {}, 1, 12, true},
      {3, 3, Qt::Key_Escape, {}, 3, 3, false}, {2, 2, Qt::Key_Return, {}, 2, 2, true},
      {4, 6, Qt::Key_Delete, {}, 4, 6, true},  {2, 2, Qt::Key_Up, Qt::ShiftModifier, 1, 2, true},
  };
  open();
  const QByteArray before = readBytes(criteriaPath());
  for (const Case& c : cases) {
    const std::string name =
        std::to_string(c.row) + "," + std::to_string(c.column) + " key " + std::to_string(c.key);
    QFile::remove(storage::resultsFilePath(*state));
    editor->MSFlexGrid1_Click(c.row, c.column);
    const QString text = editor->cellText(c.toRow, c.toColumn);
    // Another computer records a drill of the level the editor ends on.
    appendDrills({{0, 3, c.toRow, 20}});
    key(c.key, c.modifiers);
    EXPECT_EQ(editor->row(), c.toRow) << name;
    EXPECT_EQ(editor->column(), c.toColumn) << name;
    EXPECT_EQ(input()->text(), text) << name;
    EXPECT_EQ(input()->cursorPosition(), text.size()) << name;
    EXPECT_EQ(heading(), u"レベル%1 今まで%2回  （★=1）"_s.arg(c.toRow).arg(c.recomputes ? 1 : 0))
        << name;
  }
  EXPECT_FALSE(editor->dirty());
  for (int r = 1; r <= 5; ++r) {
    for (int c = 0; c < 13; ++c) EXPECT_FALSE(editor->marked(r, c)) << r << "," << c;
  }
  EXPECT_EQ(readBytes(criteriaPath()), before);
}

TEST_F(CriteriaEditor, TypingSpaceAndBackspaceEditTheCellAndMarkIt) {
  open();
  editor->MSFlexGrid1_Click(2, 1);  // "25"
  QTest::keyClicks(input(), u"5"_s);
  EXPECT_EQ(editor->cellText(2, 1), u"255"_s);  // typed after the text already there
  EXPECT_TRUE(editor->marked(2, 1));
  EXPECT_TRUE(editor->dirty());
  key(Qt::Key_Backspace);
  key(Qt::Key_Backspace);
  EXPECT_EQ(editor->cellText(2, 1), u"2"_s);

  editor->MSFlexGrid1_Click(3, 7);  // "200"
  EXPECT_FALSE(editor->marked(3, 7));
  key(Qt::Key_Space);
  EXPECT_EQ(editor->cellText(3, 7), u""_s);
  EXPECT_EQ(input()->text(), u""_s);
  EXPECT_TRUE(editor->marked(3, 7));
  // An empty cell stays unmarked by a space.
  editor->MSFlexGrid1_Click(3, 10);
  key(Qt::Key_Space);
  EXPECT_FALSE(editor->marked(3, 10));
}

TEST_F(CriteriaEditor, ShiftDownCopiesTheCellDownwardsUpToTheLastRow) {
  open();
  editor->MSFlexGrid1_Click(3, 1);
  QTest::keyClicks(input(), u"5"_s);  // level 3: "305"
  key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(editor->row(), 3);
  EXPECT_EQ(editor->rowSelectionEnd(), 4);
  EXPECT_EQ(editor->cellText(4, 1), u"305"_s);
  EXPECT_EQ(editor->cellText(5, 1), u"50"_s);
  EXPECT_TRUE(editor->marked(4, 1));
  key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(editor->cellText(5, 1), u"305"_s);
  EXPECT_EQ(editor->rowSelectionEnd(), 5);
  key(Qt::Key_Down, Qt::ShiftModifier);  // the selection already ends on the last row
  EXPECT_EQ(editor->rowSelectionEnd(), 5);
  EXPECT_EQ(editor->cellText(2, 1), u"25"_s);
  EXPECT_EQ(input()->text(), u"305"_s);
  // Moving ends the selection.
  key(Qt::Key_Down);
  EXPECT_EQ(editor->row(), 4);
  EXPECT_EQ(editor->rowSelectionEnd(), 4);
}

TEST_F(CriteriaEditor, ColumnHelpAndClicksOnTheGrid) {
  open();
  auto* grid = find<QTableWidget>(u"MSFlexGrid1"_s);
  const auto clickCell = [&](int row, int column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row - 1, column)).center());
  };
  struct Case {
    int column;
    QString help;
  };
  const Case cases[] = {
      {2, u"合格最低ラインタイム\n  この５倍が時間切れになります"_s},
      {5,
       u"ポイント倍率\n  ポイントを何倍にして加算するか\n"
       u"  むずかしいレベルや生徒のいやがるレベルは高くしてください"_s},
      {6, u"やりすぎ禁止回数\n  何回やったらやりすぎ禁止にするか\n  "_s},
      {7, u"やりすぎ禁止ポイント\n  何ポイントとったらやりすぎ禁止にするか\n "_s},
      {9, u"やりすぎ判定をする日数\n　何日前からのポイントを有効にするか"_s},
      {10, u""_s},
      {12, u""_s},
  };
  for (const Case& c : cases) {
    clickCell(4, c.column);
    EXPECT_EQ(editor->row(), 4);
    EXPECT_EQ(editor->column(), c.column);
    EXPECT_EQ(find<QLabel>(u"Label3"_s)->text(), c.help) << c.column;
    EXPECT_EQ(input()->text(), editor->cellText(4, c.column));
    EXPECT_TRUE(heading().startsWith(u"レベル4 "_s));
  }
  // The level number is no criterion: a click there edits the level's first field.
  clickCell(2, 0);
  EXPECT_EQ(editor->row(), 2);
  EXPECT_EQ(editor->column(), 1);
}

TEST_F(CriteriaEditor, SaveWritesTheHeaderAndEveryRowAndReloadsTheCriteria) {
  state->criteriaTargetTime[7] = 77;  // no line in the file: kept by the reload
  open();
  const QByteArray before = readBytes(criteriaPath());
  editor->MSFlexGrid1_Click(1, 1);
  key(Qt::Key_Space);
  QTest::keyClicks(input(), u"30"_s);
  editor->MSFlexGrid1_Click(4, 11);
  QTest::keyClicks(input(), u"x 1"_s);  // the space clears: only "1" stays
  editor->MSFlexGrid1_Click(2, 5);
  key(Qt::Key_Space);
  QTest::keyClicks(input(), u"1.25"_s);
  click("Command3");
  EXPECT_FALSE(editor->dirty());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
  const QString expected = kHeader +
                           u"30,60,40,5,1,15,200,14,1,,,\r\n"_s
                           u"25,60,40,5,1.25,15,200,14,1,,,\r\n"_s
                           u"30,70,40,5,1,15,200,14,1,,,\r\n"_s
                           u"45,100,40,5,1.2,12,200,14,1,,1,\r\n"_s
                           u"50,120,40,5,1.5,10,200,14,1,,,\r\n"_s;
  EXPECT_EQ(storage::decodeSjis(readBytes(criteriaPath())).toStdString(), expected.toStdString());
  EXPECT_EQ(readBytes(criteriaPath()), storage::encodeSjis(expected));
  EXPECT_EQ(state->criteriaTargetTime[1], 30);
  EXPECT_FLOAT_EQ(state->criteriaPointFactor[2], 1.25F);
  EXPECT_EQ(state->criteriaSpare11[4].text(), u"1"_s);
  EXPECT_EQ(state->criteriaTargetTime[7], 77);
  EXPECT_TRUE(editor->marked(1, 1));  // marks stay until the next load

  // The file as it was is in the backup folder, and the log names each changed cell.
  ASSERT_EQ(backups().size(), 1);
  EXPECT_EQ(readBytes(QDir(storage::backupFolder(state->programDataFolder)).filePath(backups()[0])),
            before);
  const QString log =
      storage::decodeSjis(readBytes(storage::auditLogPath(state->programDataFolder)));
  const QStringList lines = log.split(u"\r\n"_s, Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << log.toStdString();
  EXPECT_TRUE(lines[0].startsWith(u"2026/12/10 10:00:00\t"_s));
  EXPECT_TRUE(lines[0].endsWith(u"\tタイム回数データ.txt レベル1 1列目「目標Time」\t25\t30"_s))
      << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith(u"レベル2 5列目「ﾎﾟｲﾝﾄ倍率」\t1\t1.25"_s));
  EXPECT_TRUE(lines[2].endsWith(u"レベル4 11列目\t\t1"_s));

  // Leaving after the save asks nothing.
  click("Command4");
  EXPECT_EQ(fakes.dialogs.messages.size(), 0U);
  EXPECT_EQ(navigator.hubShown, 1);
}

TEST_F(CriteriaEditor, ACellThatWouldChangeTheFileShapeIsRefused) {
  struct Case {
    QString typed;
    int row, column;
    QString names;
  };
  const Case cases[] = {{u"1,5"_s, 2, 5, u"レベル2 の 5列目「ﾎﾟｲﾝﾄ倍率」"_s},
                        {u"\"x"_s, 5, 12, u"レベル5 の 12列目"_s},
                        {u"😀"_s, 1, 3, u"レベル1 の 3列目「ｸﾘｱﾎﾟｲﾝﾄ」"_s}};
  for (const Case& c : cases) {
    fakes.dialogs.messages.clear();
    open();
    const QByteArray before = readBytes(criteriaPath());
    editor->MSFlexGrid1_Click(c.row, c.column);
    input()->insert(c.typed);
    EXPECT_FALSE(editor->Command3_Click());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(c.names))
        << fakes.dialogs.messages[0].text.toStdString();
    EXPECT_EQ(readBytes(criteriaPath()), before);
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_TRUE(editor->dirty());
    // Saving on the way out fails the same way: the teacher stays to mend the cell.
    fakes.dialogs.answerYes = true;
    click("Command4");
    EXPECT_EQ(navigator.hubShown, 0);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
  }
  EXPECT_FALSE(QFileInfo::exists(storage::auditLogPath(state->programDataFolder)));
}

TEST_F(CriteriaEditor, LeavingAsksOnlyAfterAnEditEvenWhenItWasUndone) {
  struct Case {
    bool edit;
    bool undo;
    bool answerYes;
    bool asks;
    bool written;
  };
  const Case cases[] = {{false, false, true, false, false},
                        {true, false, false, true, false},
                        {true, true, false, true, false},
                        {true, false, true, true, true},
                        {true, true, true, true, false}};  // the undone grid is written back
  for (const Case& c : cases) {
    navigator.hubShown = 0;
    fakes.dialogs.messages.clear();
    fakes.dialogs.answerYes = c.answerYes;
    ASSERT_NO_FATAL_FAILURE(SetUp());
    open();
    const QByteArray before = readBytes(criteriaPath());
    if (c.edit) {
      editor->MSFlexGrid1_Click(2, 2);
      QTest::keyClicks(input(), u"0"_s);
    }
    if (c.undo) {
      click("Command2");
      EXPECT_EQ(editor->cellText(2, 2), u"60"_s);
      EXPECT_FALSE(editor->marked(2, 2));
      EXPECT_EQ(input()->text(), u"60"_s);
    }
    click("Command4");
    ASSERT_EQ(fakes.dialogs.messages.size(), c.asks ? 1U : 0U);
    if (c.asks) {
      EXPECT_EQ(fakes.dialogs.messages[0].kind, u"question"_s);
      EXPECT_EQ(fakes.dialogs.messages[0].title, u"注意"_s);
      EXPECT_EQ(fakes.dialogs.messages[0].text, u"データが変更されています。記録しますか？"_s);
    }
    EXPECT_EQ(navigator.hubShown, 1);
    EXPECT_EQ(readBytes(criteriaPath()).contains("25,600,"), c.written);
    if (!c.answerYes) {
      EXPECT_EQ(readBytes(criteriaPath()), before);
    }
    EXPECT_TRUE(editor == nullptr || !editor->isVisible());
  }
}

TEST_F(CriteriaEditor, AFileThatCannotBeShownSendsTheTeacherBackWithoutWriting) {
  struct Case {
    const char* name;
    std::function<void(const QString&)> damage;
  };
  QString levels36 = kHeader;
  for (int l = 1; l <= 36; ++l) levels36 += u"25,60,40,5,1,15,200,14,1,,,\r\n"_s;
  const Case cases[] = {
      {"missing", [](const QString& path) { QFile::remove(path); }},
      {"36 levels", [&](const QString& path) { writeBytes(path, storage::encodeSjis(levels36)); }},
      {"half a line",
       [](const QString& path) {
         writeBytes(path, storage::encodeSjis(kHeader + u"25,60,40,5,1\r\n"_s));
       }},
  };
  for (const Case& c : cases) {
    ASSERT_NO_FATAL_FAILURE(SetUp());
    navigator.hubShown = 0;
    fakes.dialogs.messages.clear();
    c.damage(criteriaPath());
    const QByteArray before = readBytes(criteriaPath());
    open();
    EXPECT_EQ(fakes.dialogs.messages.size(), 1U) << c.name;
    EXPECT_EQ(navigator.hubShown, 1) << c.name;
    EXPECT_TRUE(editor == nullptr || !editor->isVisible()) << c.name;
    EXPECT_EQ(readBytes(criteriaPath()), before) << c.name;
    EXPECT_TRUE(backups().isEmpty()) << c.name;
  }
}

}  // namespace
}  // namespace tavelo

namespace tavelo {
namespace {

// Saves a picture of the editor for the documentation when TAVELO_SCREENSHOT_DIR names a
// folder; skipped otherwise.
TEST_F(CriteriaEditor, Screenshot) {
  const QString folder = qEnvironmentVariable("TAVELO_SCREENSHOT_DIR");
  if (folder.isEmpty()) {
    GTEST_SKIP() << "TAVELO_SCREENSHOT_DIR is not set";
  }
  // A class of twenty with a few weeks of drills on level 3, around 30 s.
  for (int student = 1; student <= 20; ++student) {
    for (int k = 0; k < 6; ++k) {
      appendDrills({{k, student, 3, 22 + (student * 7 + k * 13) % 30 + (student % 5) * 4}});
    }
  }
  appendDrills({{1, 4, 3, 99999}, {2, 9, 3, 140}});
  open();
  editor->MSFlexGrid1_Click(3, 1);
  key(Qt::Key_Space);
  QTest::keyClicks(input(), u"35"_s);
  for (int i = 0; i < 4; ++i) key(Qt::Key_Right);
  QApplication::processEvents();
  ASSERT_TRUE(editor->grab().save(QDir(folder).filePath(u"screenshot-criteria.png"_s)));
}

}  // namespace
}  // namespace tavelo
