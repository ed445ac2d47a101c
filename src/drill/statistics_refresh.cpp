#include "drill/statistics_refresh.h"

#include "core/catalogue.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "storage/statistics.h"

namespace tavelo::drill {

bool refreshStatisticsOrEnd(SharedState& state, platform::Services& services, Navigator& navigator,
                            QWidget* parent, bool& ending) {
  if (Status failure = storage::computeStatistics(state, services)) {
    ending = true;
    services.dialogs.critical(parent, state.programTitle, failure->message);
    navigator.endProgram(1);
    return false;
  }
  if (!state.resultsWarning.isEmpty() && !state.resultsWarningShown) {
    state.resultsWarningShown = true;
    services.dialogs.warning(parent, state.programTitle, state.resultsWarning);
  }
  return true;
}

}  // namespace tavelo::drill
