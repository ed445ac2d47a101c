#include "printing/print_settings_screen.h"

#include "core/geometry.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "printing/print_screen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tavelo {

namespace {

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setFont(gothicFont(11));
  return button;
}

}  // namespace

FormPrint0::FormPrint0(SharedState& state, platform::Services& services, QWidget* parent)
    : QWidget(parent),
      state_(state),
      services_(services),
      list1_(new QListWidget(this)),
      check1_(new QCheckBox(QStringLiteral("順序を変える"), this)) {
  setObjectName(QStringLiteral("FormPrint0"));
  setWindowTitle(QStringLiteral("印刷設定"));
  setFixedSize(twips(6600), twips(5700));
  setFont(gothicFont(11));

  auto* label1 = new QLabel(QStringLiteral("レベルを選んでください"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setGeometry(twipRect(240, 180, 3000, 360));

  list1_->setObjectName(QStringLiteral("List1"));
  list1_->setGeometry(twipRect(240, 600, 1500, 3000));
  list1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(list1_, &QListWidget::itemSelectionChanged, this, [this] { prepare(); });

  auto* label2 = new QLabel(
      QStringLiteral("Shiftを押しながら選ぶと複数選択できます(そのうち15問が印刷されます)"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->setGeometry(twipRect(240, 3720, 6120, 660));
  label2->setWordWrap(true);

  check1_->setObjectName(QStringLiteral("Check1"));
  check1_->setGeometry(twipRect(2160, 600, 3000, 360));
  check1_->setChecked(true);
  connect(check1_, &QCheckBox::clicked, this, [this] { prepare(); });

  auto* group = new QButtonGroup(this);
  for (int i = 1; i <= 5; ++i) {
    auto* option =
        new QRadioButton(printing::blankModeCaption(static_cast<printing::BlankMode>(i)), this);
    option->setObjectName(controlName("Option1", i));
    option->setGeometry(twipRect(2160, 1080 + (i - 1) * 480, 4200, 420));
    group->addButton(option, i);
    connect(option, &QRadioButton::clicked, this, [this] { prepare(); });
    option1_[static_cast<std::size_t>(i)] = option;
  }
  option1_[1]->setChecked(true);

  auto* command3 =
      addButton(this, "Command3", QStringLiteral("再並べ替え"), twipRect(240, 4620, 1920, 600));
  connect(command3, &QPushButton::clicked, this, [this] { prepare(); });
  auto* command1 =
      addButton(this, "Command1", QStringLiteral("印刷へ"), twipRect(2340, 4620, 1920, 600));
  connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  auto* command2 =
      addButton(this, "Command2", QStringLiteral("もどる"), twipRect(4440, 4620, 1920, 600));
  connect(command2, &QPushButton::clicked, this, [this] { close(); });
}

FormPrint0::~FormPrint0() {
  delete printScreen_;
}

void FormPrint0::Form_Load() {
  {
    // Filling the list is not a choice of the teacher: loading prepares once, below.
    const QSignalBlocker quiet(list1_);
    list1_->clear();
    for (int level = 1; level <= 8; ++level) {
      list1_->addItem(QString::number(level));
    }
    list1_->item(0)->setSelected(true);
  }
  prepare();
}

printing::BlankMode FormPrint0::blankMode() const {
  for (int i = 1; i <= 5; ++i) {
    if (option1_[static_cast<std::size_t>(i)]->isChecked()) {
      return static_cast<printing::BlankMode>(i);
    }
  }
  return printing::BlankMode::PrintAll;
}

void FormPrint0::prepare() {
  std::array<bool, 8> levels{};
  for (int i = 0; i < list1_->count() && i < 8; ++i) {
    levels[static_cast<std::size_t>(i)] = list1_->item(i)->isSelected();
  }
  auto questions = printing::readWorksheetQuestions(
      state_.programFolder + printing::worksheetSourceFileName(), levels);
  if (!questions) {
    services_.dialogs.warning(this, QStringLiteral("印刷設定"), questions.error().message);
    return;
  }
  printing::prepareWorksheet(state_, *questions, check1_->isChecked(), blankMode(),
                             services_.random);
}

void FormPrint0::closeEvent(QCloseEvent* event) {
  if (closing) closing();
  QWidget::closeEvent(event);
}

QWidget* FormPrint0::printScreen() const {
  return printScreen_;
}

void FormPrint0::Command1_Click() {
  // One print screen at a time; an open one keeps showing what it last printed.
  if (printScreen_ == nullptr) {
    auto* screen = new frmPrint(state_, services_);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    printScreen_ = screen;
    screen->Form_Load();
    screen->show();
    screen->Form_Activate();
  }
  printScreen_->raise();
  printScreen_->activateWindow();
}

}  // namespace tavelo
