#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tavelo {

struct SharedState;
class Navigator;
namespace platform {
struct Services;
}
namespace hub {
class DataPanel;
class GraphPanel;
}

// The level hub: one column per level with its start button, the student's counts, the
// pass-window and criteria lines and a results list; the level-opening rule decides which
// start buttons are open. Rebuilt on every activation.
class seisekitime1 : public QWidget {  // NOLINT(readability-identifier-naming)
  Q_OBJECT
 public:
  // Loads the screen for the catalogue in state (levelCount levels). state, services and
  // navigator must outlive the screen.
  seisekitime1(SharedState& state, platform::Services& services, Navigator& navigator,
               QWidget* parent = nullptr);
  ~seisekitime1() override;

  // Runs the activation sequence: recompute the statistics, rebuild the columns and lists
  // and open the levels. The application calls it each time the hub is shown.
  void activate();
  // Hides and deletes the screen (later); unloaded() turns true at once.
  void unload();
  [[nodiscard]] bool unloaded() const { return unloaded_; }

  // Called at activation; the application unloads name selection with it.
  std::function<void()> unloadNameSelection;

  // Public operations the list builders call.
  void 回数など表示();
  void 成績リスト色表示();
  void 成績リスト色表示単独(int level);

  // Event handlers, public so that tests and shortcuts can drive them.
  void Command4_Click(int level);
  void Label3_Click(int level);
  void Command1_Click();
  void Option1_Click(int index);
  void Option2_Click(int index);
  void Combo1_Click();
  void Command8_Click();
  void HScroll1_Change();
  // Handles one typed character as the keyboard shortcuts do; true when it was used.
  bool Form_KeyPress(const QString& text);

  void Command17_Click();
  [[nodiscard]] hub::GraphPanel& graphPanel() { return *graphPanel_; }

  [[nodiscard]] int keysEnabled() const { return keysEnabled_; }
  [[nodiscard]] double columnWidth() const { return columnWidth_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Column {
    QLabel* label1 = nullptr;  // level number
    QLabel* label3 = nullptr;  // level name; a click starts the level
    QPushButton* command4 = nullptr;
    QLineEdit* text1 = nullptr;  // "やりすぎ禁止"
    QLabel* label9 = nullptr;
    QLabel* label10 = nullptr;
    QLabel* label14 = nullptr;
    QLabel* label15 = nullptr;
    QLabel* label8 = nullptr;  // pass-window line
    QListWidget* list5 = nullptr;
    QLabel* label7 = nullptr;  // criteria line
    QPushButton* command3 = nullptr;
    QPushButton* command2 = nullptr;
  };

  void buildFixedControls();
  void buildColumns();
  void buildGraphPanel();
  void layColumnsOut();
  void applyLevelOpening();
  void setSummaryLines(int level);
  // Builds level i's list for the current list kind (the hidden Command3(i)).
  void Command3_Click(int level);
  void showLists();
  // Recomputes the statistics; false when the program is ending.
  bool refreshStatistics();
  // Activation is running, or a drill or the way back has been started: no start or
  // return is taken until the next activation has finished.
  [[nodiscard]] bool busy() const { return keysEnabled_ == 0; }

  SharedState& state_;
  platform::Services& services_;
  Navigator& navigator_;
  bool unloaded_ = false;
  bool ending_ = false;

  int keysEnabled_ = 0;
  int activating_ = 0;
  int listMode_ = 0;
  int pointsOrder_ = 0;
  int period_ = 3;
  double columnWidth_ = 0;  // twips
  int columnLeft_ = 0;      // twips
  int levelCount_ = 0;

  std::vector<Column> columns_;  // index 1..levelCount

  QLabel* label5_ = nullptr;
  QLabel* label11_ = nullptr;
  QLabel* label12_ = nullptr;
  QLabel* label13_ = nullptr;
  QLabel* label17_ = nullptr;
  QLabel* label18_ = nullptr;
  QFrame* picture1_ = nullptr;
  QFrame* picture3_ = nullptr;
  QFrame* picture4_ = nullptr;
  QFrame* picture5_ = nullptr;
  QRadioButton* option1_[4] = {};
  QRadioButton* option2_[3] = {};
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QScrollBar* hScroll1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command8_ = nullptr;
  QPushButton* command27_ = nullptr;
  QPushButton* command16_ = nullptr;
  QPushButton* command17_ = nullptr;
  QFrame* picture2_ = nullptr;
  QProgressBar* progressBar1_ = nullptr;
  QFrame* picture6_ = nullptr;
  QProgressBar* progressBar2_ = nullptr;
  hub::DataPanel* picture7_ = nullptr;
  QFrame* picture11_ = nullptr;
  QPushButton* command24Print_ = nullptr;
  hub::GraphPanel* graphPanel_ = nullptr;  // owned by picture11_
};

}  // namespace tavelo
