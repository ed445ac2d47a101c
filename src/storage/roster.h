#pragma once

#include "platform/result.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace tavelo {
struct SharedState;
}

namespace tavelo::storage {

// The school year of a date: the calendar year, minus 1 before the start month.
[[nodiscard]] int schoolYearOf(QDate today, int startMonth);

// Reads the roster into the roster tables. An Error names the file and the line.
[[nodiscard]] Status loadRoster(SharedState& state, QDate today);

// Grade number of a student: schoolYear - base year - 6 (1 = first year of primary school).
[[nodiscard]] int gradeNumber(const SharedState& state, int studentNumber);
// Full-width label ("小１"), empty where the grade has none.
[[nodiscard]] QString gradeLabel(int grade);
// Short code for the name list ("小1", "幼-", "大+").
[[nodiscard]] QString gradeShortCode(int grade);
// The items of the grade filter boxes of name selection and the hub, in their order.
[[nodiscard]] const QStringList& gradeFilterTexts();
// The grade filter of the name list and the hub: "全学年", "小学生全体", "小１" ...
[[nodiscard]] bool gradeMatches(const QString& filter, int grade);
// "①".."⑥" for 1..6, "Ⅰ".."Ⅲ" for 7..9, a full-width blank otherwise.
[[nodiscard]] QString numberMark(int n);

}  // namespace tavelo::storage
