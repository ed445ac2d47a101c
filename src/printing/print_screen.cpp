#include "printing/print_screen.h"

#include "core/screen_style.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "printing/question_sheet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

namespace tavelo {

namespace {

constexpr int kButtonWidth = 160;
constexpr int kButtonHeight = 48;

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(gothicFont(14, true));
  button->resize(kButtonWidth, kButtonHeight);
  return button;
}

}  // namespace

frmPrint::frmPrint(SharedState& state, platform::Services& services, QWidget* parent)
    : QWidget(parent),
      state_(state),
      services_(services),
      picture1_(new QWidget(this)),
      scroll_(new QScrollArea(picture1_)),
      picture2_(new QLabel),
      command9_(addButton(picture1_, "Command9", QStringLiteral("印刷"))),
      command8_(addButton(picture1_, "Command8", QStringLiteral("戻る"))),
      check1_(new QCheckBox(QStringLiteral("印刷"), this)),
      check2_(new QCheckBox(QStringLiteral("縦横"), this)) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(QStringLiteral("印刷"));
  picture1_->setObjectName(QStringLiteral("Picture1"));
  fillBackground(picture1_, QColor(128, 128, 128));
  scroll_->setObjectName(QStringLiteral("Scroll1"));
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
  scroll_->viewport()->setAutoFillBackground(false);
  picture2_->setObjectName(QStringLiteral("Picture2"));
  scroll_->setWidget(picture2_);
  check1_->setObjectName(QStringLiteral("Check1"));
  check1_->hide();
  check2_->setObjectName(QStringLiteral("Check2"));
  check2_->hide();
  connect(check2_, &QCheckBox::toggled, this, [this] { setUpPreview(); });
  connect(command9_, &QPushButton::clicked, this, [this] { Command9_Click(); });
  connect(command8_, &QPushButton::clicked, this, [this] { Command8_Click(); });
  resize(1024, 768);
}

frmPrint::~frmPrint() {
  services_.printer.abandon();
}

void frmPrint::Form_Load() {
  // The device setting (1) asks for the printer's default paper source; the print dialog
  // offers the printers' own settings, so there is nothing more to hand on.
  check1_->setChecked(false);
  setUpPreview();
}

void frmPrint::Form_Activate() {
  if (const QScreen* s = screen()) {
    setGeometry(s->availableGeometry());
  }
  picture1_->setGeometry(rect());
  const int right = picture1_->width() - kButtonWidth - 16;
  command9_->move(right, 16);
  command8_->move(right, 16 + kButtonHeight + 12);
  scroll_->setGeometry(16, 16, right - 32, picture1_->height() - 32);
  drawPreview();
}

void frmPrint::setUpPreview() {
  setup_ = printing::pageSetup(check2_->isChecked(), false);
  preview_ = printing::previewSurface(setup_);
  showPreview();
}

void frmPrint::drawPreview() {
  check2_->setChecked(state_.printSettings.portrait == 1);
  // The page is cleared before every drawing.
  preview_ = printing::previewSurface(setup_);
  {
    QPainter painter(&preview_);
    painter.setRenderHint(QPainter::Antialiasing);
    printing::PrintPage page(painter, setup_);
    printing::drawSheet(page, state_);
  }
  showPreview();
}

void frmPrint::showPreview() {
  picture2_->setPixmap(QPixmap::fromImage(preview_));
  picture2_->resize(preview_.size());
}

void frmPrint::Command9_Click() {
  check2_->setChecked(state_.printSettings.portrait == 1);
  const bool portrait = check2_->isChecked();
  check1_->setChecked(true);
  auto job = services_.printer.begin(
      this, QStringLiteral("問題プリント"),
      portrait ? platform::PageOrientation::Portrait : platform::PageOrientation::Landscape);
  if (!job) {
    services_.dialogs.warning(this, QStringLiteral("印刷"), job.error().message);
  } else if (QPainter* painter = *job) {
    {
      printing::PrintPage page(*painter, printing::pageSetup(portrait, true, painter->device()));
      printing::drawSheet(page, state_);
    }
    if (Status ended = services_.printer.end()) {
      services_.dialogs.warning(this, QStringLiteral("印刷"), ended->message);
    }
  }
  check1_->setChecked(false);
  setUpPreview();
  drawPreview();
}

void frmPrint::Command8_Click() {
  close();
}

void frmPrint::closeEvent(QCloseEvent* event) {
  services_.printer.abandon();
  QWidget::closeEvent(event);
}

}  // namespace tavelo
