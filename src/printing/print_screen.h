#pragma once

#include "printing/print_page.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tavelo {

struct SharedState;
namespace platform {
struct Services;
}

// The print screen: a preview of the prepared sheet on a white page in a panel over the
// whole screen, "印刷" to print it and "戻る" to close. The preview always shows the sheet
// as it was last printed.
class frmPrint : public QWidget {  // NOLINT(readability-identifier-naming)
  Q_OBJECT
 public:
  frmPrint(SharedState& state, platform::Services& services, QWidget* parent = nullptr);
  ~frmPrint() override;

  // Sets the page up for the preview.
  void Form_Load();
  // Stretches the panel over the screen and draws the sheet on the preview.
  void Form_Activate();
  // Prints the sheet as one job, then draws it again on the preview.
  void Command9_Click();
  void Command8_Click();

  [[nodiscard]] const QImage& preview() const { return preview_; }
  [[nodiscard]] const printing::PageSetup& pageSetup() const { return setup_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Page set-up for the preview from the orientation box; a new orientation clears it.
  void setUpPreview();
  void drawPreview();
  void showPreview();

  SharedState& state_;
  platform::Services& services_;
  QWidget* picture1_;  // the panel
  QScrollArea* scroll_;
  QLabel* picture2_;  // the preview surface
  QPushButton* command9_;
  QPushButton* command8_;
  QCheckBox* check1_;  // hidden: print mode, ticked while printing
  QCheckBox* check2_;  // hidden: orientation, ticked = portrait
  printing::PageSetup setup_;
  QImage preview_;
};

}  // namespace tavelo
