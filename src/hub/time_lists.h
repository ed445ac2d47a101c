#pragma once

#include "hub/list_fields.h"

#include <QDateTime>

namespace tavelo::storage {
struct NewestRecords;
}

namespace tavelo::hub {

// How many of the newest records each drill list looks at.
inline constexpr qint64 kTodayRecords = 1000;
inline constexpr qint64 kPeriodRecords = 20000;

// The periods of the all-drills list, 1..5 (this week, since last week, 30 days, 365 days,
// 3650 days), as the period box names them.
[[nodiscard]] const QStringList& periodNames();
// Days back from now that a period covers. Weeks start on Monday: this week is 1 day on a
// Monday and 7 on a Sunday; since last week adds 7 more.
[[nodiscard]] int periodDaysBack(int period, QDate today);

// What the all-drills list shows first: the drill time (time mode) or the points.
enum class DrillsFirst { kTime, kPoints };

// Today's drills among the newest kTodayRecords records, under their levels in file order:
// "  42秒 09:05①青木　さく①33" (time, clock, mark, name, mark, points), or
// "　　× 09:05●青木　さく●" for a failed drill. Records of levels above levelCount, and of
// students the grade filter hides, are left out.
[[nodiscard]] LevelEntries todaysDrills(const ListContext& context,
                                        const storage::NewestRecords& newest, const QDateTime& now);

// The drills dated after now minus daysBack among the newest kPeriodRecords records:
// "  42秒 12/10①青木　さく①33" in time mode, "   33 12/10①青木　さく①42秒" with points
// first, "　　× 12/10①青木　さく①" for a failed drill.
[[nodiscard]] LevelEntries periodDrills(const ListContext& context,
                                        const storage::NewestRecords& newest, const QDateTime& now,
                                        int daysBack, DrillsFirst first);

// The current student's own drills of the last 3650 days among the newest kPeriodRecords
// records: "2026/12/10 9:05:03  42秒", and "2026/12/10 9:05:03　　× " for a failed drill.
[[nodiscard]] LevelEntries personalTimes(const ListContext& context,
                                         const storage::NewestRecords& newest,
                                         const QDateTime& now);

}  // namespace tavelo::hub
