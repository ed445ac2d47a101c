#pragma once

#include "drill/drill_rules.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <cstdint>

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

// The game screen: one drill on state.levelIndex. Pictures appear in several of thirteen
// slots with their order numbers; the numbers vanish after the level's display time and
// the student clicks the slots in order. The screen lives for exactly one drill: it closes
// itself (and is deleted) when it hands over to the completion screen or the level hub.
class MainFrm final : public QWidget {
  Q_OBJECT

 public:
  MainFrm(SharedState& state, platform::Services& services, Navigator& navigator,
          WaitingScreen& waiting, QWidget* parent = nullptr);
  ~MainFrm() override;

  // Activation, once per screen: loads the question pictures and runs 初期設定,
  // レベル別設定, スタート and 問題作成表示. A missing picture leaves empty slot frames in
  // its questions; the drill stays playable. When the level has no drill it says so and
  // returns to the level hub; then it returns false.
  bool activate();

  // Header, time bar and flags for the drill on state.levelIndex.
  void 初期設定();
  // Question count and pictures per question of the level.
  void レベル別設定();
  // Starts the drill clock.
  void スタート();
  // Creates and shows one question.
  void 問題作成表示();
  // What follows a verdict in state.judgement: the next question, the drill end, or the
  // same question again with a penalty.
  void 判定後処理();

  // A click on slot n (1..13) or on its number label.
  void clickSlot(int n);
  // Timer1: the display time is over; the order numbers disappear.
  void hideNumbers();
  // sTimer1: the drill clock, once a second.
  void clockTick();
  // sTimer2: the minutes since the student started, every ten seconds.
  void minutesTick();
  // The end of the drill: covers the screen, records the drill and hands over.
  void endDrill();

  [[nodiscard]] const SlotOrder& slotOrder() const { return slotOrder_; }
  [[nodiscard]] int picturesPerQuestion() const { return picturesPerQuestion_; }
  [[nodiscard]] int nextPosition() const { return nextPosition_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Makes a double-click on a slot or number one click.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildHeader();
  void buildPlayArea();
  void buildCover();
  void setBar(QWidget* shape, double width);
  [[nodiscard]] int minutesSinceStudentStarted() const;
  void stopTimers();
  // Stops the drill for good: the program is ending or the screen is going away.
  void halt();
  // Leaves the drill without recording: closes this screen and shows the level hub.
  void returnToHub();
  // Waits about the given seconds letting events run, then closes this screen and shows
  // the completion screen.
  void waitSeconds(double seconds, bool recorded);

  SharedState& state_;
  platform::Services& services_;
  Navigator& navigator_;
  WaitingScreen& waiting_;

  SlotOrder slotOrder_{};
  int picturesPerQuestion_ = 0;
  int nextPosition_ = 1;
  bool activated_ = false;
  bool handingOver_ = false;     // closing on purpose: to the completion screen or the hub
  bool stopped_ = false;         // the program is ending or the drill was abandoned
  bool swallowRelease_ = false;  // the release that ends a double-click

  QWidget* sPicture1_ = nullptr;  // header strip
  QWidget* picture2_ = nullptr;   // play area
  QWidget* sPicture2_ = nullptr;  // cover panel
  QLabel* lblsss1_ = nullptr;
  QLabel* lblsss2_ = nullptr;
  std::array<QLabel*, kSlotCount + 1> image1_{};     // slots 1..13
  std::array<QLabel*, kSlotCount + 1> label1_{};     // order numbers 1..13
  std::array<QLabel*, kPictureCount + 1> image2_{};  // picture pool 1..10
  std::array<QPixmap, kPictureCount + 1> pictures_{};
  std::array<QWidget*, 40> sPicture3_{};  // lamps 10..39
  QLabel* sLabel2_ = nullptr;
  QLabel* sLabel7_ = nullptr;
  QLabel* sLabel8_ = nullptr;
  QLabel* sLabel9_ = nullptr;
  QLabel* sLabel10_ = nullptr;
  QLabel* sLabel11_ = nullptr;
  QLabel* sLabel12_ = nullptr;
  QLabel* sLabel13_ = nullptr;
  QLabel* sLabel14_ = nullptr;
  QWidget* sShape2_ = nullptr;  // blue: elapsed time
  QWidget* sShape3_ = nullptr;  // green: target time
  QWidget* sShape4_ = nullptr;  // light green: minimum time
  QWidget* sShape5_ = nullptr;  // white: the whole bar
  QWidget* sShape7_ = nullptr;  // red
  QTimer* timer1_ = nullptr;
  QTimer* sTimer1_ = nullptr;
  QTimer* sTimer2_ = nullptr;
};

}  // namespace tavelo::drill
