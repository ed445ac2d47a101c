#pragma once

#include "platform/result.h"

#include <QDateTime>
#include <QString>

namespace tavelo::storage {

// Before a teacher's edit changes a data file, a copy of the file as it was goes into the
// folder "バックアップ" inside the program's data folder, and one line describing the edit
// goes into the log "変更記録.txt" there, so a wrong change or erase can be undone by hand.

inline constexpr int kBackupsKept = 20;

[[nodiscard]] QString backupFolder(const QString& programDataFolder);
[[nodiscard]] QString auditLogPath(const QString& programDataFolder);

// Copies filePath into the backup folder as "<name>_yyyyMMdd-HHmmss<suffix>" (with "-2",
// "-3" ... added when that name is taken), then removes the oldest copies of that file
// beyond kBackupsKept. A file that does not exist yet needs no copy and is not an error.
// Returns the path of the copy (empty when there was nothing to copy).
[[nodiscard]] Result<QString> keepBackup(const QString& programDataFolder, const QString& filePath,
                                         const QDateTime& now);

// Appends "yyyy/MM/dd HH:mm:ss<TAB>computer<TAB>subject<TAB>old value<TAB>new value" as one
// code page 932 line ending in CR LF. Tabs and line breaks inside the texts become blanks.
[[nodiscard]] Status appendAuditLine(const QString& programDataFolder, const QDateTime& now,
                                     const QString& subject, const QString& oldValue,
                                     const QString& newValue);

}  // namespace tavelo::storage
