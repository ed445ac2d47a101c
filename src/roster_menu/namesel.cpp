#include "roster_menu/namesel.h"

#include "core/catalogue.h"
#include "core/geometry.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "core/startup.h"
#include "drill/sound_cues.h"
#include "drill/statistics_refresh.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/launcher.h"
#include "platform/random.h"
#include "platform/services.h"
#include "roster_menu/roster_list.h"
#include "storage/roster.h"
#include "storage/statistics.h"
#include "storage/text_items.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tavelo {

namespace {

constexpr int kFormWidth = 12000;  // twips: 800 x 600 pixels
constexpr int kFormHeight = 9000;

QString prompt() {
  return QStringLiteral("名前を選びなさい");
}

// The program menu of the installation: "起動/プログラムメニューc.exe" beside the program
// folder.
QString programMenuPath(const SharedState& state) {
  return QDir::cleanPath(state.programFolder + QStringLiteral("../起動/プログラムメニューc.exe"));
}

}  // namespace

namesel::namesel(SharedState& state, platform::Services& services, Navigator& navigator,
                 QWidget* parent)
    : QWidget(parent), state_(state), services_(services), navigator_(navigator) {
  setObjectName(QStringLiteral("namesel"));
  setWindowTitle(state_.programTitle);
  setFixedSize(twips(kFormWidth), twips(kFormHeight));
  setFont(gothicFont(11));

  label4_ = new QLabel(QStringLiteral("Tavelo"), this);
  label4_->setObjectName(QStringLiteral("Label4"));
  label4_->setGeometry(twipRect(240, 60, 6720, 1260));
  label4_->setFont(gothicFont(36, true));
  label4_->setCursor(Qt::PointingHandCursor);

  label1_ = new QLabel(prompt(), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(twipRect(7200, 300, 4560, 780));
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setFont(gothicFont(17, true));
  label1_->setFrameShape(QFrame::Box);
  fillBackground(label1_, Qt::white);

  label2_ = new QLabel(this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->hide();

  list1_ = new QListWidget(this);
  list1_->setObjectName(QStringLiteral("List1"));
  list1_->setGeometry(twipRect(240, 1440, 6720, 7320));
  list1_->setFont(listFont(13));
  // Every line has the same height: the list need not measure thousands of lines.
  list1_->setUniformItemSizes(true);
  connect(list1_, &QListWidget::currentRowChanged, this, [this](int) { List1_Click(); });
  connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { List1_Click(); });
  connect(list1_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem*) { List1_DblClick(); });

  // The hidden lists: the sorted build keys, the entries behind the lines, and a spare.
  list2_ = new QListWidget(this);
  list2_->setObjectName(QStringLiteral("List2"));
  list2_->hide();
  list3_ = new QListWidget(this);
  list3_->setObjectName(QStringLiteral("List3"));
  list3_->hide();
  list4_ = new QListWidget(this);
  list4_->setObjectName(QStringLiteral("List4"));
  list4_->hide();

  combo1_ = new QComboBox(this);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setGeometry(twipRect(7200, 1440, 4560, 540));
  combo1_->setFont(gothicFont(13));
  combo1_->addItems(storage::gradeFilterTexts());
  combo1_->setCurrentIndex(0);
  connect(combo1_, &QComboBox::activated, this, [this](int) { Combo1_Click(); });

  auto* modes = new QFrame(this);
  modes->setObjectName(QStringLiteral("Frame1"));
  modes->setGeometry(twipRect(7200, 2160, 4560, 2040));
  modes->setFrameShape(QFrame::StyledPanel);
  fillBackground(modes, Qt::white);
  const std::array<QString, 4> captions{
      QStringLiteral("回数(今日／今まで）"), QStringLiteral("ポイント（今日／今まで）"),
      QStringLiteral("本日（ポイント／回数）"), QStringLiteral("今まで（ポイント／回数）")};
  for (int k = 0; k < 4; ++k) {
    option1_[k] = new QRadioButton(captions[static_cast<std::size_t>(k)], modes);
    option1_[k]->setObjectName(QStringLiteral("Option1_%1").arg(k));
    option1_[k]->setGeometry(twipRect(180, 120 + k * 465, 4260, 420));
    connect(option1_[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) Option1_Click(k);
    });
  }
  {
    // Mode 0 is only the starting state: the first activation switches to mode 1 and builds
    // the list once, so nothing is read while the screen is being made.
    const QSignalBlocker blocker(option1_[0]);
    option1_[0]->setChecked(true);
  }

  command14_ = new QPushButton(QStringLiteral("O.K."), this);
  command14_->setObjectName(QStringLiteral("Command14"));
  command14_->setGeometry(twipRect(7200, 4440, 4560, 1380));
  command14_->setFont(gothicFont(30, true));
  command14_->setAutoDefault(false);
  connect(command14_, &QPushButton::clicked, this, [this] { Command14_Click(); });

  command7_ = new QPushButton(QStringLiteral("ﾌﾟﾟﾛｸﾞﾗﾑメニューへ(0)"), this);
  command7_->setObjectName(QStringLiteral("Command7"));
  command7_->setGeometry(twipRect(7200, 7920, 4560, 840));
  command7_->setFont(gothicFont(13));
  command7_->setAutoDefault(false);
  connect(command7_, &QPushButton::clicked, this, [this] { Command7_Click(); });

  picture5_ = new QLabel(QStringLiteral("Just a moment, please."), this);
  picture5_->setObjectName(QStringLiteral("Picture5"));
  picture5_->setAlignment(Qt::AlignCenter);
  picture5_->setFont(gothicFont(26.25));

  for (QWidget* child : findChildren<QWidget*>()) {
    child->installEventFilter(this);
  }
}

