#include "printing/worksheet_table.h"

#include "core/state/print_state.h"
#include "demo/demo_installation.h"
#include "demo/worksheet_source.h"
#include "fakes.h"
#include "storage/sjis.h"
#include "storage/text_items.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;
using printing::BlankMode;
using printing::WorksheetQuestion;

// Hands out the given values in order and counts the draws.
class ScriptedRandom final : public platform::Random {
 public:
  explicit ScriptedRandom(std::deque<double> values) : values_(std::move(values)) {}
  void seed(std::uint32_t) override {}
  double uniform() override {
    ++draws;
    if (values_.empty()) {
      ADD_FAILURE() << "more draws than scripted";
      return 0;
    }
    const double v = values_.front();
    values_.pop_front();
    return v;
  }
  int draws = 0;

 private:
  std::deque<double> values_;
};

constexpr std::array<bool, 8> kLevel1{true};

// Questions whose texts name the question and the column: "Q7-3".
std::vector<WorksheetQuestion> questions(int count, int level = 1) {
  std::vector<WorksheetQuestion> list;
  for (int q = 1; q <= count; ++q) {
    list.push_back({level, {u"Q%1-2"_s.arg(q), u"Q%1-3"_s.arg(q), u"Q%1-4"_s.arg(q)}});
  }
  return list;
}

class Worksheet : public ::testing::Test {
 protected:
  QString writeSource(const QString& text) const {
    const QString path = dir.filePath(u"プロト.csv"_s);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(storage::encodeSjis(text));
    return path;
  }
  // The question of a row, from the texts left in it.
  QString questionOf(int row) const {
    for (int column = 2; column <= 4; ++column) {
      const QString& text = print.printTable(row, column);
      if (!text.isEmpty()) return text.section(u'-', 0, 0);
    }
    return {};
  }

  QTemporaryDir dir;
  PrintState print;
  testing::SeededRandom random{11};
};

TEST_F(Worksheet, KeepsTheChosenLevelsInFileOrderAndReadsTheItemRules) {
  const QString path = writeSource(
      u"2,二の一,a,b,,,,,\r\n"
      u"1,一の一,a,b,,,,,\r\n"
      u"5,\"五の一,引用\",  c  ,\"d\" 後ろは捨てる,x,x,x,x,x\r\n"
      u"3,三の一,a,b,,,,,\r\n"
      u" 2 ,二の二,e,f,,,,,\r\n"
      u"5,五の二,g,h,,,,,\r\n\r\n"_s);
  std::array<bool, 8> levels{};
  levels[1] = levels[4] = true;
  auto read = printing::readWorksheetQuestions(path, levels);
  ASSERT_TRUE(read.ok()) << read.error().message.toStdString();
  std::vector<std::array<QString, 3>> texts;
  for (const auto& q : *read) texts.push_back(q.texts);
  const std::vector<std::array<QString, 3>> expected{{u"二の一"_s, u"a"_s, u"b"_s},
                                                     {u"五の一,引用"_s, u"c"_s, u"d"_s},
                                                     {u"二の二"_s, u"e"_s, u"f"_s},
                                                     {u"五の二"_s, u"g"_s, u"h"_s}};
  EXPECT_EQ(texts, expected);
}

TEST_F(Worksheet, FaultsInTheSourceNameTheFileAndTheLine) {
  struct Case {
    QString text;  // line 3 is at fault
    QString says;
  };
  const std::vector<Case> cases{
      {u"1,a,b,c,,,,,\r\n2,a,b,c,,,,,\r\n9,a,b,c,,,,,\r\n"_s, u"3 行目: レベル「9」"_s},
      {u"1,a,b,c,,,,,\r\n2,a,b,c,,,,,\r\n0,a,b,c,,,,,\r\n"_s, u"3 行目: レベル「0」"_s},
      {u"1,a,b,c,,,,,\r\n2,a,b,c,,,,,\r\nレベル,a,b,c,,,,,\r\n"_s, u"3 行目: レベル「レベル」"_s},
      {u"1,a,b,c,,,,,\r\n2,a,b,c,,,,,\r\n3,a,b,c\r\n4,a,b,c,,,,,\r\n"_s, u"3 行目"_s},
  };
  for (const Case& c : cases) {
    const QString path = writeSource(c.text);
    auto read = printing::readWorksheetQuestions(path, {true, true, true, true});
    ASSERT_FALSE(read.ok()) << c.says.toStdString();
    EXPECT_TRUE(read.error().message.contains(path)) << read.error().message.toStdString();
    EXPECT_TRUE(read.error().message.contains(c.says)) << read.error().message.toStdString();
  }
  auto missing = printing::readWorksheetQuestions(dir.filePath(u"ない.csv"_s), kLevel1);
  ASSERT_FALSE(missing.ok());
  EXPECT_TRUE(missing.error().message.contains(dir.filePath(u"ない.csv"_s)));
}

