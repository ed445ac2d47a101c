#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tavelo {

struct SharedState;
class Navigator;
namespace platform {
struct Services;
}

// The criteria editor: the criteria table as a grid of 13 columns (level number and the
// twelve fields of a criteria line) under a fixed header row, edited cell by cell through
// an in-place editor, saved back to the criteria file, and beside it the frequency
// distributions of the recorded times of the level under the cursor.
class FrmTimeData final : public QWidget {  // NOLINT(readability-identifier-naming)
  Q_OBJECT
 public:
  static constexpr int kColumns = 13;

  // state, services and navigator must outlive the screen.
  FrmTimeData(SharedState& state, platform::Services& services, Navigator& navigator,
              QWidget* parent = nullptr);
  ~FrmTimeData() override;

  // Loads the grid, puts the editor on level 1's first field and shows the distribution.
  // When the criteria file cannot be shown the teacher is told and goes back to the hub.
  void activate();

  // Public operations of the screen.
  void TextToGrid転送();
  void GridToText転送();

  // Event handlers, public so that tests can drive them. Rows and columns are the grid's:
  // row 0 is the header row, column 0 the level number.
  void MSFlexGrid1_Click(int row, int column);
  // Key-down handling of the in-place editor; true when the key is used up.
  bool Gridinputtext_KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // "更新記録": true when the file was written.
  bool Command3_Click();
  void Command2_Click();  // "元に戻す"
  void Command4_Click();  // "戻る"

  [[nodiscard]] int row() const { return row_; }
  [[nodiscard]] int column() const { return column_; }
  [[nodiscard]] int rowSelectionEnd() const { return rowSel_; }
  [[nodiscard]] int levelRows() const { return levelRows_; }
  [[nodiscard]] bool dirty() const { return dirty_; }
  [[nodiscard]] QString cellText(int row, int column) const;
  [[nodiscard]] bool marked(int row, int column) const;
  // The grid's data rows as a save writes them: columns 1..12 of rows 1..N.
  [[nodiscard]] std::vector<QStringList> gridRows() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Rebuilds the grid from the criteria file; false (after a message) when it cannot.
  bool load();
  void placeEditor();
  void moveTo(int row, int column);
  void setCellText(int row, int column, const QString& text);
  void markCell(int row, int column);
  void showColumnHelp();
  void showDistribution();
  void leave();

  SharedState& state_;
  platform::Services& services_;
  Navigator& navigator_;

  int row_ = 1;
  int column_ = 1;
  int rowSel_ = 1;  // last row of the selection in the current column
  int levelRows_ = 0;
  bool dirty_ = false;
  bool leaving_ = false;

  QFrame* picture1_ = nullptr;  // main panel
  QFrame* picture2_ = nullptr;  // waiting cover
  QTableWidget* grid_ = nullptr;
  QLineEdit* editor_ = nullptr;
  QLabel* help_ = nullptr;
  QListWidget* list1_ = nullptr;  // "全成績"
  QListWidget* list2_ = nullptr;  // "最高タイム"
};

}  // namespace tavelo
