#pragma once

#include "platform/result.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace tavelo {
struct PrintState;
namespace platform {
class Random;
}
}  // namespace tavelo

namespace tavelo::printing {

// The question source file in the program folder.
[[nodiscard]] inline QString worksheetSourceFileName() {
  return QStringLiteral("プロト.csv");
}

// The blank modes of the print settings screen, 1..5.
enum class BlankMode {
  PrintAll = 1,
  BlankOne,
  BlankTwo,
  BlankOneProverbPart,
  BlankBothProverbParts
};
[[nodiscard]] QString blankModeCaption(BlankMode mode);

// One question of the source file: its level and its three texts.
struct WorksheetQuestion {
  int level = 0;
  std::array<QString, 3> texts;
};

// The questions of the chosen levels (levels[k] for level k + 1), in file order, at most
// PrintTable::kMaxQuestions. Every line must hold nine items and begin with a level 1..8;
// an Error names the file and the line that does not.
[[nodiscard]] Result<std::vector<WorksheetQuestion>> readWorksheetQuestions(
    const QString& path, const std::array<bool, 8>& levels);

// Fills the print table from the questions: rows 1..N in the given order, shuffled when
// asked, blanked by the mode, with the mode's headings and columns, numbered rows 1..15 and
// the settings of the question table. Rows up to 15 that no question fills are emptied.
// The random draws come in a fixed order: 2N pairs of row numbers for the shuffle, then one
// draw per row for the modes that choose a column.
void prepareWorksheet(PrintState& print, const std::vector<WorksheetQuestion>& questions,
                      bool shuffle, BlankMode mode, platform::Random& random);

}  // namespace tavelo::printing
