#pragma once

#include "platform/result.h"

#include <QString>

namespace tavelo {
struct SharedState;
}

namespace tavelo::storage {

inline constexpr int kCriteriaColumns = 12;

// Reads the criteria file into entries 0..N of the twelve criteria columns (entry 0 is the
// header line). Entries beyond the file's last line keep their values. On an Error nothing
// is changed.
[[nodiscard]] Status loadCriteria(SharedState& state, const QString& path);

// Writes the header line and the rows of levels 1..lastLevel in the file's own format:
// twelve unquoted items per line, CR LF line ends, code page 932.
[[nodiscard]] Status saveCriteria(const SharedState& state, const QString& path, int lastLevel);

}  // namespace tavelo::storage
