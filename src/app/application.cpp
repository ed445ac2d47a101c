#include "app/application.h"

#include "core/shared_state.h"
#include "core/startup.h"
#include "platform/dialogs.h"
#include "storage/configuration.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace tavelo {

Application::Application(platform::Services& services, QString executableFolder)
    : services_(services),
      executableFolder_(std::move(executableFolder)),
      state_(std::make_unique<SharedState>()) {}

Application::~Application() {
  delete firstfrm_;
  delete nameSelection_;
}

void Application::start() {
  firstfrm_ = new Firstfrm(*state_, services_, [this] { handOver(); });
  firstfrm_->setAttribute(Qt::WA_DeleteOnClose);
  firstfrm_->startUp();
}

void Application::handOver() {
  handedOver_ = true;
  if (Status failure = storage::loadConfiguration(*state_, executableFolder_)) {
    // Nothing else is shown and nothing is written: the teacher must mend the file first.
    firstfrm_->hide();
    services_.dialogs.critical(nullptr, QStringLiteral("Tavelo 起動エラー"), failure->message);
    failureStatus_ = 1;
    QCoreApplication::exit(failureStatus_);
    return;
  }
  showNameSelection();
  firstfrm_->close();
}

void Application::showNameSelection() {
  if (nameSelection_ == nullptr) {
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("namesel"));
    window->setWindowTitle(state_->programTitle);
    auto* layout = new QVBoxLayout(window);
    auto* label = new QLabel(QStringLiteral("名前の選択画面は準備中です。"), window);
    label->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label);
    window->resize(480, 200);
    nameSelection_ = window;
  }
  nameSelection_->show();
}

void Application::showLevelHub() {}

void Application::showGameScreen() {}

void Application::endProgram(int status) {
  failureStatus_ = status;
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    (*it)->close();
  }
  QCoreApplication::exit(status);
}

}  // namespace tavelo
