#include "storage/criteria.h"

#include "core/shared_state.h"
#include "storage/item_file.h"
#include "storage/sjis.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace tavelo::storage {

namespace {

struct CriteriaRow {
  qint32 targetTime = 0;
  qint32 minimumTime = 0;
  qint32 clearPoints = 0;
  qint16 clearCount = 0;
  float pointFactor = 0;
  std::array<AnyValue, 7> anyColumns{};  // columns 6..12
};

qint16 toInt16(const QString& item) {
  const int value = itemToInt(item);
  return static_cast<qint16>(std::clamp(value, -32768, 32767));
}

CriteriaRow parseRow(const QStringList& items) {
  CriteriaRow row;
  row.targetTime = itemToInt(items[0]);
  row.minimumTime = itemToInt(items[1]);
  row.clearPoints = itemToInt(items[2]);
  row.clearCount = toInt16(items[3]);
  row.pointFactor = static_cast<float>(leadingNumber(items[4]));
  for (std::size_t k = 0; k < row.anyColumns.size(); ++k) {
    row.anyColumns[k] = AnyValue(items[5 + static_cast<qsizetype>(k)]);
  }
  return row;
}

void store(SharedState& s, int level, const CriteriaRow& row) {
  s.criteriaTargetTime[level] = row.targetTime;
  s.criteriaMinimumTime[level] = row.minimumTime;
  s.criteriaClearPoints[level] = row.clearPoints;
  s.criteriaClearCount[level] = row.clearCount;
  s.criteriaPointFactor[level] = row.pointFactor;
  s.criteriaOverdoCount[level] = row.anyColumns[0];
  s.criteriaOverdoPoints[level] = row.anyColumns[1];
  s.criteriaPassDays[level] = row.anyColumns[2];
  s.criteriaOverdoDays[level] = row.anyColumns[3];
  s.criteriaSpare10[level] = row.anyColumns[4];
  s.criteriaSpare11[level] = row.anyColumns[5];
  s.criteriaSpare12[level] = row.anyColumns[6];
}

// The shortest text that reads back as the same float: 1.2 stays "1.2".
QString numberText(float value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

}  // namespace

Status loadCriteria(SharedState& state, const QString& path) {
  auto file = ItemFile::open(path);
  if (!file) {
    return file.error();
  }
  std::vector<CriteriaRow> rows;
  while (!file->atEnd()) {
    if (rows.size() == kLevelSlots) {
      return Error{
          QStringLiteral("%1\n%2 行目: 行が多すぎます（見出しとレベル 1〜%3 の %4 行までです）")
              .arg(path)
              .arg(file->line() + 1)
              .arg(kMaxLevel)
              .arg(kLevelSlots)};
    }
    auto items = file->take(kCriteriaColumns, QStringLiteral("条件"));
    if (!items) {
      return items.error();
    }
    rows.push_back(parseRow(*items));
  }
  for (std::size_t level = 0; level < rows.size(); ++level) {
    store(state, static_cast<int>(level), rows[level]);
  }
  return std::nullopt;
}

const QStringList& criteriaHeaderTitles() {
  static const QStringList titles{QStringLiteral("目標Time"),
                                  QStringLiteral("最低Time"),
                                  QStringLiteral("ｸﾘｱﾎﾟｲﾝﾄ"),
                                  QStringLiteral("ｸﾘｱ回数"),
                                  QStringLiteral("ﾎﾟｲﾝﾄ倍率"),
                                  QStringLiteral("禁回"),
                                  QStringLiteral("禁点"),
                                  QStringLiteral("判期間"),
                                  QStringLiteral("禁期間"),
                                  QString(),
                                  QString(),
                                  QString()};
  return titles;
}

Result<std::vector<QStringList>> readCriteriaRows(const QString& path) {
  auto file = ItemFile::open(path);
  if (!file) {
    return file.error();
  }
  std::vector<QStringList> rows;
  bool header = true;
  while (!file->atEnd()) {
    auto items = file->take(kCriteriaColumns, QStringLiteral("条件"));
    if (!items) {
      return items.error();
    }
    if (!header) {
      rows.push_back(std::move(*items));
    }
    header = false;
  }
  return rows;
}

QString criteriaFileText(const std::vector<QStringList>& rows) {
  QString text = criteriaHeaderTitles().join(u',') + QStringLiteral("\r\n");
  for (const QStringList& row : rows) {
    // Unquoted, as the other programs of the installation expect.
    text += row.join(u',') + QStringLiteral("\r\n");
  }
  return text;
}

Status saveCriteria(const SharedState& s, const QString& path, int lastLevel) {
  std::vector<QStringList> rows;
  for (int l = 1; l <= std::min(lastLevel, kMaxLevel); ++l) {
    rows.push_back(
        {QString::number(s.criteriaTargetTime[l]), QString::number(s.criteriaMinimumTime[l]),
         QString::number(s.criteriaClearPoints[l]), QString::number(s.criteriaClearCount[l]),
         numberText(s.criteriaPointFactor[l]), s.criteriaOverdoCount[l].text(),
         s.criteriaOverdoPoints[l].text(), s.criteriaPassDays[l].text(),
         s.criteriaOverdoDays[l].text(), s.criteriaSpare10[l].text(), s.criteriaSpare11[l].text(),
         s.criteriaSpare12[l].text()});
  }
  return writeSjisFile(path, criteriaFileText(rows));
}

}  // namespace tavelo::storage
