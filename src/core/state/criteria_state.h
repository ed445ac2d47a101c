#pragma once

#include "core/state/any_value.h"
#include "core/state/tables.h"

namespace tavelo {

// The level criteria table, one entry per level; entry 0 holds the header line.
struct CriteriaState {
  LevelTable<qint32> criteriaTargetTime{};
  LevelTable<qint32> criteriaMinimumTime{};
  LevelTable<qint32> criteriaClearPoints{};
  LevelTable<qint16> criteriaClearCount{};
  LevelTable<float> criteriaPointFactor{};
  LevelTable<AnyValue> criteriaOverdoCount{};
  LevelTable<AnyValue> criteriaOverdoPoints{};
  LevelTable<AnyValue> criteriaPassDays{};
  LevelTable<AnyValue> criteriaOverdoDays{};
  LevelTable<AnyValue> criteriaSpare10{};
  LevelTable<AnyValue> criteriaSpare11{};
  LevelTable<AnyValue> criteriaSpare12{};
};

}  // namespace tavelo
