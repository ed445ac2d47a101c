#pragma once

#include "hub/list_fields.h"

namespace tavelo::hub {

// What a point ranking orders by first.
enum class PointsOrder { kSoFar = 1, kToday = 2 };

// The group's best times on a level, one line per student of the listed roster who passes
// the grade filter: "12①青木　さく    42 ●". A recorded level lists the fastest first; any
// other level the highest first, students without a record last. Equal times share the rank
// of the first of them; every student of the group takes a rank position, listed or not.
[[nodiscard]] ListEntries timeRanking(const ListContext& context, int level);

// The group ranked by points on a level: by points so far, then today's (kSoFar), or by
// today's, then so far (kToday), both descending and stable. The rank follows the first
// order's points only. Lines "1●青木　さく 8/   30" (today / so far); with kToday students
// without points today take a rank position but get no line.
[[nodiscard]] ListEntries pointRanking(const ListContext& context, int level, PointsOrder order);

// The row of the current student's line, or -1 when the list has none.
[[nodiscard]] int currentStudentRow(const ListContext& context, const ListEntries& entries);

}  // namespace tavelo::hub
