#include "hub/list_fields.h"

#include "core/shared_state.h"
#include "platform/calendar.h"
#include "storage/roster.h"
#include "storage/text_items.h"

namespace tavelo::hub {

namespace {

QString rosterName(const SharedState& state, int student) {
  if (student == 0 || !validStudent(student)) return {};
  return state.rosterNames[static_cast<std::size_t>(student)];
}

}  // namespace

QStringList linesOf(const ListEntries& entries) {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(entries.size()));
  for (const ListEntry& e : entries) lines.append(e.text);
  return lines;
}

ListContext::ListContext(const SharedState& state, QString gradeFilter)
    : state_(state), filter_(std::move(gradeFilter)) {}

bool ListContext::isCurrent(int student) const {
  return student == state_.studentIndex;
}

bool ListContext::passes(int student) const {
  return storage::gradeMatches(filter_, storage::gradeNumber(state_, student));
}

QString ListContext::gradeMark(int student) const {
  return isCurrent(student) ? QStringLiteral("●")
                            : storage::numberMark(storage::gradeNumber(state_, student));
}

QString rightField(const QString& text, int pad, int width) {
  return (QString(pad, u' ') + text).right(width);
}

QString rankText(int rank) {
  return QString::number(rank).right(2);
}

QString drillName(const SharedState& state, int student) {
  return (storage::trimBlanks(rosterName(state, student)) + QStringLiteral("　　　　")).left(5);
}

QString rankingName(const SharedState& state, int student) {
  QString name = rosterName(state, student);
  while (name.endsWith(u' ')) name.chop(1);
  return (name + QStringLiteral("　　　　　　")).left(5);
}

QString timeField(qint32 drillTime) {
  return rightField(QString::number(drillTime) + u'秒', 6, 5);
}

QString dayField(double date) {
  return platform::shortDateText(platform::dateFromSerial(date)).right(5);
}

QString clockField(double timeOfDay) {
  return (QStringLiteral("00") + platform::shortTimeText(platform::timeFromFraction(timeOfDay)))
      .right(8)
      .left(5);
}

QString failedField() {
  return QStringLiteral("　　× ");
}

}  // namespace tavelo::hub
