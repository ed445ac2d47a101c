#pragma once

namespace tavelo {

struct SharedState;

namespace platform {
class EventPump;
}

// The screens that core routines open. The application wires the real screens; a test
// wires whatever it needs.
class Navigator {
 public:
  virtual ~Navigator() = default;
  virtual void showNameSelection() = 0;
  virtual void showLevelHub() = 0;
  virtual void showGameScreen() = 0;
  // Teacher screens. Each unloads the hub while it is open and shows the hub again
  // (a fresh activation) when it closes. A navigator without them does nothing.
  virtual void showCriteriaEditor() {}
  virtual void showRecordsEditor() {}
  virtual void showWorksheetSettings() {}
  // Closes every window, last opened first, and ends the program with the status.
  virtual void endProgram(int status) = 0;
};

// Program identity: title and the hub's switches.
void setProgramIdentity(SharedState& state);
// Fills the level catalogue only; openOwnLevelCatalogue also shows the hub.
void buildLevelCatalogue(SharedState& state);
void openOwnLevelCatalogue(SharedState& state, Navigator& navigator);
[[nodiscard]] bool isPracticeLevel(const SharedState& state, int levelIndex);
// Resets the drill flags and shows the game screen for state.levelIndex.
void startDrill(SharedState& state, Navigator& navigator, platform::EventPump& events);

}  // namespace tavelo
