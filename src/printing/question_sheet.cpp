#include "printing/question_sheet.h"

#include "core/state/print_state.h"
#include "printing/print_page.h"

#include <cmath>

namespace tavelo::printing {

namespace {

constexpr int kDefaultBaseFontSize = 50;
constexpr double kBlack = 0;

int rounded(double units) {
  return static_cast<int>(std::lround(units));
}

}  // namespace

TableDrawing drawQuestionTable(PrintPage& page, const PrintState& print) {
  TableDrawing drawing;
  const int rows = std::clamp(print.printRowCount, 0, PrintTable::kRows - 1);
  const int columns = std::clamp(print.printColumnCount, 0, PrintTable::kColumns - 1);
  if (rows == 0) return drawing;
  const auto& starts = print.printColumnStarts;
  const double h = 0.9 / rows;
  const auto top = [h](int row) { return 1000 + (row - 1) * 10000 * h; };
  const auto rule = [&drawing, &page](int x1, int y1, int x2, int y2) {
    page.ライン(x1, y1, x2, y2, 1, kBlack);
    drawing.rules.push_back({x1, y1, x2, static_cast<double>(y2)});
  };

  bool isNumber = false;
  const int base = print.printSettings.baseFontSize.trimmed().toInt(&isNumber);
  page.cell.baseFontSize = isNumber ? base : kDefaultBaseFontSize;
  page.cell.fitCheck = true;
  page.cell.heightLimit = h;
  for (int row = 0; row <= rows; ++row) {
    std::vector<int>& sizes = drawing.fontSizes.emplace_back();
    for (int k = 1; k <= columns; ++k) {
      const auto left = static_cast<std::size_t>(k);
      page.cell.left = starts[left] + 0.01;
      page.cell.top = top(row);
      page.cell.wrapWidth = 0.95 * (starts[left + 1] - starts[left]);
      page.文字表示3(print.printTable(row, k));
      sizes.push_back(page.cell.fontSize);
    }
    const int y = rounded(top(row) - 100);
    rule(0, y, 10000, y);
  }
  const int bottom = rounded(1000 + rows * 10000 * h - 100);
  rule(0, bottom, 10000, bottom);
  const int headingRule = rounded(top(0) - 100);
  for (int k = 1; k <= columns + 1; ++k) {
    const int x = rounded(10000 * starts[static_cast<std::size_t>(k)]);
    rule(x, headingRule, x, bottom);
  }
  return drawing;
}

void drawSheet(PrintPage& page, const PrintState& print) {
  if (print.printSettings.layout == kQuestionTableLayout) {
    drawQuestionTable(page, print);
  }
}

}  // namespace tavelo::printing
