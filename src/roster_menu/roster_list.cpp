#include "roster_menu/roster_list.h"

#include "core/shared_state.h"
#include "storage/roster.h"
#include "storage/text_items.h"

#include <algorithm>
#include <cmath>

namespace tavelo::roster_menu {

namespace {

const QChar kWideBlank(0x3000);

// The number right-aligned in a field of n characters. A number wider than the field is
// shown whole rather than losing its leading digits; only that line loses its alignment.
QString rightAligned(qint64 value, int n) {
  const QString digits = QString::number(value);
  return digits.size() >= n ? digits : QString(n - digits.size(), u' ') + digits;
}

struct Sums {
  qint64 todayDrills = 0;
  qint64 todayPoints = 0;
  qint64 drillsSoFar = 0;
  qint64 pointsSoFar = 0;
};

Sums sumsOf(const SharedState& state, int student) {
  Sums sums;
  double todayDrills = 0;
  for (int level = 1; level <= kMaxLevel; ++level) {
    todayDrills += state.todayCount(student, level);
    sums.todayPoints += state.todayPoints(student, level);
    sums.drillsSoFar += state.completedCount(student, level);
    sums.pointsSoFar += state.totalPoints(student, level);
  }
  sums.todayDrills = std::llround(todayDrills);
  return sums;
}

struct Row {
  QString key;
  int grade = 0;
};

}  // namespace

StudentFigures studentFigures(const SharedState& state, int student) {
  const Sums sums = sumsOf(state, student);
  StudentFigures figures;
  figures.todayDrills =
      sums.todayDrills != 0 ? rightAligned(sums.todayDrills, 3) + u'回' : QStringLiteral("     ");
  figures.todayPoints =
      sums.todayPoints != 0 ? rightAligned(sums.todayPoints, 4) : QStringLiteral("  　");
  figures.drillsSoFar =
      sums.drillsSoFar != 0 ? rightAligned(sums.drillsSoFar, 5) + u'回' : QStringLiteral("     　");
  figures.pointsSoFar =
      sums.pointsSoFar != 0 ? rightAligned(sums.pointsSoFar, 7) : QStringLiteral("       ");
  return figures;
}

int nameColumnWidth(int displayMode, int grade) {
  if (displayMode == kPointsTodayAndSoFar) {
    return 9;
  }
  return grade <= 0 ? 11 : 9;
}

QString buildKey(const SharedState& state, const RosterEntry& entry, int displayMode) {
  const int grade = state.schoolYear - entry.baseYear - 6;
  const QString code = storage::gradeShortCode(grade);
  const int width = nameColumnWidth(displayMode, grade);
  // A name longer than its column is cut: the line must keep the code and the name first,
  // the figures after them and the number at the end.
  const int nameRoom = std::max<int>(0, width - static_cast<int>(code.size()) - 1);
  const QString name = storage::trimBlanks(entry.name).left(nameRoom);
  const qsizetype filler = std::max<qsizetype>(0, width - (code.size() + 1 + name.size()));

  const StudentFigures f = studentFigures(state, entry.number);
  QString x;
  QString y;
  switch (displayMode) {
    case kDrillsTodayAndSoFar:
      x = f.todayDrills;
      y = f.drillsSoFar;
      break;
    case kTodayPointsAndDrills:
      x = f.todayPoints;
      y = f.todayDrills;
      break;
    case kSoFarPointsAndDrills:
      x = f.pointsSoFar;
      y = f.drillsSoFar;
      break;
    default:  // kPointsTodayAndSoFar
      x = f.todayPoints;
      y = f.pointsSoFar;
      break;
  }
  // The base year always takes four characters, so that the list sorts by it.
  const QString year =
      QStringLiteral("%1").arg(std::clamp<int>(entry.baseYear, 0, 9999), 4, 10, QLatin1Char('0'));
  return year + code + u' ' + name + QString(filler, kWideBlank) + x + u'/' + y + u'*' +
         QString::number(entry.number);
}

QString lineOfKey(const QString& key) {
  return key.mid(4, key.lastIndexOf(u'*') - 4);
}

QString entryOfKey(const QString& key) {
  return key.mid(4);
}

int studentOfEntry(const QString& entry) {
  // The number follows the last "*": a "*" inside a name must not pick another student.
  const qsizetype star = entry.lastIndexOf(u'*');
  if (star < 0) {
    return -1;
  }
  bool ok = false;
  const int number = entry.mid(star + 1).toInt(&ok);
  return ok && validStudent(number) ? number : -1;
}

RosterListing buildRosterListing(const SharedState& state, int displayMode,
                                 const QString& gradeFilter) {
  std::vector<Row> rows;
  rows.reserve(state.roster.size());
  for (const RosterEntry& entry : state.roster) {
    rows.push_back({buildKey(state, entry, displayMode), state.schoolYear - entry.baseYear - 6});
  }
  // The hidden key list sorts as text, ignoring case.
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return QString::compare(a.key, b.key, Qt::CaseInsensitive) < 0;
  });

  RosterListing listing;
  listing.lines.reserve(static_cast<qsizetype>(rows.size()) + 1);
  listing.keys.reserve(static_cast<qsizetype>(rows.size()));
  listing.entries.reserve(static_cast<qsizetype>(rows.size()));
  listing.lines.append(separatorLine());
  for (const Row& row : rows) {
    listing.keys.append(row.key);
  }
  // Walked backwards: the youngest come first.
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (storage::gradeMatches(gradeFilter, it->grade)) {
      listing.lines.append(lineOfKey(it->key));
      listing.entries.append(entryOfKey(it->key));
    }
  }
  return listing;
}

}  // namespace tavelo::roster_menu
