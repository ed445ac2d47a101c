#pragma once

#include "core/state/tables.h"

#include <QString>

#include <array>
#include <vector>

namespace tavelo {

struct RosterEntry {
  qint16 number = 0;
  qint16 baseYear = 0;
  qint16 item3 = 0;
  qint16 item4 = 0;
  QString name;  // 20 characters, blank-padded
  qint16 status = 0;
  QString item7;
  QString item8;
};

// The roster: listed entries in file order, and per-number tables for every line.
struct RosterState {
  std::vector<RosterEntry> roster;  // position 1..rosterCount is roster[0..rosterCount-1]
  std::array<QString, kStudentSlots> rosterNames{};
  std::array<qint16, kStudentSlots> rosterBaseYears{};
  std::array<QString, kStudentSlots> rosterGradeLabels{};
  int schoolYear = 0;

  [[nodiscard]] int rosterCount() const { return static_cast<int>(roster.size()); }
};

}  // namespace tavelo