namesel::~namesel() = default;

void namesel::Form_Load() {
  fillBackground(this, state_.seasonColour);
  fillBackground(picture5_, state_.seasonColour);
  picture5_->setGeometry(rect());
  picture5_->raise();
  picture5_->show();
  services_.random.seed(
      static_cast<std::uint32_t>(platform::secondsSinceMidnight(services_.clock.now().time())));
  show();
  // The first activation switches to mode 1 and so builds the list.
  Form_Activate();
  if (ending_) {
    return;
  }
  label4_->setFont(gothicFont(48, true));
  label4_->setText(state_.programTitle);
  list1_->setCurrentRow(0);
  services_.events.processPending();
  picture5_->hide();
}

void namesel::Form_Activate() {
  if (ending_ || unloaded_) {
    return;
  }
  services_.events.processPending();
  displayMode_ = 1;
  if (!option1_[1]->isChecked()) {
    option1_[1]->setChecked(true);  // rebuilds the list in mode 1
  }
  if (ending_) {
    return;
  }
  if (combo1_->count() != storage::gradeFilterTexts().size()) {
    combo1_->clear();
    combo1_->addItems(storage::gradeFilterTexts());
  }
  state_.gradeFilter = QStringLiteral("全学年");
  if (unloadLevelHub) {
    unloadLevelHub();
  }
  services_.events.processPending();
  label1_->setText(prompt());
  picture5_->hide();
}

void namesel::unload() {
  if (unloaded_) {
    return;
  }
  unloaded_ = true;
  hide();
  deleteLater();
}

bool namesel::refreshStatistics() {
  return drill::refreshStatisticsOrEnd(state_, services_, navigator_, this, ending_);
}

void namesel::endWith(const QString& message) {
  ending_ = true;
  services_.dialogs.critical(this, state_.programTitle, message);
  navigator_.endProgram(1);
}

void namesel::名簿表示() {
  if (ending_) {
    return;
  }
  if (!refreshStatistics()) {
    return;
  }
  services_.events.processPending();
  {
    const QSignalBlocker blocker(list1_);
    list1_->clear();
  }
  list2_->clear();
  list3_->clear();
  list4_->clear();
  if (Status failure = storage::loadRoster(state_, services_.clock.now().date())) {
    endWith(failure->message);
    return;
  }
  const roster_menu::RosterListing listing =
      roster_menu::buildRosterListing(state_, displayMode_, combo1_->currentText());
  {
    const QSignalBlocker blocker(list1_);
    list1_->addItems(listing.lines);
  }
  list2_->addItems(listing.keys);
  list3_->addItems(listing.entries);
  list1_->setCurrentRow(0);
  List1_Click();
}

