#include "storage/roster.h"

#include "core/shared_state.h"
#include "storage/file_names.h"
#include "storage/item_file.h"

#include <array>

namespace tavelo::storage {

namespace {

constexpr int kRosterItems = 8;
constexpr int kNameLength = 20;

QString fixedWidth(const QString& text) {
  return text.left(kNameLength).leftJustified(kNameLength, u' ');
}

}  // namespace

int schoolYearOf(QDate today, int startMonth) {
  return today.month() < startMonth ? today.year() - 1 : today.year();
}

Status loadRoster(SharedState& state, QDate today) {
  const int schoolYear = schoolYearOf(today, state.schoolYearStartMonth.toInt());
  auto file = ItemFile::open(state.dataRoot + rosterFileName());
  if (!file) return file.error();

  // Read into a fresh copy so a bad line leaves the tables as they were.
  auto roster = std::make_unique<RosterState>();
  roster->schoolYear = schoolYear;
  const bool status2Listed = state.rosterStatus2Listed.toInt() == 1;
  while (!file->atEnd()) {
    auto items = file->takeLine(kRosterItems, QStringLiteral("名簿"));
    if (!items) return items.error();
    const int line = file->line();
    const auto bad = [&](const QString& what) {
      return Error{QStringLiteral("%1\n%2 行目: %3").arg(file->path()).arg(line).arg(what)};
    };
    const auto number = [&](int index, const char* what, int low, int high) -> Result<qint16> {
      bool ok = false;
      const int value = items->at(index).trimmed().toInt(&ok);
      if (!ok) {
        return bad(QStringLiteral("%1「%2」が数字ではありません")
                       .arg(QString::fromUtf8(what), items->at(index)));
      }
      if (value < low || value > high) {
        return bad(QStringLiteral("%1 %2 は %3〜%4 の範囲にありません")
                       .arg(QString::fromUtf8(what))
                       .arg(value)
                       .arg(low)
                       .arg(high));
      }
      return static_cast<qint16>(value);
    };
    auto studentNumber = number(0, "番号", 0, kMaxStudent);
    if (!studentNumber) return studentNumber.error();
    auto baseYear = number(1, "年度", -32768, 32767);
    if (!baseYear) return baseYear.error();
    auto status = number(5, "状態", -32768, 32767);
    if (!status) return status.error();

    RosterEntry entry;
    entry.number = *studentNumber;
    entry.baseYear = *baseYear;
    entry.item3 = static_cast<qint16>(std::clamp(itemToInt(items->at(2)), -32768, 32767));
    entry.item4 = static_cast<qint16>(std::clamp(itemToInt(items->at(3)), -32768, 32767));
    entry.name = fixedWidth(items->at(4));
    entry.status = *status == 2 && status2Listed ? qint16{0} : *status;
    entry.item7 = fixedWidth(items->at(6));
    entry.item8 = fixedWidth(items->at(7));

    roster->rosterNames[entry.number] = entry.name;
    roster->rosterBaseYears[entry.number] = entry.baseYear;
    const QString label = gradeLabel(schoolYear - entry.baseYear - 6);
    if (!label.isEmpty()) roster->rosterGradeLabels[entry.number] = label;
    if (entry.status == 0) roster->roster.push_back(std::move(entry));
  }
  static_cast<RosterState&>(state) = std::move(*roster);
  return std::nullopt;
}

int gradeNumber(const SharedState& state, int studentNumber) {
  if (!validStudent(studentNumber)) return 0;
  return state.schoolYear - state.rosterBaseYears[studentNumber] - 6;
}

QString gradeLabel(int grade) {
  static const std::array<const char*, 11> labels{"幼３", "小１", "小２", "小３", "小４", "小５",
                                                  "小６", "中１", "中２", "中３", "高１"};
  return grade >= 0 && grade <= 10 ? QString::fromUtf8(labels[grade]) : QString();
}

QString gradeShortCode(int grade) {
  if (grade < -2) return QStringLiteral("幼-");
  if (grade <= 0) return QStringLiteral("幼%1").arg(grade + 3);
  if (grade <= 6) return QStringLiteral("小%1").arg(grade);
  if (grade <= 9) return QStringLiteral("中%1").arg(grade - 6);
  if (grade <= 12) return QStringLiteral("高%1").arg(grade - 9);
  return QStringLiteral("大+");
}

const QStringList& gradeFilterTexts() {
  static const QStringList filters{
      QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
      QStringLiteral("中３"),   QStringLiteral("中２"),       QStringLiteral("中１"),
      QStringLiteral("小６"),   QStringLiteral("小５"),       QStringLiteral("小４"),
      QStringLiteral("小３"),   QStringLiteral("小２"),       QStringLiteral("小１")};
  return filters;
}

bool gradeMatches(const QString& filter, int grade) {
  if (filter == QStringLiteral("全学年") || filter == QStringLiteral("家族")) return true;
  if (filter == QStringLiteral("小学生全体")) return grade >= 1 && grade <= 6;
  if (filter == QStringLiteral("中学生全体")) return grade >= 7 && grade <= 9;
  for (int d = 1; d <= 9; ++d) {
    if (filter == gradeLabel(d)) return grade == d;
  }
  return false;
}

QString numberMark(int n) {
  static const std::array<const char*, 9> marks{"①", "②", "③", "④", "⑤", "⑥", "Ⅰ", "Ⅱ", "Ⅲ"};
  return n >= 1 && n <= 9 ? QString::fromUtf8(marks[n - 1]) : QStringLiteral("　");
}

}  // namespace tavelo::storage
