#pragma once

class QWidget;

namespace tavelo {

struct SharedState;
class Navigator;
namespace platform {
struct Services;
}

namespace drill {

// Recomputes the statistics for a screen that cannot go on without them. Shows the results
// file's warning once per start. When the file cannot be read, sets ending (before anything
// lets events run), shows why and ends the program; returns false then.
bool refreshStatisticsOrEnd(SharedState& state, platform::Services& services, Navigator& navigator,
                            QWidget* parent, bool& ending);

}  // namespace drill
}  // namespace tavelo
