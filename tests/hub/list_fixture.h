#pragma once

#include "core/shared_state.h"
#include "hub/list_fields.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavelo::testing {

// A small group for the list builders: five levels (target 30 s, factor 1.5), school year
// 2026, and the students added by addStudent in roster order. Student 1 is the current one.
class ListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    state->levelCount = 5;
    for (int l = 1; l <= 5; ++l) {
      state->levelRecorded[l] = 1;
      state->criteriaTargetTime[l] = 30;
      state->criteriaPointFactor[l] = 1.5F;
    }
    state->schoolYear = 2026;
    state->studentIndex = 1;
  }
  // grade 1 = 小１; the name is stored blank-padded as the roster reader stores it.
  void addStudent(int number, const QString& name, int grade) const {
    RosterEntry e;
    e.number = static_cast<qint16>(number);
    e.baseYear = static_cast<qint16>(state->schoolYear - grade - 6);
    e.name = name.leftJustified(20, u' ');
    state->rosterNames[static_cast<std::size_t>(number)] = e.name;
    state->rosterBaseYears[static_cast<std::size_t>(number)] = e.baseYear;
    state->roster.push_back(e);
  }
  [[nodiscard]] hub::ListContext context(const QString& filter = QStringLiteral("全学年")) const {
    return hub::ListContext(*state, filter);
  }
  static std::vector<int> ranks(const hub::ListEntries& entries) {
    std::vector<int> r;
    for (const auto& e : entries) r.push_back(e.rank);
    return r;
  }
  static QStringList texts(const hub::ListEntries& entries) { return hub::linesOf(entries); }

  std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
};

}  // namespace tavelo::testing
