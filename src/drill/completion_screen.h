#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace tavelo {
struct SharedState;
class Navigator;
namespace platform {
struct Services;
}
}  // namespace tavelo

namespace tavelo::drill {

class WaitingScreen;

// File name of the completion screen's background picture in the program folder.
[[nodiscard]] QString completionBackgroundFileName();

// The level-completion screen ("終了"): time, points and try counts of the drill just
// finished, record and cleared messages with their sounds, and the ways back to the level
// hub ("メニューへ") or into another drill on the same level ("もう一度").
class FrmSyuuryou final : public QWidget {
  Q_OBJECT

 public:
  // recorded is false when the drill could not be written to the results file: the screen
  // then shows the drill's figures but claims no record.
  FrmSyuuryou(SharedState& state, platform::Services& services, Navigator& navigator,
              WaitingScreen& waiting, bool recorded, QWidget* parent = nullptr);

  // Activation, once: recomputes the statistics, fills the screen, plays the result sounds
  // and starts the 500 ms timer that offers the buttons.
  void activate();
  // Timer1: offers "メニューへ" and, unless the student should move on, "もう一度".
  void offerButtons();
  // Command4 "メニューへ": back to the level hub.
  void backToMenu();
  // Command5 "もう一度": another drill on the same level.
  void playAgain();

  // -1 when some level has the open-ended clear count 9999, else 0.
  [[nodiscard]] int openEndedLevels() const { return openEndedLevels_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  SharedState& state_;
  platform::Services& services_;
  Navigator& navigator_;
  WaitingScreen& waiting_;
  bool recorded_;
  bool activated_ = false;
  bool leaving_ = false;  // closing through one of the buttons
  bool cleared_ = false;
  int openEndedLevels_ = 0;

  QLabel* image1_;
  QLabel* label2_;
  QLabel* label13_;
  QLabel* label14_;
  QLabel* label15_;
  QLabel* label16_;
  QLabel* label17_;
  QLabel* label18_;
  QLabel* label19_;
  QLabel* label20_;
  QWidget* picture1_;
  QPushButton* command4_;
  QPushButton* command5_;
  QTimer* timer1_;
};

}  // namespace tavelo::drill
