#include "drill/completion_screen.h"

#include "core/catalogue.h"
#include "core/geometry.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "drill/drill_rules.h"
#include "drill/sound_cues.h"
#include "drill/waiting_screen.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/services.h"
#include "storage/statistics.h"
#include "storage/text_items.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace tavelo::drill {

namespace {

constexpr int kFormWidth = 15360;  // twips: 1024 x 768 pixels
constexpr int kFormHeight = 11520;
constexpr qint16 kOpenEndedClearCount = 9999;

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, double points, bool bold,
                  Qt::Alignment alignment, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setFont(gothicFont(points, bold));
  label->setAlignment(alignment);
  setTextColour(label, colour);
  return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setFont(gothicFont(16, true));
  button->hide();
  return button;
}

// Cleared: enough drills and points inside the level's pass window.
bool clearedInPassWindow(const SharedState& s, int student, int level) {
  return s.passWindowPoints(student, level) >= s.criteriaClearPoints[level] &&
         s.passWindowCount(student, level) >= s.criteriaClearCount[level];
}

// Overdone: too many drills or points inside the overdoing window (0 means no limit).
bool overdone(const SharedState& s, int student, int level) {
  const double count = s.criteriaOverdoCount[level].number();
  const double points = s.criteriaOverdoPoints[level].number();
  return (count != 0 && s.overdoWindowCount(student, level) >= count) ||
         (points != 0 && s.overdoWindowPoints(student, level) >= points);
}

}  // namespace

QString completionBackgroundFileName() {
  return QStringLiteral("終了背景.png");
}

FrmSyuuryou::FrmSyuuryou(SharedState& state, platform::Services& services, Navigator& navigator,
                         WaitingScreen& waiting, bool recorded, QWidget* parent)
    : QWidget(parent),
      state_(state),
      services_(services),
      navigator_(navigator),
      waiting_(waiting),
      recorded_(recorded),
      image1_(new QLabel(this)),
      timer1_(new QTimer(this)) {
  setObjectName(QStringLiteral("FrmSyuuryou"));
  setWindowTitle(QStringLiteral("終了"));
  setFixedSize(twips(kFormWidth), twips(kFormHeight));
  fillBackground(this, QColor(255, 250, 235));

  // Background picture over the whole form; without the file the plain colour remains.
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setScaledContents(true);
  const QPixmap background(state.programFolder + completionBackgroundFileName());
  if (!background.isNull()) {
    image1_->setPixmap(background);
  }
  image1_->setGeometry(twipRect(0, 0, kFormWidth, kFormHeight));

  const QColor ink(30, 40, 90);
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  const Qt::Alignment centre = Qt::AlignCenter;
  label15_ = makeLabel(this, "Label15", twipRect(600, 300, 9000, 1260), 48, true, left, ink);
  label16_ = makeLabel(this, "Label16", twipRect(9600, 450, 5160, 1050), 36, true,
                       Qt::AlignRight | Qt::AlignVCenter, ink);
  label17_ = makeLabel(this, "Label17", twipRect(900, 2040, 13560, 1350), 48, true, left, ink);
  label14_ = makeLabel(this, "Label14", twipRect(960, 3420, 2100, 450), 14.25, true, left, ink);
  label13_ = makeLabel(this, "Label13", twipRect(3060, 3420, 5400, 450), 14.25, true, left, ink);
  label18_ = makeLabel(this, "Label18", twipRect(1200, 4200, 13200, 1080), 36, false, left, ink);
  label19_ = makeLabel(this, "Label19", twipRect(1200, 5400, 13200, 1080), 36, false, left, ink);
  label20_ = makeLabel(this, "Label20", twipRect(600, 6780, 14160, 900), 27.75, true, centre,
                       QColor(210, 20, 60));
  label20_->hide();
  label2_ = makeLabel(this, "Label2", twipRect(600, 7740, 14160, 750), 24, true, centre,
                      QColor(0, 130, 60));
  label2_->setText(QStringLiteral("このレベルクリア"));
  label2_->hide();

  picture1_ = new QWidget(this);
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture1_->setGeometry(twipRect(2430, 8940, 10500, 1080));
  fillBackground(picture1_, QColor(255, 215, 90));
  auto* label1 = makeLabel(picture1_, "Label1", QRect(QPoint(0, 0), picture1_->size()), 24, true,
                           centre, QColor(170, 30, 30));
  label1->setText(QStringLiteral("目標レベルクリア。おめでとう！"));
  picture1_->hide();

  command5_ =
      makeButton(this, "Command5", QStringLiteral("もう一度"), twipRect(4500, 10260, 3000, 840));
  command4_ =
      makeButton(this, "Command4", QStringLiteral("メニューへ"), twipRect(7860, 10260, 3000, 840));
  connect(command4_, &QPushButton::clicked, this, [this] { backToMenu(); });
  connect(command5_, &QPushButton::clicked, this, [this] { playAgain(); });

  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(500);
  connect(timer1_, &QTimer::timeout, this, [this] { offerButtons(); });
}

