#include "hub/time_lists.h"

#include "core/shared_state.h"
#include "platform/calendar.h"
#include "storage/results_file.h"
#include "storage/statistics.h"

#include <algorithm>
#include <cmath>

namespace tavelo::hub {

namespace {

constexpr int kPersonalDaysBack = 3650;

double nowSerial(const QDateTime& now) {
  return platform::daySerial(now.date()) + platform::dayFraction(now.time());
}

// Calls add(record, number) for every record among the newest `most` that names a real date
// and a level of the catalogue.
template <typename Add>
void eachListedRecord(const ListContext& context, const storage::NewestRecords& newest, qint64 most,
                      Add add) {
  const auto& records = newest.records;
  const auto skip = static_cast<std::size_t>(
      std::max<qint64>(0, static_cast<qint64>(records.size()) - std::max<qint64>(0, most)));
  const int levelCount = std::min<int>(context.state().levelCount, kMaxLevel);
  for (std::size_t i = skip; i < records.size(); ++i) {
    const storage::ResultRecord& r = records[i];
    if (r.level < 1 || r.level > levelCount || !storage::hasValidDate(r)) continue;
    add(r, newest.firstNumber + static_cast<qint64>(i));
  }
}

ListEntry drillEntry(const storage::ResultRecord& r, qint64 number, QString text, int points) {
  ListEntry entry;
  entry.text = std::move(text);
  entry.student = r.student;
  entry.time = r.drillTime;
  entry.points = points;
  entry.date = r.date;
  entry.timeOfDay = r.timeOfDay;
  entry.recordNumber = number;
  return entry;
}

}  // namespace

const QStringList& periodNames() {
  static const QStringList periods{
      QStringLiteral("　　　今週の全成績"), QStringLiteral("　　先週からの全成績"),
      QStringLiteral("　　１ヶ月間の全成績"), QStringLiteral("　　１年間の全成績"),
      QStringLiteral("　　今までの全成績")};
  return periods;
}

int periodDaysBack(int period, QDate today) {
  // Days of the week counted from Sunday = 1.
  const int weekday = today.dayOfWeek() % 7 + 1;
  const bool sunday = weekday == 1;
  switch (period) {
    case 1:
      return sunday ? 7 : weekday - 1;
    case 2:
      return sunday ? 14 : weekday - 1 + 7;
    case 4:
      return 365;
    case 5:
      return 3650;
    default:
      return 30;
  }
}

LevelEntries todaysDrills(const ListContext& context, const storage::NewestRecords& newest,
                          const QDateTime& now) {
  const SharedState& state = context.state();
  const double today = platform::daySerial(now.date());
  LevelEntries lists;
  eachListedRecord(context, newest, kTodayRecords, [&](const storage::ResultRecord& r, qint64 n) {
    if (std::floor(r.date) != today || !context.passes(r.student)) return;
    const QString mark = context.gradeMark(r.student);
    const QString who = mark + drillName(state, r.student) + mark;
    ListEntries& list = lists[static_cast<std::size_t>(r.level)];
    if (failedDrill(r.drillTime)) {
      list.push_back(drillEntry(r, n, failedField() + clockField(r.timeOfDay) + who, 0));
    } else {
      const int points = storage::basePoints(state, r.drillTime, r.level);
      list.push_back(drillEntry(
          r, n,
          timeField(r.drillTime) + u' ' + clockField(r.timeOfDay) + who + QString::number(points),
          points));
    }
  });
  return lists;
}

LevelEntries periodDrills(const ListContext& context, const storage::NewestRecords& newest,
                          const QDateTime& now, int daysBack, DrillsFirst first) {
  const SharedState& state = context.state();
  const double from = nowSerial(now) - daysBack;
  LevelEntries lists;
  eachListedRecord(context, newest, kPeriodRecords, [&](const storage::ResultRecord& r, qint64 n) {
    if (r.date <= from || !context.passes(r.student)) return;
    const QString mark = context.gradeMark(r.student);
    const QString who = mark + drillName(state, r.student) + mark;
    const QString day = dayField(r.date);
    ListEntries& list = lists[static_cast<std::size_t>(r.level)];
    if (failedDrill(r.drillTime)) {
      list.push_back(drillEntry(r, n, failedField() + day + who, 0));
      return;
    }
    const int points = storage::basePoints(state, r.drillTime, r.level);
    const QString text = first == DrillsFirst::kTime
                             ? timeField(r.drillTime) + u' ' + day + who + QString::number(points)
                             : rightField(QString::number(points), 6, 5) + u' ' + day + who +
                                   QString::number(r.drillTime) + u'秒';
    list.push_back(drillEntry(r, n, text, points));
  });
  return lists;
}

LevelEntries personalTimes(const ListContext& context, const storage::NewestRecords& newest,
                           const QDateTime& now) {
  const SharedState& state = context.state();
  const double from = nowSerial(now) - kPersonalDaysBack;
  LevelEntries lists;
  eachListedRecord(context, newest, kPeriodRecords, [&](const storage::ResultRecord& r, qint64 n) {
    if (r.date <= from || !context.isCurrent(r.student) || !context.passes(r.student)) return;
    const QString when = platform::shortDateText(platform::dateFromSerial(r.date)).right(10) +
                         u' ' +
                         platform::shortTimeText(platform::timeFromFraction(r.timeOfDay)).right(10);
    const bool failed = failedDrill(r.drillTime);
    const int points = failed ? 0 : storage::basePoints(state, r.drillTime, r.level);
    lists[static_cast<std::size_t>(r.level)].push_back(
        drillEntry(r, n, when + (failed ? failedField() : timeField(r.drillTime)), points));
  });
  return lists;
}

}  // namespace tavelo::hub
