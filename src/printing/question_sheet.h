#pragma once

#include <vector>

namespace tavelo {
struct PrintState;
}

namespace tavelo::printing {

class PrintPage;

// The sheet layout that draws the question table.
inline constexpr int kQuestionTableLayout = 2;

// One rule of the table, in page units, as handed to ライン.
struct Rule {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  double y2 = 0;
  friend bool operator==(const Rule&, const Rule&) = default;
};

// What a drawn table was made of: its rules in drawing order and the font size each cell
// (row 0..rowCount, column 1..columnCount) was fitted to.
struct TableDrawing {
  std::vector<Rule> rules;
  std::vector<std::vector<int>> fontSizes;  // [row][column - 1]
};

// Draws the question table of the print table: a heading row and rowCount question rows
// 0.9 / rowCount of the page high, every cell auto-fitted, ruled across and down.
TableDrawing drawQuestionTable(PrintPage& page, const PrintState& print);

// Draws the sheet the settings choose; layouts other than the question table draw nothing.
void drawSheet(PrintPage& page, const PrintState& print);

}  // namespace tavelo::printing
