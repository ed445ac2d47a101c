#pragma once

#include "platform/result.h"

#include <QString>

namespace tavelo {
struct SharedState;
}

namespace tavelo::storage {

// Fills the sound table from the sound folder's table file: a section starts with a kind
// name, lists up to twenty file stems and ends with "*".
[[nodiscard]] Status loadSoundTable(SharedState& state, const QString& path);

}  // namespace tavelo::storage
