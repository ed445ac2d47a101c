#pragma once

#include <QPointer>

namespace tavelo {
class BASEFRM;
}

namespace tavelo::drill {

// The one waiting screen of the program ("Just a moment, please."), shown while one screen
// replaces another. Made on first show and reused; the owner keeps it for the whole run.
class WaitingScreen {
 public:
  WaitingScreen() = default;
  ~WaitingScreen();
  WaitingScreen(const WaitingScreen&) = delete;
  WaitingScreen& operator=(const WaitingScreen&) = delete;

  void show();
  void close();
  [[nodiscard]] bool isShown() const;

 private:
  QPointer<BASEFRM> window_;
};

}  // namespace tavelo::drill
