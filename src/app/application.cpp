#include "app/application.h"

#include "core/shared_state.h"
#include "core/startup.h"
#include "drill/game_screen.h"
#include "drill/waiting_screen.h"
#include "maintenance/frm_time_data.h"
#include "platform/dialogs.h"
#include "printing/print_settings_screen.h"
#include "storage/configuration.h"

#include <QApplication>

namespace tavelo {

int failStart(platform::Dialogs& dialogs, QWidget* startUpScreen, const Error& failure) {
  // Nothing else is shown and nothing is written: the teacher must mend the file first.
  if (startUpScreen != nullptr) startUpScreen->hide();
  dialogs.critical(nullptr, QStringLiteral("Tavelo 起動エラー"), failure.message);
  QCoreApplication::exit(1);
  return 1;
}

Application::Application(platform::Services& services, QString executableFolder)
    : services_(services),
      executableFolder_(std::move(executableFolder)),
      state_(std::make_unique<SharedState>()),
      waitingScreen_(std::make_unique<drill::WaitingScreen>()) {}

Application::~Application() {
  delete firstfrm_;
  delete nameSelection_;
  delete levelHub_;
  delete gameScreen_;
  delete printSettings_;
  delete criteriaEditor_;
}

void Application::start() {
  firstfrm_ = new Firstfrm(*state_, services_, [this] { handOver(); });
  firstfrm_->setAttribute(Qt::WA_DeleteOnClose);
  firstfrm_->startUp();
}

void Application::handOver() {
  handedOver_ = true;
  if (Status failure = storage::loadConfiguration(*state_, executableFolder_)) {
    failureStatus_ = failStart(services_.dialogs, firstfrm_, *failure);
    return;
  }
  showNameSelection();
  // Name selection lets events run while it loads: the start-up screen may have been
  // closed and deleted meanwhile.
  if (firstfrm_ != nullptr) {
    firstfrm_->close();
  }
}

void Application::showNameSelection() {
  if (nameSelection_ == nullptr || nameSelection_->unloaded()) {
    // A fresh screen each time: mode and filter start afresh.
    auto* screen = new namesel(*state_, services_, *this);
    screen->unloadLevelHub = [this] { unloadLevelHub(); };
    nameSelection_ = screen;
    screen->Form_Load();
    return;
  }
  nameSelection_->show();
  nameSelection_->raise();
  nameSelection_->activateWindow();
  nameSelection_->Form_Activate();
}

void Application::showLevelHub() {
  if (levelHub_ == nullptr || levelHub_->unloaded()) {
    auto* hub = new seisekitime1(*state_, services_, *this);
    hub->unloadNameSelection = [this] { unloadNameSelection(); };
    levelHub_ = hub;
  }
  levelHub_->show();
  levelHub_->raise();
  levelHub_->activateWindow();
  levelHub_->activate();
}

void Application::showWorksheetSettings() {
  if (printSettings_ == nullptr) {
    auto* screen = new FormPrint0(*state_, services_);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    // Shown before the screen hides, so the program never runs out of windows.
    screen->closing = [this] { showLevelHub(); };
    printSettings_ = screen;
    unloadLevelHub();
    screen->show();
    screen->Form_Load();
  }
  printSettings_->show();
  printSettings_->raise();
  printSettings_->activateWindow();
}

QWidget* Application::printSettings() const {
  return printSettings_;
}

void Application::unloadNameSelection() {
  if (nameSelection_ != nullptr && !nameSelection_->unloaded()) {
    nameSelection_->unload();
  }
}

void Application::unloadLevelHub() {
  if (levelHub_ != nullptr && !levelHub_->unloaded()) {
    levelHub_->unload();
  }
}

void Application::showGameScreen() {
  // One game screen per drill: a screen that is still open keeps its drill.
  if (gameScreen_ != nullptr && gameScreen_->isVisible()) {
    gameScreen_->raise();
    gameScreen_->activateWindow();
    return;
  }
  auto* screen = new drill::MainFrm(*state_, services_, *this, *waitingScreen_);
  screen->setAttribute(Qt::WA_DeleteOnClose);
  gameScreen_ = screen;
  // The level hub stays loaded under the drill but out of reach; every way out of the
  // drill shows it again.
  if (levelHub_ != nullptr && !levelHub_->unloaded()) {
    levelHub_->hide();
  }
  screen->show();
  screen->activate();
}

void Application::showCriteriaEditor() {
  unloadLevelHub();
  auto* editor = new FrmTimeData(*state_, services_, *this);
  criteriaEditor_ = editor;
  editor->show();
  editor->raise();
  editor->activateWindow();
  editor->activate();
}

void Application::endProgram(int status) {
  failureStatus_ = status;
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    (*it)->close();
  }
  QCoreApplication::exit(status);
}

}  // namespace tavelo
