#include "hub/rankings.h"

#include "core/shared_state.h"

#include <algorithm>

namespace tavelo::hub {

namespace {

constexpr qint32 kFailedKey = 99998;

struct Ranked {
  int student = 0;
  qint32 primary = 0;
  qint32 secondary = 0;
};

// The group in roster order, stably sorted so that `before` puts a student ahead.
template <typename Key, typename Before>
std::vector<Ranked> orderedGroup(const SharedState& state, Key key, Before before) {
  std::vector<Ranked> group;
  group.reserve(state.roster.size());
  for (const RosterEntry& e : state.roster) group.push_back(key(e.number));
  std::stable_sort(group.begin(), group.end(), before);
  return group;
}

}  // namespace

ListEntries timeRanking(const ListContext& context, int level) {
  const SharedState& state = context.state();
  const bool recorded = state.levelRecorded[level] == 1;
  // On a level that is not recorded the highest value is best and no record goes last.
  const auto key = [&](int student) {
    qint32 k = state.bestTime(student, level);
    if (!recorded && k == kTimedOut) k = -kTimedOut;
    return Ranked{student, k, 0};
  };
  const auto before = [recorded](const Ranked& a, const Ranked& b) {
    return recorded ? a.primary < b.primary : a.primary > b.primary;
  };
  const std::vector<Ranked> group = orderedGroup(state, key, before);

  ListEntries lines;
  int rank = 0;
  for (std::size_t p = 0; p < group.size(); ++p) {
    const Ranked& g = group[p];
    if (p == 0 || g.primary != group[p - 1].primary) rank = static_cast<int>(p) + 1;
    if (!context.passes(g.student)) continue;
    const QString mark2 = context.isCurrent(g.student) ? QStringLiteral("●") : QStringLiteral("　");
    const QString head = context.gradeMark(g.student) + rankingName(state, g.student);
    QString text;
    if (g.primary == kFailedKey) {
      text = rankText(rank) + head + QStringLiteral("*失敗* ") + mark2;
    } else if (g.primary == kTimedOut) {
      text = QStringLiteral("--") + head + QStringLiteral("------ ") + mark2;
    } else {
      text = rankText(rank) + head + rightField(QString::number(g.primary), 4, 6) + u' ' + mark2;
    }
    ListEntry entry;
    entry.text = std::move(text);
    entry.student = g.student;
    entry.rank = rank;
    entry.time = g.primary;
    entry.points = state.totalPoints(g.student, level);
    entry.pointsToday = state.todayPoints(g.student, level);
    lines.push_back(std::move(entry));
  }
  return lines;
}

ListEntries pointRanking(const ListContext& context, int level, PointsOrder order) {
  const SharedState& state = context.state();
  const bool today = order == PointsOrder::kToday;
  const auto key = [&](int student) {
    const qint32 soFar = state.totalPoints(student, level);
    const qint32 todays = state.todayPoints(student, level);
    return today ? Ranked{student, todays, soFar} : Ranked{student, soFar, todays};
  };
  // Both points compared in full: secondary points of any size never overtake the primary.
  const auto before = [](const Ranked& a, const Ranked& b) {
    return a.primary != b.primary ? a.primary > b.primary : a.secondary > b.secondary;
  };
  const std::vector<Ranked> group = orderedGroup(state, key, before);

  ListEntries lines;
  int rank = 0;
  for (std::size_t p = 0; p < group.size(); ++p) {
    const Ranked& g = group[p];
    if (p == 0 || g.primary != group[p - 1].primary) rank = static_cast<int>(p) + 1;
    const qint32 soFar = today ? g.secondary : g.primary;
    const qint32 todays = today ? g.primary : g.secondary;
    if (!context.passes(g.student) || (today && todays == 0)) continue;
    ListEntry entry;
    entry.text = rankText(rank) + context.gradeMark(g.student) + rankingName(state, g.student) +
                 rightField(QString::number(todays), 4, 3) + u'/' +
                 rightField(QString::number(soFar), 4, 5);
    entry.student = g.student;
    entry.rank = rank;
    entry.time = state.bestTime(g.student, level);
    entry.points = soFar;
    entry.pointsToday = todays;
    lines.push_back(std::move(entry));
  }
  return lines;
}

int currentStudentRow(const ListContext& context, const ListEntries& entries) {
  const auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const ListEntry& e) { return context.isCurrent(e.student); });
  return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

}  // namespace tavelo::hub
