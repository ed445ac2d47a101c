#include "maintenance/criteria_save.h"

#include "core/shared_state.h"
#include "storage/backup.h"
#include "storage/criteria.h"
#include "storage/file_names.h"
#include "storage/sjis.h"

namespace tavelo::maintenance {

namespace {

// The edit log's subject of one cell: file, level and column.
QString cellSubject(int level, int column) {
  return QStringLiteral("%1 レベル%2 %3")
      .arg(storage::criteriaFileName())
      .arg(level)
      .arg(criteriaColumnName(column));
}

QString cellText(const std::vector<QStringList>& rows, std::size_t row, int column) {
  if (row >= rows.size() || column > rows[row].size()) return {};
  return rows[row][column - 1];
}

}  // namespace

QString criteriaColumnName(int column) {
  const QString& title = storage::criteriaHeaderTitles().value(column - 1);
  return title.isEmpty() ? QStringLiteral("%1列目").arg(column)
                         : QStringLiteral("%1列目「%2」").arg(column).arg(title);
}

QString criteriaRowsRefusal(const std::vector<QStringList>& rows) {
  if (rows.size() > static_cast<std::size_t>(kMaxLevel)) {
    return QStringLiteral("レベルが %1 行あります。記録できるのはレベル %2 までです。")
        .arg(rows.size())
        .arg(kMaxLevel);
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (int c = 1; c <= rows[r].size(); ++c) {
      const QString& text = rows[r][c - 1];
      const int level = static_cast<int>(r) + 1;
      if (text.contains(u',') || text.contains(u'"') || text.contains(u'\r') ||
          text.contains(u'\n')) {
        return QStringLiteral(
                   "レベル%1 の %2 に「,」「\"」や改行があります。\n"
                   "ファイルの形が変わってしまうので記録できません。")
            .arg(level)
            .arg(criteriaColumnName(c));
      }
      if (storage::decodeSjis(storage::encodeSjis(text)) != text) {
        return QStringLiteral("レベル%1 の %2 にファイルに書けない文字があります。")
            .arg(level)
            .arg(criteriaColumnName(c));
      }
    }
  }
  return {};
}

CriteriaSave saveCriteriaRows(SharedState& state, const QDateTime& now,
                              const std::vector<QStringList>& rows) {
  if (QString refusal = criteriaRowsRefusal(rows); !refusal.isEmpty()) {
    return {false, refusal + QStringLiteral("\n何も記録していません。")};
  }
  const QString folder = state.programDataFolder;
  const QString path = folder + storage::criteriaFileName();
  // What the file held, for the edit log; a damaged file logs every cell as new.
  auto read = storage::readCriteriaRows(path);
  const std::vector<QStringList> before = read ? std::move(*read) : std::vector<QStringList>();

  auto backup = storage::keepBackup(folder, path, now);
  if (!backup) {
    return {false, backup.error().message + QStringLiteral("\n何も記録していません。")};
  }
  if (Status failure = storage::writeSjisFile(path, storage::criteriaFileText(rows))) {
    return {false, failure->message + QStringLiteral("\n何も記録していません。")};
  }

  CriteriaSave saved{true, {}};
  const auto log = [&](const QString& subject, const QString& old, const QString& next) {
    if (Status failure = storage::appendAuditLine(folder, now, subject, old, next)) {
      if (saved.message.isEmpty()) saved.message = failure->message;
    }
  };
  const std::size_t levels = std::max(rows.size(), before.size());
  bool changed = false;
  for (std::size_t r = 0; r < levels; ++r) {
    for (int c = 1; c <= storage::kCriteriaColumns; ++c) {
      const QString old = cellText(before, r, c);
      const QString next = cellText(rows, r, c);
      if (old != next) {
        log(cellSubject(static_cast<int>(r) + 1, c), old, next);
        changed = true;
      }
    }
  }
  if (!changed) {
    log(QStringLiteral("%1 (変更なし)").arg(storage::criteriaFileName()), {}, {});
  }

  // The rest of the program uses the new criteria at once.
  if (Status failure = storage::loadCriteria(state, path)) {
    saved.message = failure->message;
  }
  return saved;
}

}  // namespace tavelo::maintenance
