#include "app/worksheet_program.h"

#include "app/application.h"
#include "core/shared_state.h"
#include "core/startup.h"
#include "printing/print_settings_screen.h"
#include "storage/configuration.h"

namespace tavelo {

WorksheetProgram::WorksheetProgram(platform::Services& services, QString executableFolder)
    : services_(services),
      executableFolder_(std::move(executableFolder)),
      state_(std::make_unique<SharedState>()) {}

WorksheetProgram::~WorksheetProgram() {
  delete firstfrm_;
  delete printSettings_;
}

void WorksheetProgram::start() {
  firstfrm_ = new Firstfrm(*state_, services_, [this] { handOver(); });
  firstfrm_->setAttribute(Qt::WA_DeleteOnClose);
  firstfrm_->startUp();
}

void WorksheetProgram::handOver() {
  if (Status failure = storage::loadInstallation(*state_, executableFolder_)) {
    failureStatus_ = failStart(services_.dialogs, firstfrm_, *failure);
    return;
  }
  auto* screen = new FormPrint0(*state_, services_);
  screen->setAttribute(Qt::WA_DeleteOnClose);
  printSettings_ = screen;
  screen->show();
  screen->Form_Load();
  if (firstfrm_ != nullptr) {
    firstfrm_->close();
  }
}

QWidget* WorksheetProgram::printSettings() const {
  return printSettings_;
}

}  // namespace tavelo
