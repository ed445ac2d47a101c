#pragma once

#include "core/state/catalogue_state.h"
#include "core/state/config_state.h"
#include "core/state/criteria_state.h"
#include "core/state/print_state.h"
#include "core/state/results_state.h"
#include "core/state/roster_state.h"
#include "core/state/sound_state.h"
#include "core/state/statistics_state.h"

namespace tavelo {

// Level hub bookkeeping that other screens read, and what the hub keeps between its loads.
struct HubState {
  qint16 goalPassed = 0;
  QString gradeFilter;      // the grade filter last chosen on name selection
  qint16 hubScrollPos = 0;  // the hub's remembered scroll position
  qint16 listShown = 0;     // 1 best times, 2 today, 3 all results or per-person times
};

// The one record of program state, alive from start-up to exit. The application owns it
// and hands it to every screen by reference; each group of fields is filled by the
// subsystem named in its header.
struct SharedState : CatalogueState,
                     CurrentStudentState,
                     DrillState,
                     ConfigState,
                     CriteriaState,
                     ResultsState,
                     StatisticsState,
                     RosterState,
                     SoundState,
                     HubState,
                     PrintState {
  SharedState() = default;
  SharedState(const SharedState&) = delete;
  SharedState& operator=(const SharedState&) = delete;
};

}  // namespace tavelo