TEST_F(Worksheet, TakesAtMostAThousandQuestions) {
  QString text;
  for (int q = 1; q <= 1005; ++q) {
    text += storage::formatLine({u"1"_s, u"Q%1"_s.arg(q), u"b"_s, u"c"_s, {}, {}, {}, {}, {}});
  }
  auto read = printing::readWorksheetQuestions(writeSource(text), kLevel1);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(read->size(), 1000U);
  EXPECT_EQ(read->back().texts[0], u"Q1000"_s);
  // Shuffling and blanking a full table stays inside it (the table asserts its bounds).
  printing::prepareWorksheet(print, *read, true, BlankMode::BlankTwo, random);
  EXPECT_EQ(print.printRowCount, 15);
  EXPECT_EQ(print.printTable(1000, 5).isEmpty(), false);
}

TEST_F(Worksheet, PrintAllUnshuffledShowsTheFirstFifteenNumberedWithoutDrawing) {
  ScriptedRandom scripted({});
  printing::prepareWorksheet(print, questions(20), false, BlankMode::PrintAll, scripted);
  EXPECT_EQ(scripted.draws, 0);
  const QString circled = u"①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮"_s;
  for (int row = 1; row <= 15; ++row) {
    EXPECT_EQ(print.printTable(row, 1), circled.at(row - 1));
    for (int column = 2; column <= 4; ++column) {
      EXPECT_EQ(print.printTable(row, column), u"Q%1-%2"_s.arg(row).arg(column));
    }
  }
  EXPECT_EQ(print.printRowCount, 15);
  EXPECT_EQ(print.printColumnCount, 4);
  EXPECT_EQ(
      std::vector<double>(print.printColumnStarts.begin() + 1, print.printColumnStarts.begin() + 6),
      (std::vector<double>{0, 0.05, 0.6, 0.8, 1}));
  EXPECT_EQ(print.printTable(0, 1), QString());
  EXPECT_EQ(print.printTable(0, 2), u"１列目"_s);
  EXPECT_EQ(print.printTable(0, 4), u"３列目"_s);
  const PrintSettings& s = print.printSettings;
  EXPECT_EQ(
      std::vector<int>({s.showProgressPanel, s.autoPrint, s.portrait, s.layout, s.deviceSetting}),
      (std::vector<int>{0, 0, 1, 2, 1}));
  EXPECT_TRUE(s.baseFontSize.isEmpty());
}

TEST_F(Worksheet, ShuffleSwapsDrawnRowPairsThenEachRowDrawsItsBlank) {
  // Three questions: six swaps of (a, b) = integer part of (3 x random + 1), then one
  // draw per row, k = integer part of (random x 3 + 2).
  ScriptedRandom scripted({0.0, 0.99,         // swap 1 and 3: 3 2 1
                           0.5, 0.5,          // swap 2 with itself
                           0.4, 0.7,          // swap 2 and 3: 3 1 2
                           0.1, 0.2,          // 1 with itself
                           0.9, 0.9,          // 3 with itself
                           0.0, 0.4,          // swap 1 and 2: 1 3 2
                           0.0, 0.5, 0.99});  // rows blank columns 2, 3, 4
  printing::prepareWorksheet(print, questions(3), true, BlankMode::BlankOne, scripted);
  EXPECT_EQ(scripted.draws, 15);
  const std::vector<std::array<QString, 4>> expected{
      {QString(), u"Q1-3"_s, u"Q1-4"_s, u"Q1-2"_s},
      {u"Q3-2"_s, QString(), u"Q3-4"_s, u"Q3-3"_s},
      {u"Q2-2"_s, u"Q2-3"_s, QString(), u"Q2-4"_s},
  };
  for (int row = 1; row <= 3; ++row) {
    for (int column = 2; column <= 5; ++column) {
      EXPECT_EQ(print.printTable(row, column),
                expected[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 2)])
          << row << "," << column;
    }
  }
}

