#include "hub/column_texts.h"

#include "core/shared_state.h"

#include <cmath>

namespace tavelo::hub {

namespace {

constexpr int kNoClearPoints = 9999;
constexpr int kSecondsPerDay = 24 * 60 * 60;

// A criteria item that may be a number or text, in its shortest decimal form.
QString anyText(const AnyValue& value) {
  return value.isNumber() ? QString::number(value.number(), 'g', 15) : value.text();
}

QString floatText(float value) {
  return QString::number(static_cast<double>(value), 'g', 7);
}

}  // namespace

QString passWindowLine(const SharedState& state, int student, int level) {
  return QStringLiteral("最近%1日=%2回 / %3点")
      .arg(anyText(state.criteriaPassDays[level]))
      .arg(state.passWindowCount(student, level))
      .arg(state.passWindowPoints(student, level));
}

QString criteriaLine(const SharedState& state, int level) {
  const QString target = QString::number(state.criteriaTargetTime[level]);
  if (state.levelRecorded[level] != 1) {
    return QStringLiteral("◎=") + target + QStringLiteral("点以上");
  }
  if (state.criteriaClearPoints[level] == kNoClearPoints) {
    return QStringLiteral("目標=") + target + QStringLiteral("秒 --------");
  }
  return QStringLiteral("目標=%1秒 %2回/%3点(×%4)")
      .arg(target)
      .arg(state.criteriaClearCount[level])
      .arg(state.criteriaClearPoints[level])
      .arg(floatText(state.criteriaPointFactor[level]));
}

QString todayLine(const SharedState& state, int student, int level) {
  const float count = state.todayCount(student, level);
  if (count == 0) {
    return QStringLiteral("-----");
  }
  return floatText(count) + QStringLiteral("回/") +
         QString::number(state.todayPoints(student, level)) + u'点';
}

QString soFarLine(const SharedState& state, int student, int level) {
  const int count = state.completedCount(student, level);
  if (count == 0) {
    return QStringLiteral("------");
  }
  return QString::number(count) + QStringLiteral("回/") +
         QString::number(state.totalPoints(student, level)) + u'点';
}

QString minutesLine(int secondsNow, int studentStartSeconds) {
  int elapsed = secondsNow - studentStartSeconds;
  if (elapsed < -kSecondsPerDay / 2) {
    elapsed += kSecondsPerDay;  // the name was confirmed before midnight
  } else if (elapsed < 0) {
    elapsed = 0;  // the start was rounded up to the next second
  }
  return QStringLiteral("起動後") + QString::number(elapsed / 60) + u'分';
}

qint16 totalTriesToday(const SharedState& state, int student) {
  qint16 total = 0;
  for (int level = 1; level <= kMaxLevel; ++level) {
    total = static_cast<qint16>(std::lround(total + state.todayCount(student, level)));
  }
  return total;
}

}  // namespace tavelo::hub
