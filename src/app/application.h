#pragma once

#include "core/catalogue.h"
#include "hub/seisekitime1.h"
#include "platform/result.h"
#include "platform/services.h"
#include "roster_menu/namesel.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace tavelo {

struct SharedState;
class Firstfrm;
class FormPrint0;
class FrmTimeData;
namespace platform {
class Dialogs;
}
namespace drill {
class MainFrm;
class WaitingScreen;
}  // namespace drill

// A start-up that found a fault in the installation's files: hides the start-up screen,
// shows the fault and ends the event loop. Returns the exit status, 1.
int failStart(platform::Dialogs& dialogs, QWidget* startUpScreen, const Error& failure);

// Owns the shared state for the whole run and wires the screens together.
class Application final : public Navigator {
 public:
  // services must outlive the application.
  Application(platform::Services& services, QString executableFolder);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Shows the start-up screen; the hand-over follows 100 ms later.
  void start();

  // 0 while running normally; the exit status after a start-up failure.
  [[nodiscard]] int failureStatus() const { return failureStatus_; }
  [[nodiscard]] bool handedOver() const { return handedOver_; }
  [[nodiscard]] SharedState& state() { return *state_; }
  // The loaded screens; nullptr once unloaded.
  [[nodiscard]] QWidget* nameSelection() const {
    return nameSelection_ != nullptr && !nameSelection_->unloaded() ? nameSelection_ : nullptr;
  }
  [[nodiscard]] QWidget* levelHub() const {
    return levelHub_ != nullptr && !levelHub_->unloaded() ? levelHub_ : nullptr;
  }

  void showNameSelection() override;
  void showLevelHub() override;
  void showGameScreen() override;
  // Unloads the hub and shows the criteria editor, which shows the hub again when it closes.
  void showCriteriaEditor() override;
  void endProgram(int status) override;
  // The hub's "印刷": the print settings screen in place of the hub, which comes back
  // when the screen closes.
  void showWorksheetSettings() override;
  [[nodiscard]] QWidget* printSettings() const;
  // The status the program ends with (set by endProgram or a start-up failure).
  [[nodiscard]] int exitStatus() const { return failureStatus_; }

 private:
  void handOver();
  // Name selection and the hub unload each other when they become active.
  void unloadNameSelection();
  void unloadLevelHub();

  platform::Services& services_;
  QString executableFolder_;
  std::unique_ptr<SharedState> state_;
  QPointer<Firstfrm> firstfrm_;
  QPointer<namesel> nameSelection_;
  QPointer<seisekitime1> levelHub_;
  QPointer<FrmTimeData> criteriaEditor_;
  // The waiting screen shared by the screens that replace one another.
  std::unique_ptr<drill::WaitingScreen> waitingScreen_;
  // The game screen of the drill in progress; it deletes itself when the drill ends.
  QPointer<drill::MainFrm> gameScreen_;
  QPointer<FormPrint0> printSettings_;
  int failureStatus_ = 0;
  bool handedOver_ = false;
};

}  // namespace tavelo