TEST_F(Worksheet, EveryBlankModeMovesItsCellsToTheAnswerColumns) {
  struct Case {
    BlankMode mode;
    int columnCount;
    std::vector<double> starts;
    int blanks;
    bool keepsColumn2;
  };
  const std::vector<Case> cases{
      {BlankMode::BlankOne, 5, {0, 0.05, 0.4, 0.6, 0.8, 1}, 1, false},
      {BlankMode::BlankTwo, 6, {0, 0.05, 0.4, 0.6, 0.8, 0.9, 1}, 2, false},
      {BlankMode::BlankOneProverbPart, 5, {0, 0.05, 0.4, 0.6, 0.8, 1}, 1, true},
      {BlankMode::BlankBothProverbParts, 6, {0, 0.05, 0.4, 0.6, 0.8, 0.9, 1}, 2, true},
  };
  for (const Case& c : cases) {
    printing::prepareWorksheet(print, questions(30), true, c.mode, random);
    EXPECT_EQ(print.printColumnCount, c.columnCount);
    EXPECT_EQ(std::vector<double>(print.printColumnStarts.begin() + 1,
                                  print.printColumnStarts.begin() + c.columnCount + 2),
              c.starts);
    EXPECT_EQ(print.printTable(0, 5), u"４列目"_s);
    for (int row = 1; row <= 15; ++row) {
      const QString q = questionOf(row);
      QStringList blanked;
      for (int column = 2; column <= 4; ++column) {
        const QString& text = print.printTable(row, column);
        if (text.isEmpty()) {
          blanked.append(u"%1-%2"_s.arg(q).arg(column));
        } else {
          EXPECT_EQ(text, u"%1-%2"_s.arg(q).arg(column));
        }
      }
      ASSERT_EQ(blanked.size(), c.blanks) << static_cast<int>(c.mode) << " row " << row;
      for (int i = 0; i < c.blanks; ++i) {
        EXPECT_EQ(print.printTable(row, 5 + i), blanked.at(i));
      }
      if (c.keepsColumn2) {
        EXPECT_FALSE(print.printTable(row, 2).isEmpty());
      }
    }
  }
}

TEST_F(Worksheet, RowsNoQuestionFillsArePrintedEmpty) {
  printing::prepareWorksheet(print, questions(20), false, BlankMode::BlankTwo, random);
  printing::prepareWorksheet(print, questions(4, 2), false, BlankMode::BlankTwo, random);
  for (int row = 5; row <= 15; ++row) {
    for (int column = 2; column <= 6; ++column) {
      EXPECT_TRUE(print.printTable(row, column).isEmpty()) << row << "," << column;
    }
    EXPECT_FALSE(print.printTable(row, 1).isEmpty());
  }
}

TEST_F(Worksheet, TheDemoSourceHasFifteenProverbsOnEveryLevelInCodePage932) {
  ASSERT_FALSE(demo::createDemoInstallation(dir.path(), {}, QDate(2026, 12, 10)).has_value());
  const QString path = demo::demoLayout(dir.path()).programFolder + u"/プロト.csv"_s;
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  // Every character survives code page 932.
  EXPECT_EQ(storage::decodeSjis(file.readAll()), demo::worksheetSourceText());
  for (int level = 1; level <= 8; ++level) {
    std::array<bool, 8> levels{};
    levels[static_cast<std::size_t>(level - 1)] = true;
    auto read = printing::readWorksheetQuestions(path, levels);
    ASSERT_TRUE(read.ok()) << read.error().message.toStdString();
    EXPECT_GE(read->size(), 15U) << level;
    for (const auto& q : *read) {
      for (const QString& text : q.texts) EXPECT_FALSE(text.isEmpty());
    }
  }
}

}  // namespace
}  // namespace tavelo
