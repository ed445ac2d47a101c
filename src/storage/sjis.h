#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QString>

namespace tavelo::storage {

// Every data file of the installation is code page 932 (Shift-JIS with the Windows
// extensions). All conversion between those bytes and text goes through here.
[[nodiscard]] QByteArray encodeSjis(const QString& text);
[[nodiscard]] QString decodeSjis(const QByteArray& bytes);

// Whole-file helpers; errors name the file.
[[nodiscard]] Result<QString> readSjisFile(const QString& path);
[[nodiscard]] Status writeSjisFile(const QString& path, const QString& text);

}  // namespace tavelo::storage
