#pragma once

#include <QColor>
#include <QDialog>
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace tavelo {

struct SharedState;
namespace platform {
struct Services;
}

// The colour of the season, by month 1..12; name selection and the hub use it.
[[nodiscard]] QColor seasonColourForMonth(int month);

// The start-up screen: splash picture and today's date while the program starts; 100 ms
// after it is shown it hands over once through the given callback.
class Firstfrm : public QWidget {
  Q_OBJECT
 public:
  Firstfrm(SharedState& state, platform::Services& services, std::function<void()> handOver,
           QWidget* parent = nullptr);
  // Shows the screen, seeds the random generator, sets the date and the season colour and
  // arms the hand-over timer.
  void startUp();

 private:
  void onTimer();
  SharedState& state_;
  platform::Services& services_;
  std::function<void()> handOver_;
  QLabel* label5_;
  QTimer* timer1_;
};

// The waiting screen shown while one screen replaces another.
class BASEFRM : public QWidget {
  Q_OBJECT
 public:
  explicit BASEFRM(QWidget* parent = nullptr);
};

// The version screen, opened modally from name selection.
class frmver : public QDialog {  // NOLINT(readability-identifier-naming)
  Q_OBJECT
 public:
  explicit frmver(const SharedState& state, QWidget* parent = nullptr);
};

// "Version1.0.0" from the project version.
[[nodiscard]] QString versionText();

}  // namespace tavelo
