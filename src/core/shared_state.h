#pragma once

#include "core/state/catalogue_state.h"
#include "core/state/config_state.h"
#include "core/state/criteria_state.h"
#include "core/state/results_state.h"
#include "core/state/roster_state.h"
#include "core/state/sound_state.h"
#include "core/state/statistics_state.h"

namespace tavelo {

// Level hub bookkeeping that other screens read.
struct HubState {
  qint16 goalPassed = 0;
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
                     HubState {
  SharedState() = default;
  SharedState(const SharedState&) = delete;
  SharedState& operator=(const SharedState&) = delete;
};

}  // namespace tavelo