void FrmSyuuryou::activate() {
  if (activated_) {
    return;
  }
  activated_ = true;
  SharedState& s = state_;
  const QPointer<FrmSyuuryou> self(this);
  platform::EventPump& events = services_.events;
  const int level = s.levelIndex;
  const int student = s.studentIndex;
  const int t = s.drillTime;

  label13_->setText(QString::number(static_cast<int>(s.todayCount(student, level)) + 1));
  if (const Status failure = storage::computeStatistics(s, services_)) {
    services_.dialogs.warning(this, QStringLiteral("成績の集計"), failure->message);
    if (!self) return;
  }

  openEndedLevels_ = 0;
  cleared_ = clearedInPassWindow(s, student, level);
  if (cleared_) {
    label2_->show();
    if (level == s.goalLevel) {
      for (int l = 1; l <= kMaxLevel; ++l) {
        if (s.criteriaClearCount[l] == kOpenEndedClearCount) {
          openEndedLevels_ = -1;
        }
      }
      if (openEndedLevels_ != -1) {
        picture1_->show();
      }
    }
  }
  events.processPending();
  if (!self) return;
  timer1_->start();

  label19_->setText(pointsText(t, s.criteriaTargetTime[level], s.criteriaPointFactor[level]));
  label18_->setText(timeText(t));
  label17_->setText(storage::trimBlanks(s.studentName));
  label15_->setText(s.programTitle);
  label16_->setText(s.levelNames[level]);
  label13_->setText(
      QStringLiteral(" (このレベル　%1回目)").arg(static_cast<int>(s.todayCount(student, level))));
  s.totalTries = 0;
  for (int l = 1; l <= kMaxLevel; ++l) {
    s.totalTries = addTries(s.totalTries, s.todayCount(student, l));
  }
  label14_->setText(QStringLiteral("（%1回目)").arg(s.totalTries));
  events.processPending();
  if (!self) return;

  const auto announce = [&](const QString& text) {
    label20_->setText(text);
    label20_->show();
  };
  // A record is announced, then its sound plays, with events let run on either side of it.
  // False when the screen went away meanwhile.
  const auto celebrate = [&](const QString& text, void (*play)(SharedState&, platform::Services&)) {
    announce(text);
    events.processPending();
    if (!self) return false;
    play(s, services_);
    events.processPending();
    return !self.isNull();
  };
  if (!recorded_) {
    announce(QStringLiteral("成績を記録できませんでした"));
  } else if (s.timedOut == 1) {
    announce(QStringLiteral("時間切れ"));
  } else if (s.newLevelBest == 1) {
    if (!celebrate(QStringLiteral("！！！最高新記録！！！"), playLevelRecordSound)) return;
  } else if (s.newPersonalBest == 1) {
    if (!celebrate(QStringLiteral("新記録おめでとう"), playPersonalRecordSound)) return;
  } else if (t <= s.criteriaMinimumTime[level]) {
    playMinimumTimeSound(s, services_);
  }

  if (cleared_ && level == s.goalLevel) {
    if (recorded_ && s.alreadyCleared == 0) {
      playPassSound(s, services_);
    }
  } else {
    picture1_->hide();
  }
  s.newPersonalBest = 0;
  s.newLevelBest = 0;
  events.processPending();
  if (!self) return;
  waiting_.close();
}

void FrmSyuuryou::offerButtons() {
  timer1_->stop();
  SharedState& s = state_;
  const QPointer<FrmSyuuryou> self(this);
  picture1_->hide();
  command4_->show();
  services_.events.processPending();
  if (!self) return;
  command4_->setFocus();

  const int level = s.levelIndex;
  if (overdone(s, s.studentIndex, level) && cleared_) {
    if (level == s.goalLevel) {
      label2_->clear();
      label2_->hide();
      command5_->show();
    } else if (s.goalPassed == 0) {
      // Enough of this level: the student should move on rather than repeat it.
      label2_->setText(QStringLiteral("次のレベルへ進みましょう"));
      label2_->show();
    } else {
      command5_->show();
    }
  } else {
    command5_->show();
  }
}

void FrmSyuuryou::backToMenu() {
  command4_->setEnabled(false);
  command5_->setEnabled(false);
  platform::EventPump& events = services_.events;
  navigator_.showLevelHub();
  leaving_ = true;
  close();
  events.processPending();
}

void FrmSyuuryou::playAgain() {
  command4_->setEnabled(false);
  command5_->setEnabled(false);
  SharedState& state = state_;
  Navigator& navigator = navigator_;
  platform::EventPump& events = services_.events;
  waiting_.show();
  leaving_ = true;
  close();
  events.processPending();
  // Same levelIndex; the new game screen closes the waiting screen.
  startDrill(state, navigator, events);
}

void FrmSyuuryou::closeEvent(QCloseEvent* event) {
  timer1_->stop();
  event->accept();
  if (!leaving_ && event->spontaneous()) {
    // Closed by the window's own button: back to the level hub, as "メニューへ" does.
    leaving_ = true;
    waiting_.close();
    navigator_.showLevelHub();
  }
}

}  // namespace tavelo::drill
