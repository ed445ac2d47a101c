#pragma once

#include <QFrame>

#include <functional>

class QLineEdit;

namespace tavelo {

struct SharedState;
class Navigator;
namespace platform {
class Dialogs;
}

namespace hub {

// True when the typed password opens the data editors: the exact, case-sensitive text of
// the shared configuration's data password (an empty password is passed by an empty entry).
[[nodiscard]] bool passwordAccepted(const SharedState& state, const QString& typed);

// The hub's data-change panel (Picture7): the password entry and the two buttons that open
// the records editor and the criteria editor. Hidden until Command8 shows it.
class DataPanel final : public QFrame {
 public:
  // unloadHub is called after an editor has been opened. state, dialogs and navigator must
  // outlive the panel.
  DataPanel(QWidget* hub, const SharedState& state, platform::Dialogs& dialogs,
            Navigator& navigator, std::function<void()> unloadHub);

  // Shows the panel in front of the level columns, the password entry ready for typing.
  void showInFront();
  // k = 0: records editor, k = 1: criteria editor; only with the right password.
  void Command10_Click(int k);
  void Command12_Click();

 private:
  const SharedState& state_;
  platform::Dialogs& dialogs_;
  Navigator& navigator_;
  std::function<void()> unloadHub_;
  QLineEdit* text3_ = nullptr;
};

}  // namespace hub
}  // namespace tavelo
