#include "printing/worksheet_table.h"

#include "core/state/print_state.h"
#include "platform/random.h"
#include "storage/item_file.h"

#include <utility>

namespace tavelo::printing {

namespace {

constexpr int kPrintedRows = 15;
constexpr int kTextColumns = 3;  // columns 2, 3 and 4
constexpr int kFirstAnswerColumn = 5;
constexpr int kLastUsedColumn = 6;

struct ModeLayout {
  int columnCount;
  std::array<double, 7> columnStarts;  // entries 1..columnCount + 1
};

ModeLayout modeLayout(BlankMode mode) {
  switch (mode) {
    case BlankMode::PrintAll:
      return {4, {0, 0.05, 0.6, 0.8, 1}};
    case BlankMode::BlankOne:
    case BlankMode::BlankOneProverbPart:
      return {5, {0, 0.05, 0.4, 0.6, 0.8, 1}};
    case BlankMode::BlankTwo:
    case BlankMode::BlankBothProverbParts:
      return {6, {0, 0.05, 0.4, 0.6, 0.8, 0.9, 1}};
  }
  return {4, {0, 0.05, 0.6, 0.8, 1}};
}

// Moves the texts of the blanked columns, in column order, to the answer columns.
void blankColumns(PrintTable& table, int row, std::initializer_list<int> columns) {
  int answer = kFirstAnswerColumn;
  for (const int column : columns) {
    table(row, answer++) = std::exchange(table(row, column), QString());
  }
}

// A whole number drawn as integer part of (random x span + first).
int draw(platform::Random& random, int span, int first) {
  return static_cast<int>(random.uniform() * span + first);
}

}  // namespace

QString blankModeCaption(BlankMode mode) {
  switch (mode) {
    case BlankMode::PrintAll:
      return QStringLiteral("すべて印刷");
    case BlankMode::BlankOne:
      return QStringLiteral("問題一カ所");
    case BlankMode::BlankTwo:
      return QStringLiteral("問題二カ所");
    case BlankMode::BlankOneProverbPart:
      return QStringLiteral("ことわざ部分を一つ消す");
    case BlankMode::BlankBothProverbParts:
      return QStringLiteral("ことわざ部分を二つ消す");
  }
  return {};
}

Result<std::vector<WorksheetQuestion>> readWorksheetQuestions(const QString& path,
                                                              const std::array<bool, 8>& levels) {
  auto file = storage::ItemFile::open(path);
  if (!file) {
    return file.error();
  }
  std::vector<WorksheetQuestion> questions;
  while (!file->atEnd() && std::ssize(questions) < PrintTable::kMaxQuestions) {
    auto items = file->takeLine(9, QStringLiteral("問題"));
    if (!items) {
      return items.error();
    }
    bool isNumber = false;
    const int level = items->at(0).trimmed().toInt(&isNumber);
    if (!isNumber || level < 1 || level > 8) {
      return Error{QStringLiteral("%1\n%2 行目: レベル「%3」は 1 から 8 の数ではありません")
                       .arg(path)
                       .arg(file->line())
                       .arg(items->at(0))};
    }
    if (levels[static_cast<std::size_t>(level - 1)]) {
      questions.push_back({level, {items->at(1), items->at(2), items->at(3)}});
    }
  }
  return questions;
}

void prepareWorksheet(PrintState& print, const std::vector<WorksheetQuestion>& questions,
                      bool shuffle, BlankMode mode, platform::Random& random) {
  PrintTable& table = print.printTable;
  const int n =
      static_cast<int>(std::min<std::size_t>(questions.size(), PrintTable::kMaxQuestions));
  for (int row = 1; row <= n; ++row) {
    for (int k = 0; k < kTextColumns; ++k) {
      table(row, 2 + k) =
          questions[static_cast<std::size_t>(row - 1)].texts[static_cast<std::size_t>(k)];
    }
  }
  // Printed rows that no question fills show nothing rather than an earlier sheet's texts.
  for (int row = n + 1; row <= kPrintedRows; ++row) {
    for (int column = 2; column <= kLastUsedColumn; ++column) {
      table(row, column).clear();
    }
  }

  if (shuffle) {
    for (int i = 0; i < 2 * n; ++i) {
      const int a = draw(random, n, 1);
      const int b = draw(random, n, 1);
      for (int column = 2; column <= 4; ++column) {
        std::swap(table(a, column), table(b, column));
      }
    }
  }

  for (int row = 1; row <= n; ++row) {
    switch (mode) {
      case BlankMode::PrintAll:
        break;
      case BlankMode::BlankOne:
        blankColumns(table, row, {draw(random, 3, 2)});
        break;
      case BlankMode::BlankTwo: {
        const int kept = draw(random, 3, 2);
        const int first = kept == 2 ? 3 : 2;
        const int second = kept == 4 ? 3 : 4;
        blankColumns(table, row, {first, second});
        break;
      }
      case BlankMode::BlankOneProverbPart:
        blankColumns(table, row, {draw(random, 2, 3)});
        break;
      case BlankMode::BlankBothProverbParts:
        blankColumns(table, row, {3, 4});
        break;
    }
  }

  const ModeLayout layout = modeLayout(mode);
  static const std::array<QString, 4> headings{QStringLiteral("１列目"), QStringLiteral("２列目"),
                                               QStringLiteral("３列目"), QStringLiteral("４列目")};
  const int headed = std::min(layout.columnCount, kFirstAnswerColumn);
  for (int column = 2; column <= headed; ++column) {
    table(0, column) = headings[static_cast<std::size_t>(column - 2)];
  }
  print.printColumnStarts.fill(0);
  for (int k = 1; k <= layout.columnCount + 1; ++k) {
    print.printColumnStarts[static_cast<std::size_t>(k)] =
        layout.columnStarts[static_cast<std::size_t>(k - 1)];
  }
  print.printColumnCount = layout.columnCount;
  print.printRowCount = kPrintedRows;

  static const QString circled = QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳");
  for (int row = 1; row <= kPrintedRows; ++row) {
    table(row, 1) = circled.at(row - 1);
  }

  print.printSettings.showProgressPanel = 0;
  print.printSettings.autoPrint = 0;
  print.printSettings.portrait = 1;
  print.printSettings.layout = 2;
  print.printSettings.deviceSetting = 1;
}

}  // namespace tavelo::printing
