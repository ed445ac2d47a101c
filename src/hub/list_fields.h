#pragma once

#include "core/state/tables.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace tavelo {

struct SharedState;

namespace hub {

// One line of a results list with the figures it was made from, so that other reports can
// read a student's rank or points without parsing the text.
struct ListEntry {
  QString text;         // the line as the list shows it
  int student = 0;      // roster number of the line's student
  int rank = 0;         // rankings: the rank shown; drill lists: 0
  qint32 time = 0;      // time ranking: the key (best time; 99999 none); drills: the drill time
  int points = 0;       // point rankings: points so far; drills: the drill's points
  int pointsToday = 0;  // point rankings: points today
  double date = 0;      // drills: day serial and fraction of the day of the record
  double timeOfDay = 0;
  qint64 recordNumber = 0;  // drills: the record's number in the results file (from 1)
};
using ListEntries = std::vector<ListEntry>;
// The entries of every level's list, indexed by level 1..levelCount.
using LevelEntries = std::array<ListEntries, kLevelSlots>;

[[nodiscard]] QStringList linesOf(const ListEntries& entries);

// Who the lines are for: the current student and the text of the grade filter.
class ListContext {
 public:
  ListContext(const SharedState& state, QString gradeFilter);
  [[nodiscard]] const SharedState& state() const { return state_; }
  [[nodiscard]] bool isCurrent(int student) const;
  // The student's grade passes the grade filter.
  [[nodiscard]] bool passes(int student) const;
  // "●" for the current student, otherwise the grade's number mark ("①", "Ⅱ", "　").
  [[nodiscard]] QString gradeMark(int student) const;

 private:
  const SharedState& state_;
  QString filter_;
};

// Fixed-width fields. Numbers are right-aligned by prefixing half-width blanks and keeping
// the last characters; names are padded with full-width blanks and cut.

// text after `pad` half-width blanks, of which the last `width` characters.
[[nodiscard]] QString rightField(const QString& text, int pad, int width);
// The rank in at most two characters: "7", "12", "00" for 100.
[[nodiscard]] QString rankText(int rank);
// Name in drill lists: trimmed, four full-width blanks added, first 5 characters. A record
// of a student the roster cannot have (0 or out of range) has an empty name.
[[nodiscard]] QString drillName(const SharedState& state, int student);
// Name in rankings: trailing blanks removed, six full-width blanks added, first 5 characters.
[[nodiscard]] QString rankingName(const SharedState& state, int student);
// "  42秒": the drill time and "秒" in 5 characters.
[[nodiscard]] QString timeField(qint32 drillTime);
// "02/10": month and day of a day serial, from the short date text.
[[nodiscard]] QString dayField(double date);
// "09:05": hours and minutes of a fraction of a day, from the time text.
[[nodiscard]] QString clockField(double timeOfDay);
// "　　× ": the time field of a failed drill.
[[nodiscard]] QString failedField();
// A drill time of 90000 or more is a failed drill in the lists.
[[nodiscard]] constexpr bool failedDrill(qint32 drillTime) {
  return drillTime >= 90000;
}

}  // namespace hub
}  // namespace tavelo
