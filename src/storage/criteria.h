#pragma once

#include "platform/result.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tavelo {
struct SharedState;
}

namespace tavelo::storage {

inline constexpr int kCriteriaColumns = 12;

// Reads the criteria file into entries 0..N of the twelve criteria columns (entry 0 is the
// header line). Entries beyond the file's last line keep their values. On an Error nothing
// is changed.
[[nodiscard]] Status loadCriteria(SharedState& state, const QString& path);

// The titles of the header line, column 1 to 12 (the last three are empty).
[[nodiscard]] const QStringList& criteriaHeaderTitles();

// The level lines of the criteria file as their item texts, twelve per row, in file order
// (the header line is read and dropped). An Error when the file is missing, cannot be read
// or runs out of items in the middle of a line.
[[nodiscard]] Result<std::vector<QStringList>> readCriteriaRows(const QString& path);

// The whole file for these rows: the header line, then one line per row, the twelve texts
// joined by commas exactly as they stand (never quoted), each line ending in CR LF.
[[nodiscard]] QString criteriaFileText(const std::vector<QStringList>& rows);

// Writes the header line and the rows of levels 1..lastLevel in the file's own format:
// twelve unquoted items per line, CR LF line ends, code page 932.
[[nodiscard]] Status saveCriteria(const SharedState& state, const QString& path, int lastLevel);

}  // namespace tavelo::storage
