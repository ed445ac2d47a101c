#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tavelo {

struct SharedState;
struct RosterEntry;

namespace roster_menu {

// Line 0 of the name list; it stands for "no name chosen".
[[nodiscard]] inline QString separatorLine() {
  return QStringLiteral("－－－－－－");
}

// The four display modes of the name list: which two figures X / Y a line shows.
enum DisplayMode : int {
  kDrillsTodayAndSoFar = 0,   // "回数(今日／今まで）"
  kPointsTodayAndSoFar = 1,   // "ポイント（今日／今まで）"
  kTodayPointsAndDrills = 2,  // "本日（ポイント／回数）"
  kSoFarPointsAndDrills = 3,  // "今まで（ポイント／回数）"
};

// A student's four figures as fixed-width texts (sums over levels 1..35).
struct StudentFigures {
  QString todayDrills;  // "  3回" or five blanks
  QString todayPoints;  // "  42" or two blanks and a full-width blank
  QString drillsSoFar;  // "   12回" or five blanks and a full-width blank
  QString pointsSoFar;  // "    420" or seven blanks
};
[[nodiscard]] StudentFigures studentFigures(const SharedState& state, int student);

// Characters that the grade code, the blank, the name and the filler take together.
[[nodiscard]] int nameColumnWidth(int displayMode, int grade);

// The sort key of one student: base year (four digits), short grade code, a blank, the
// trimmed name, full-width filler up to the column width, X "/" Y, "*" and the number.
// A name too long for its column is cut so that the line keeps its layout.
[[nodiscard]] QString buildKey(const SharedState& state, const RosterEntry& entry, int displayMode);

// The visible line and the hidden entry that a build key gives.
[[nodiscard]] QString lineOfKey(const QString& key);
[[nodiscard]] QString entryOfKey(const QString& key);
// The student number at the end of a hidden entry ("...*12" -> 12); -1 when there is none.
[[nodiscard]] int studentOfEntry(const QString& entry);

// Everything the name list shows and keeps, in the order it is displayed.
struct RosterListing {
  QStringList lines;    // List1: the separator, then one line per shown student
  QStringList keys;     // List2: every listed student's build key, in sorted order
  QStringList entries;  // List3: entry i - 1 belongs to line i
};

// Builds the list from the loaded roster and the current statistics: students ordered by
// age (youngest base year first, then names in reverse text order) and filtered by grade.
[[nodiscard]] RosterListing buildRosterListing(const SharedState& state, int displayMode,
                                               const QString& gradeFilter);

}  // namespace roster_menu
}  // namespace tavelo
