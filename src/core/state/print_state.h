#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <vector>

namespace tavelo {

// The worksheet's text grid: row 0 the headings, rows 1.. the questions; column 1 the
// question number, columns 2-4 the question texts, columns 5-6 the blanked-out answers.
class PrintTable {
 public:
  static constexpr int kRows = 1001;    // rows 0..1000
  static constexpr int kColumns = 101;  // columns 0..100
  static constexpr int kMaxQuestions = kRows - 1;

  PrintTable() : cells_(static_cast<std::size_t>(kRows) * kColumns) {}
  QString& operator()(int row, int column) { return cells_[index(row, column)]; }
  const QString& operator()(int row, int column) const { return cells_[index(row, column)]; }

 private:
  static std::size_t index(int row, int column) {
    Q_ASSERT(row >= 0 && row < kRows && column >= 0 && column < kColumns);
    return static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column);
  }
  std::vector<QString> cells_;
};

// What the print screen draws and how.
struct PrintSettings {
  QString baseFontSize;  // starting font size of the table cells; empty means 50
  int showProgressPanel = 0;
  int autoPrint = 0;
  int portrait = 0;       // 1 portrait, 0 landscape
  int layout = 0;         // 2: the question table
  int deviceSetting = 0;  // handed to the printer when the print screen opens
};

// The worksheet prepared by the print settings screen; it outlives both print screens and
// is never cleared during a run.
struct PrintState {
  PrintTable printTable;
  int printRowCount = 0;
  int printColumnCount = 0;
  // Column k starts at printColumnStarts[k] of the page width; entry columnCount + 1 is 1.0.
  std::array<double, PrintTable::kColumns + 1> printColumnStarts{};
  PrintSettings printSettings;
};

}  // namespace tavelo
