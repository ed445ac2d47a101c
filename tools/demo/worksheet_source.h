#pragma once

#include <QString>

namespace tavelo::demo {

// The demo's worksheet questions: sixteen proverbs on each of the levels 1..8, one line
// each of nine items (level, meaning, first half, second half, five empty items).
[[nodiscard]] QString worksheetSourceText();

}  // namespace tavelo::demo
