#pragma once

#include <QString>

namespace tavelo::platform {

// The folder that holds the running executable, without a trailing separator.
[[nodiscard]] QString executableFolder();

}  // namespace tavelo::platform
