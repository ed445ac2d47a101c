#pragma once

#include "platform/result.h"

#include <QString>

namespace tavelo {
struct SharedState;
}

namespace tavelo::storage {

// Resolves the installation's folders from the executable's folder, reads the path file
// and the shared configuration, sets the program identity and loads the criteria and
// sound tables. Writes nothing. An Error names the file and what is wrong with it.
[[nodiscard]] Status loadConfiguration(SharedState& state, const QString& executableFolder);

// The first half of loadConfiguration, all that a program needs that only resolves the
// installation: folders, path file, shared configuration and the program identity.
[[nodiscard]] Status loadInstallation(SharedState& state, const QString& executableFolder);

// Splits configuration item 2 into the five-character site code (when its leading number
// is not 0) and the site name.
void splitSiteItem(const QString& item, QString& siteCode, QString& siteName);

}  // namespace tavelo::storage
