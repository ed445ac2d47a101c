#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavelo {

struct SharedState;
class Navigator;
namespace platform {
struct Services;
}

// Name selection: the student picks their own name from the roster list, which shows a
// few figures from the results in one of four display modes and can be narrowed to a
// grade. Confirming opens the level hub; the screen also leads back to the program menu.
class namesel : public QWidget {  // NOLINT(readability-identifier-naming)
  Q_OBJECT
 public:
  // state, services and navigator must outlive the screen.
  namesel(SharedState& state, platform::Services& services, Navigator& navigator,
          QWidget* parent = nullptr);
  ~namesel() override;

  // Shows the screen and builds the list (the first activation builds it in mode 1).
  void Form_Load();
  // Runs each time the screen becomes active: mode 1, the twelve filters, filter "全学年".
  void Form_Activate();
  // Hides and deletes the screen (later); unloaded() turns true at once.
  void unload();
  [[nodiscard]] bool unloaded() const { return unloaded_; }

  // Called at activation; the application unloads the level hub with it.
  std::function<void()> unloadLevelHub;

  // Recomputes the statistics, reloads the roster and rebuilds the list.
  void 名簿表示();

  // Event handlers, public so that tests and shortcuts can drive them.
  void Option1_Click(int index);
  void Combo1_Click();
  void List1_Click();
  void List1_DblClick();
  void Command14_Click();
  void Command7_Click();
  void Label4_Click();
  // Handles one typed character as the form's shortcuts do; true when it was used.
  bool Form_KeyPress(const QString& text);

  [[nodiscard]] int displayMode() const { return displayMode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Recomputes the statistics, showing any message; false when the program is ending.
  bool refreshStatistics();
  void endWith(const QString& message);

  SharedState& state_;
  platform::Services& services_;
  Navigator& navigator_;
  bool unloaded_ = false;
  bool ending_ = false;
  int displayMode_ = 0;

  QListWidget* list1_ = nullptr;
  QListWidget* list2_ = nullptr;
  QListWidget* list3_ = nullptr;
  QListWidget* list4_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QRadioButton* option1_[4] = {};
  QPushButton* command14_ = nullptr;
  QPushButton* command7_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label4_ = nullptr;
  QLabel* picture5_ = nullptr;
};

}  // namespace tavelo
