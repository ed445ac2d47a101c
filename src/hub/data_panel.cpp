#include "hub/data_panel.h"

#include "core/catalogue.h"
#include "core/geometry.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tavelo::hub {

bool passwordAccepted(const SharedState& state, const QString& typed) {
  return typed == state.dataPassword.text();
}

DataPanel::DataPanel(QWidget* hub, const SharedState& state, platform::Dialogs& dialogs,
                     Navigator& navigator, std::function<void()> unloadHub)
    : QFrame(hub),
      state_(state),
      dialogs_(dialogs),
      navigator_(navigator),
      unloadHub_(std::move(unloadHub)) {
  setObjectName(QStringLiteral("Picture7"));
  setFrameShape(QFrame::Box);
  setGeometry(twipRect(4680, 3600, 6000, 3120));
  fillBackground(this, QColor(255, 255, 224));

  auto* prompt = new QLabel(QStringLiteral("データ変更パスワード"), this);
  prompt->setObjectName(QStringLiteral("Label28"));
  prompt->setGeometry(twipRect(360, 240, 5280, 420));
  prompt->setFont(gothicFont(13, true));

  text3_ = new QLineEdit(this);
  text3_->setObjectName(QStringLiteral("Text3"));
  text3_->setEchoMode(QLineEdit::Password);
  text3_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"
  text3_->setGeometry(twipRect(360, 780, 5280, 480));

  const auto button = [this](const QString& name, const QString& caption, const QRect& where) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(where);
    b->setAutoDefault(false);
    return b;
  };
  const std::array<QString, 2> captions{QStringLiteral("データ変更"),
                                        QStringLiteral("合格タイムデータ変更")};
  for (int k = 0; k < 2; ++k) {
    QPushButton* b = button(controlName("Command10", k), captions[static_cast<std::size_t>(k)],
                            twipRect(360 + k * 2700, 1500, 2580, 540));
    connect(b, &QPushButton::clicked, this, [this, k] { Command10_Click(k); });
  }
  QPushButton* back =
      button(QStringLiteral("Command12"), QStringLiteral("戻る"), twipRect(4080, 2340, 1560, 540));
  connect(back, &QPushButton::clicked, this, [this] { Command12_Click(); });
  hide();
}

void DataPanel::showInFront() {
  raise();
  show();
  text3_->setFocus();
}

void DataPanel::Command10_Click(int k) {
  if (!passwordAccepted(state_, text3_->text())) {
    // The panel stays open with what was typed, for another try.
    dialogs_.information(this, state_.programTitle, QStringLiteral("パスワードを入力して下さい"));
    return;
  }
  if (k == 0) {
    navigator_.showRecordsEditor();
  } else {
    navigator_.showCriteriaEditor();
  }
  unloadHub_();
}

void DataPanel::Command12_Click() {
  hide();
}

}  // namespace tavelo::hub