void namesel::Option1_Click(int index) {
  displayMode_ = index;
  名簿表示();
}

void namesel::Combo1_Click() {
  state_.gradeFilter = combo1_->currentText();
  名簿表示();
  if (!ending_) {
    list1_->setFocus();
  }
}

void namesel::List1_Click() {
  const int i = list1_->currentRow();
  if (i <= 0 || i > list3_->count()) {
    label1_->setText(prompt());
    return;
  }
  const QString line = storage::trimBlanks(list1_->item(i)->text());
  label1_->setText(storage::trimBlanks(line.left(10)));
  label2_->setText(QString::number(roster_menu::studentOfEntry(list3_->item(i - 1)->text())));
}

void namesel::List1_DblClick() {
  const int i = list1_->currentRow();
  if (i <= 0 || i > list3_->count()) {
    label1_->setText(prompt());
    return;
  }
  const QString line = storage::trimBlanks(list1_->item(i)->text());
  // The figures follow the last "/"; a "/" inside a name stays part of it.
  label1_->setText(storage::trimBlanks(line.left(line.lastIndexOf(u'/'))));
  label2_->setText(QString::number(roster_menu::studentOfEntry(list3_->item(i - 1)->text())));
  Command14_Click();
}

void namesel::Command14_Click() {
  // Under the cover the hub is already being opened: a second Enter, blank or double click
  // must not open it again.
  if (ending_ || !picture5_->isHidden()) {
    return;
  }
  bool numberOk = false;
  const int student = label2_->text().toInt(&numberOk);
  if (label1_->text() == prompt() || label1_->text().isEmpty() || !numberOk ||
      !validStudent(student)) {
    if (!drill::playWrongSound(state_, services_, navigator_)) {
      ending_ = true;
    }
    return;
  }
  state_.studentStartSeconds = platform::secondsSinceMidnight(services_.clock.now().time());
  state_.studentIndex = static_cast<qint16>(student);
  state_.studentName = state_.rosterNames[static_cast<std::size_t>(student)];
  state_.studentGrade = state_.rosterGradeLabels[static_cast<std::size_t>(student)];
  command14_->hide();
  picture5_->raise();
  picture5_->show();
  services_.events.processPending();
  // Shows the level hub, which unloads this screen: nothing here may run after it.
  openOwnLevelCatalogue(state_, navigator_);
}

void namesel::Command7_Click() {
  // A "0" typed while the hub is being opened does not leave the program under it.
  if (ending_ || !picture5_->isHidden()) {
    return;
  }
  const QString program = programMenuPath(state_);
  if (Status failure = services_.launcher.start(program, {QStringLiteral("001")})) {
    // Stay here: ending now would leave the class with nothing on screen.
    services_.dialogs.warning(
        this, state_.programTitle,
        QStringLiteral("プログラムメニューを起動できません。\n%1").arg(failure->message));
    return;
  }
  ending_ = true;
  navigator_.endProgram(0);
}

void namesel::Label4_Click() {
  frmver version(state_, this);
  version.move(x() + (width() - version.width()) / 2, y() + (height() - version.height()) / 2);
  version.exec();
  Form_Activate();
}

bool namesel::Form_KeyPress(const QString& text) {
  if (text == QStringLiteral("1")) {
    if (!command14_->isHidden()) {
      Command14_Click();
    }
    return true;
  }
  if (text == QStringLiteral("0")) {
    if (!command7_->isHidden()) {
      Command7_Click();
    }
    return true;
  }
  return false;
}

bool namesel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (Form_KeyPress(key->text())) {
      return true;
    }
    if (watched == list1_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                              key->key() == Qt::Key_Space)) {
      Command14_Click();
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonRelease && watched == label4_) {
    Label4_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void namesel::keyPressEvent(QKeyEvent* event) {
  if (!Form_KeyPress(event->text())) {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace tavelo
