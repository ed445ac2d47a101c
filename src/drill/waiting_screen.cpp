#include "drill/waiting_screen.h"

#include "core/startup.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavelo::drill {

WaitingScreen::~WaitingScreen() {
  delete window_;
}

void WaitingScreen::show() {
  if (window_ == nullptr) {
    window_ = new BASEFRM;
    window_->setWindowFlag(Qt::WindowStaysOnTopHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect frame = window_->frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      window_->move(frame.topLeft());
    }
  }
  window_->show();
  window_->raise();
}

void WaitingScreen::close() {
  if (window_ != nullptr) {
    window_->hide();
  }
}

bool WaitingScreen::isShown() const {
  return window_ != nullptr && window_->isVisible();
}

}  // namespace tavelo::drill
