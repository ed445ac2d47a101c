#include "printing/question_sheet.h"

#include "core/state/print_state.h"
#include "fakes.h"
#include "printing/print_page.h"
#include "printing/worksheet_table.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;
using printing::BlankMode;
using printing::Rule;

std::vector<printing::WorksheetQuestion> questions(int count) {
  std::vector<printing::WorksheetQuestion> list;
  for (int q = 1; q <= count; ++q) {
    list.push_back({1, {u"意味%1"_s.arg(q), u"前%1"_s.arg(q), u"後%1"_s.arg(q)}});
  }
  return list;
}

// The question table drawn on a portrait preview page.
struct DrawnTable {
  printing::PageSetup setup = printing::pageSetup(true, false);
  QImage image = printing::previewSurface(setup);
  printing::TableDrawing drawing;
  explicit DrawnTable(const PrintState& print) {
    QPainter painter(&image);
    printing::PrintPage page(painter, setup);
    drawing = printing::drawQuestionTable(page, print);
  }
};

TEST(QuestionTable, RulesLieAtTheirPageUnitsForEveryMode) {
  struct Case {
    BlankMode mode;
    std::vector<int> verticals;
  };
  const std::vector<Case> cases{
      {BlankMode::PrintAll, {0, 500, 6000, 8000, 10000}},
      {BlankMode::BlankOne, {0, 500, 4000, 6000, 8000, 10000}},
      {BlankMode::BlankTwo, {0, 500, 4000, 6000, 8000, 9000, 10000}},
      {BlankMode::BlankOneProverbPart, {0, 500, 4000, 6000, 8000, 10000}},
      {BlankMode::BlankBothProverbParts, {0, 500, 4000, 6000, 8000, 9000, 10000}},
  };
  testing::SeededRandom random;
  for (const Case& c : cases) {
    PrintState print;
    printing::prepareWorksheet(print, questions(20), true, c.mode, random);
    const DrawnTable table(print);
    std::vector<Rule> expected;
    for (int y = 300; y <= 9900; y += 600) expected.push_back({0, y, 10000, double(y)});
    for (const int x : c.verticals) expected.push_back({x, 300, x, 9900});
    EXPECT_EQ(table.drawing.rules, expected) << static_cast<int>(c.mode);
  }
}

TEST(QuestionTable, TheRulesAreBlackOnThePreviewWhereThePageUnitsMapThem) {
  testing::SeededRandom random;
  PrintState print;
  printing::prepareWorksheet(print, questions(20), false, BlankMode::PrintAll, random);
  const DrawnTable table(print);
  const auto dark = [&table](QPointF at) {
    // A one-pixel rule may fall on either neighbour of the mapped position.
    for (int d = -1; d <= 1; ++d) {
      const QPoint p(qRound(at.x()), qRound(at.y()) + d);
      if (qGray(table.image.pixel(p)) < 128) return true;
    }
    return false;
  };
  for (const int y : {300, 900, 9300, 9900}) {
    EXPECT_TRUE(dark(printing::toTarget(table.setup, 7000, y))) << y;
  }
  EXPECT_FALSE(dark(printing::toTarget(table.setup, 7000, 1200)));
  EXPECT_FALSE(dark(printing::toTarget(table.setup, 7000, 9950)));
}

TEST(QuestionTable, EveryCellIsFittedOnItsOwn) {
  testing::SeededRandom random;
  PrintState print;
  printing::prepareWorksheet(print, questions(20), false, BlankMode::PrintAll, random);
  print.printTable(3, 3) = u"とても長い前半の言葉が続いて一行には入らない"_s;
  const DrawnTable table(print);
  const auto& sizes = table.drawing.fontSizes;
  ASSERT_EQ(sizes.size(), 16U);
  EXPECT_EQ(sizes[3][1], 20);  // one line of column 2 on an A4 portrait page
  EXPECT_EQ(sizes[3][3], 20);
  EXPECT_LT(sizes[3][2], 20);  // the long text takes two lines or more at a smaller size
  EXPECT_GT(sizes[3][2], 0);
  EXPECT_EQ(sizes[0][1], 20);
}

TEST(QuestionTable, OtherLayoutsDrawNothing) {
  testing::SeededRandom random;
  PrintState print;
  printing::prepareWorksheet(print, questions(20), false, BlankMode::PrintAll, random);
  print.printSettings.layout = 3;
  printing::PageSetup setup = printing::pageSetup(true, false);
  QImage image = printing::previewSurface(setup);
  const QImage blank = image;
  {
    QPainter painter(&image);
    printing::PrintPage page(painter, setup);
    printing::drawSheet(page, print);
  }
  EXPECT_EQ(image, blank);
}

}  // namespace
}  // namespace tavelo
