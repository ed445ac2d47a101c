#pragma once

#include "printing/worksheet_table.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QListWidget;
class QRadioButton;

namespace tavelo {

struct SharedState;
namespace platform {
struct Services;
}

// The print settings screen: levels, order and blank mode of a question worksheet. Every
// change prepares the shared print table afresh from the question source file.
class FormPrint0 : public QWidget {
  Q_OBJECT
 public:
  FormPrint0(SharedState& state, platform::Services& services, QWidget* parent = nullptr);
  ~FormPrint0() override;

  // Fills the level list, selects level 1 and prepares the table once.
  void Form_Load();
  // Reads the chosen levels from the source file and fills the print table; a fault in the
  // file is shown and leaves the table as it was.
  void prepare();
  [[nodiscard]] printing::BlankMode blankMode() const;
  // The print screen while it is open.
  [[nodiscard]] QWidget* printScreen() const;

  // "印刷へ": opens the print screen over this one.
  void Command1_Click();

  // Called when the screen closes, before it hides.
  std::function<void()> closing;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  SharedState& state_;
  platform::Services& services_;
  QListWidget* list1_;
  QCheckBox* check1_;
  std::array<QRadioButton*, 6> option1_{};  // indexes 1..5
  QPointer<QWidget> printScreen_;
};

}  // namespace tavelo
