#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace tavelo {
struct SharedState;
}

namespace tavelo::maintenance {

// What a save of the criteria editor did.
struct CriteriaSave {
  bool written = false;  // the criteria file now holds the new rows
  // Why nothing was written, or what failed after writing; empty when everything went well.
  QString message;
};

// The name of criteria column c (1..12) in messages and the edit log.
[[nodiscard]] QString criteriaColumnName(int column);

// Why these rows cannot be written, or empty. More than 35 rows do not fit the criteria
// table; a cell holding a comma, a double quote or a line break would change the file's
// shape when it is read back, and a character outside code page 932 cannot be written as
// typed. The message names the level and the column.
[[nodiscard]] QString criteriaRowsRefusal(const std::vector<QStringList>& rows);

// Saves the editor's rows (twelve texts each, level 1 first) to the criteria file of
// state.programDataFolder and reloads the criteria table from it. A refused grid writes
// nothing. Otherwise the old file is copied to the backup folder first (no copy, no save),
// the new file replaces it whole (temporary file, fsync, rename), and one line per changed
// cell goes to the edit log.
[[nodiscard]] CriteriaSave saveCriteriaRows(SharedState& state, const QDateTime& now,
                                            const std::vector<QStringList>& rows);

}  // namespace tavelo::maintenance
