#include "drill/game_screen.h"

#include "core/catalogue.h"
#include "core/geometry.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "drill/completion_screen.h"
#include "drill/sound_cues.h"
#include "drill/waiting_screen.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/random.h"
#include "platform/services.h"
#include "storage/results_file.h"
#include "storage/statistics.h"
#include "storage/text_items.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tavelo::drill {

namespace {

constexpr int kFormWidth = 15360;  // twips: 1024 x 768 pixels
constexpr int kFormHeight = 11520;
constexpr int kHeaderHeight = 1695;
constexpr int kSecondsPerDay = 86400;

// Slot positions (left, top) on the play area, in twips; index 0 unused.
constexpr std::array<std::pair<int, int>, kSlotCount + 1> kSlotPositions{{{0, 0},
                                                                          {4740, 4410},
                                                                          {8460, 4470},
                                                                          {1200, 4440},
                                                                          {4710, 1260},
                                                                          {8670, 1440},
                                                                          {12540, 1590},
                                                                          {12180, 4590},
                                                                          {10260, 7230},
                                                                          {1320, 7170},
                                                                          {1170, 1890},
                                                                          {7650, 7140},
                                                                          {12570, 7320},
                                                                          {4530, 7140}}};
constexpr int kSlotWidth = 1080;
constexpr int kSlotHeight = 960;
constexpr int kEmptySlotLine = 3;  // pixels: the frame of a slot without its picture
// The order number sits over the slot's upper left corner.
constexpr int kNumberOffsetLeft = -150;
constexpr int kNumberOffsetTop = -180;
constexpr int kNumberWidth = 600;
constexpr int kNumberHeight = 645;

// Time bar: the white bar and the bars laid on it.
constexpr int kBarLeft = 90;
constexpr int kBarTop = 1395;
constexpr int kBarWidth = 15105;
constexpr int kBarHeight = 210;

constexpr double kValuePoints = 15.75;
constexpr double kCaptionPoints = 8.25;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  double points, bool bold, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(gothicFont(points, bold));
  label->setAlignment(alignment);
  return label;
}

QWidget* makeShape(QWidget* parent, const QString& name, const QColor& colour) {
  auto* shape = new QWidget(parent);
  shape->setObjectName(name);
  fillBackground(shape, colour);
  shape->setGeometry(twipRect(kBarLeft, kBarTop, kBarWidth, kBarHeight));
  return shape;
}

// Puts a question picture into a slot, stretched to the slot. Without a picture the slot
// shows an empty frame, so the student still sees where to click.
void showPicture(QLabel* slot, const QPixmap& picture) {
  if (picture.isNull()) {
    slot->clear();
    slot->setFrameStyle(QFrame::Box | QFrame::Plain);
    slot->setLineWidth(kEmptySlotLine);
    return;
  }
  slot->setFrameStyle(QFrame::NoFrame);
  slot->setPixmap(picture);
}

}  // namespace

MainFrm::MainFrm(SharedState& state, platform::Services& services, Navigator& navigator,
                 WaitingScreen& waiting, QWidget* parent)
    : QWidget(parent),
      state_(state),
      services_(services),
      navigator_(navigator),
      waiting_(waiting),
      timer1_(new QTimer(this)),
      sTimer1_(new QTimer(this)),
      sTimer2_(new QTimer(this)) {
  setObjectName(QStringLiteral("MainFrm"));
  setWindowTitle(state.programTitle);
  setFixedSize(twips(kFormWidth), twips(kFormHeight));

  buildHeader();
  buildPlayArea();
  buildCover();

  // Buttons of the form that take no part in play.
  for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Commandkakunin"}) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    if (QByteArrayView(name) == "Commandkakunin") {
      button->setText(QStringLiteral("確認"));
    }
    button->hide();
  }

  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setSingleShot(true);
  // The display time is what the student sees; a coarse timer may be off by 5 %.
  timer1_->setTimerType(Qt::PreciseTimer);
  connect(timer1_, &QTimer::timeout, this, [this] { hideNumbers(); });
  sTimer1_->setObjectName(QStringLiteral("sTimer1"));
  sTimer1_->setInterval(1000);
  connect(sTimer1_, &QTimer::timeout, this, [this] { clockTick(); });
  sTimer2_->setObjectName(QStringLiteral("sTimer2"));
  sTimer2_->setInterval(10000);
  connect(sTimer2_, &QTimer::timeout, this, [this] { minutesTick(); });

  // Each game screen reseeds the program's random generator.
  services_.random.seed(
      static_cast<std::uint32_t>(platform::secondsSinceMidnight(services_.clock.now().time())));
  sPicture1_->move(0, 0);
  sPicture2_->move(0, 0);
  picture2_->setGeometry(0, sPicture1_->y() + sPicture1_->height(), twips(kFormWidth),
                         twips(kFormHeight) - sPicture1_->height());
  picture2_->show();
}

MainFrm::~MainFrm() = default;

void MainFrm::buildHeader() {
  sPicture1_ = new QWidget(this);
  sPicture1_->setObjectName(QStringLiteral("sPicture1"));
  sPicture1_->setGeometry(twipRect(0, 0, kFormWidth, kHeaderHeight));
  fillBackground(sPicture1_, QColor(226, 236, 250));
  QWidget* h = sPicture1_;
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  const Qt::Alignment centre = Qt::AlignCenter;
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

  // Who is playing.
  sLabel2_ = makeLabel(h, QStringLiteral("sLabel2"), state_.programTitle,
                       twipRect(120, 45, 3090, 570), 16.8, true, left);
  sLabel14_ =
      makeLabel(h, QStringLiteral("sLabel14"), {}, twipRect(120, 630, 3090, 300), 9, false, left);
  sLabel7_ = makeLabel(h, QStringLiteral("sLabel7"), {}, twipRect(120, 930, 3090, 420),
                       kValuePoints, true, left);

  // Minutes since the student started, tries today and tries on this level.
  const std::array<int, 3> rowTops{90, 510, 930};
  const std::array<const char*, 6> captions{"起動後", "分", "本日", "回目", "このレベル", "回目"};
  std::array<QLabel**, 3> values{&sLabel13_, &sLabel12_, &sLabel11_};
  const std::array<const char*, 3> valueNames{"sLabel13", "sLabel12", "sLabel11"};
  for (int row = 0; row < 3; ++row) {
    const int top = rowTops[static_cast<std::size_t>(row)];
    makeLabel(h, controlName("sLabel16", 2 * row), QString::fromUtf8(captions[2 * row]),
              twipRect(3300, top, 1080, 390), kCaptionPoints, false, right);
    *values[static_cast<std::size_t>(row)] =
        makeLabel(h, QString::fromLatin1(valueNames[static_cast<std::size_t>(row)]), {},
                  twipRect(4410, top, 660, 390), kValuePoints, true, centre);
    makeLabel(h, controlName("sLabel16", 2 * row + 1), QString::fromUtf8(captions[2 * row + 1]),
              twipRect(5100, top, 480, 390), kCaptionPoints, false, left);
  }

  // Level, remaining questions and drill time.
  makeLabel(h, QStringLiteral("sLabel3"), QStringLiteral("レベル"), twipRect(5700, 120, 1500, 270),
            kCaptionPoints, false, centre);
  sLabel8_ = makeLabel(h, QStringLiteral("sLabel8"), {}, twipRect(5700, 420, 1500, 540),
                       kValuePoints, true, centre);
  makeLabel(h, QStringLiteral("sLabel4"), QStringLiteral("残り"), twipRect(7350, 120, 1350, 270),
            kCaptionPoints, false, centre);
  sLabel9_ = makeLabel(h, QStringLiteral("sLabel9"), {}, twipRect(7350, 420, 900, 540),
                       kValuePoints, true, right);
  makeLabel(h, QStringLiteral("sLabel6"), QStringLiteral("問"), twipRect(8280, 570, 420, 300),
            kCaptionPoints, false, left);
  makeLabel(h, QStringLiteral("sLabel5"), QStringLiteral("タイム"), twipRect(8850, 120, 1350, 270),
            kCaptionPoints, false, centre);
  sLabel10_ = makeLabel(h, QStringLiteral("sLabel10"), {}, twipRect(8850, 420, 1350, 540),
                        kValuePoints, true, centre);

  // Three rows of ten lamps: green "Best", olive "YourBest", red "Pass".
  const std::array<QColor, 3> lampColours{QColor(0, 190, 0), QColor(128, 128, 0),
                                          QColor(230, 0, 0)};
  const std::array<int, 3> captionIndex{1, 0, 2};
  const std::array<const char*, 3> lampCaptions{"Best", "YourBest", "Pass"};
  for (int row = 0; row < 3; ++row) {
    const auto r = static_cast<std::size_t>(row);
    const int top = 120 + row * 390;
    makeLabel(h, controlName("sLabel17", captionIndex[r]), QString::fromLatin1(lampCaptions[r]),
              twipRect(10350, top - 30, 1050, 300), kCaptionPoints, false, right);
    for (int j = 0; j < kLampCount; ++j) {
      const int element = 10 * (row + 1) + j;
      auto* lamp = new QWidget(h);
      lamp->setObjectName(controlName("sPicture3", element));
      lamp->setGeometry(twipRect(11490 + j * 375, top, 300, 240));
      fillBackground(lamp, lampColours[r]);
      sPicture3_[static_cast<std::size_t>(element)] = lamp;
    }
  }

  // The time bar: white whole bar; minimum, target, elapsed and red bars on it.
  sShape5_ = makeShape(h, QStringLiteral("sShape5"), Qt::white);
  sShape4_ = makeShape(h, QStringLiteral("sShape4"), QColor(170, 240, 170));
  sShape3_ = makeShape(h, QStringLiteral("sShape3"), QColor(0, 170, 60));
  sShape2_ = makeShape(h, QStringLiteral("sShape2"), QColor(40, 80, 230));
  sShape7_ = makeShape(h, QStringLiteral("sShape7"), QColor(230, 0, 0));
  sShape7_->resize(0, sShape7_->height());
  makeShape(h, QStringLiteral("sShape8"), Qt::gray)->hide();
}

void MainFrm::buildPlayArea() {
  picture2_ = new QWidget(this);
  picture2_->setObjectName(QStringLiteral("Picture2"));
  fillBackground(picture2_, lightYellow());
  picture2_->hide();
  for (int n = 1; n <= kSlotCount; ++n) {
    const auto [left, top] = kSlotPositions[static_cast<std::size_t>(n)];
    auto* slot = new ClickLabel(picture2_, [this, n] { clickSlot(n); });
    slot->setObjectName(controlName("Image1", n));
    slot->setGeometry(twipRect(left, top, kSlotWidth, kSlotHeight));
    slot->setScaledContents(true);
    slot->setAccessibleName(QStringLiteral("場所%1").arg(n));
    slot->installEventFilter(this);
    slot->hide();
    image1_[static_cast<std::size_t>(n)] = slot;
  }
  // Created after the slots so that each number lies over its slot.
  for (int n = 1; n <= kSlotCount; ++n) {
    const auto [left, top] = kSlotPositions[static_cast<std::size_t>(n)];
    auto* number = new ClickLabel(picture2_, [this, n] { clickSlot(n); });
    number->setObjectName(controlName("Label1", n));
    number->setGeometry(
        twipRect(left + kNumberOffsetLeft, top + kNumberOffsetTop, kNumberWidth, kNumberHeight));
    number->setFont(gothicFont(24));
    number->setAlignment(Qt::AlignCenter);
    number->setFrameShape(QFrame::Box);
    fillBackground(number, lightYellow());
    setTextColour(number, QColor(20, 40, 140));
    number->hide();
    number->installEventFilter(this);
    label1_[static_cast<std::size_t>(n)] = number;
  }
  for (int n = 1; n <= kPictureCount; ++n) {
    auto* picture = new QLabel(this);
    picture->setObjectName(controlName("Image2", n));
    picture->hide();
    image2_[static_cast<std::size_t>(n)] = picture;
  }
}

void MainFrm::buildCover() {
  sPicture2_ = new QWidget(this);
  sPicture2_->setObjectName(QStringLiteral("sPicture2"));
  sPicture2_->setGeometry(twipRect(0, 0, kFormWidth, kFormHeight));
  fillBackground(sPicture2_, QColor(210, 225, 245));
  const QRect middle = twipRect(0, 4800, kFormWidth, 1500);
  lblsss1_ = makeLabel(sPicture2_, QStringLiteral("lblsss1"), QStringLiteral("成績記録中"), middle,
                       36, true, Qt::AlignCenter);
  lblsss2_ = makeLabel(sPicture2_, QStringLiteral("lblsss2"), QStringLiteral("時間切れ"), middle,
                       36, true, Qt::AlignCenter);
  setTextColour(lblsss2_, QColor(200, 0, 0));
  sPicture2_->hide();
}

bool MainFrm::activate() {
  if (activated_) {
    return true;
  }
  activated_ = true;
  for (int n = 1; n <= kPictureCount; ++n) {
    // A picture that is missing or unreadable stays empty: its questions show empty slot
    // frames, which the student can still click in order, so the drill goes on.
    const QString path = state_.programFolder + QStringLiteral("a%1.gif").arg(n);
    QPixmap picture;
    if (!picture.load(path)) {
      qWarning("question picture missing or unreadable: %s", qPrintable(path));
      continue;
    }
    pictures_[static_cast<std::size_t>(n)] = picture;
    image2_[static_cast<std::size_t>(n)]->setPixmap(picture);
  }
  if (!levelSettings(state_.levelIndex)) {
    services_.dialogs.warning(
        this, state_.programTitle,
        QStringLiteral("%1 のドリルはありません。").arg(state_.levelNames[state_.levelIndex]));
    returnToHub();
    return false;
  }
  初期設定();
  レベル別設定();
  スタート();
  問題作成表示();
  sTimer2_->start();
  return true;
}

void MainFrm::初期設定() {
  // The level hub stays loaded under this screen; the waiting screen has done its job.
  waiting_.close();
  SharedState& s = state_;
  s.drillFinished = 0;
  s.endingStarted = 0;
  s.judgement = 0;
  const int level = s.levelIndex;
  const int student = s.studentIndex;
  const int barWidth = sShape5_->width();
  if (s.levelRecorded[level] == 1) {
    s.timeBarMax = 5 * s.criteriaMinimumTime[level];
    sLabel10_->setText(QStringLiteral("0"));
    s.timeBarScale = s.timeBarMax > 0 ? static_cast<double>(barWidth) / s.timeBarMax : 0.0;
    setBar(sShape2_, 0);
    setBar(sShape7_, 0);
    setBar(sShape3_, s.criteriaTargetTime[level] * s.timeBarScale);
    setBar(sShape4_, s.criteriaMinimumTime[level] * s.timeBarScale);
    sShape3_->show();
    sShape4_->show();
    sShape7_->show();
  } else {
    sLabel10_->setText(QString::number(s.timeBarMax));
    s.timeBarScale = s.timeBarMax > 0 ? static_cast<double>(barWidth) / s.timeBarMax : 0.0;
    setBar(sShape3_, barWidth);
    setBar(sShape2_, 0);
    sShape3_->show();
    sShape7_->hide();
    sShape4_->hide();
  }

  sLabel2_->setFont(gothicFont(s.programTitle.size() > 9 ? 14 : 16.8, true));
  sLabel2_->setText(s.programTitle);
  sLabel7_->setText(storage::trimBlanks(s.studentName));
  sLabel8_->setText(s.levelNames[level]);
  const float todayOnLevel = s.todayCount(student, level);
  s.totalTries = 0;
  for (int l = 1; l <= 15; ++l) {
    s.totalTries = addTries(s.totalTries, s.todayCount(student, l));
  }
  sLabel14_->setText(s.siteName);
  sLabel13_->setText(QString::number(minutesSinceStudentStarted()));
  if (isPracticeLevel(s, level)) {
    sLabel12_->setText(QStringLiteral("－"));
    sLabel11_->setText(QStringLiteral("－"));
  } else {
    sLabel12_->setText(QString::number(s.totalTries + 1));
    sLabel11_->setText(QString::number(static_cast<int>(todayOnLevel) + 1));
  }
}

void MainFrm::レベル別設定() {
  if (const auto settings = levelSettings(state_.levelIndex)) {
    state_.questionCount = static_cast<qint16>(settings->questions);
    picturesPerQuestion_ = settings->pictures;
    timer1_->setInterval(settings->numbersShownMs);
  }
  sLabel9_->setText(QString::number(state_.questionCount));
}

void MainFrm::スタート() {
  state_.drillStartMs = services_.clock.monotonicMs();
  sTimer1_->start();
}

void MainFrm::問題作成表示() {
  if (state_.timedOut == 1 || state_.drillFinished == 1 || stopped_) {
    return;
  }
  slotOrder_ = shuffledSlotOrder(services_.random);
  for (int k = 1; k <= kSlotCount; ++k) {
    image1_[static_cast<std::size_t>(k)]->hide();
    label1_[static_cast<std::size_t>(k)]->hide();
  }
  nextPosition_ = 1;
  const int picture = services_.random.below(kPictureCount) + 1;
  for (int k = 1; k <= picturesPerQuestion_; ++k) {
    const auto slot = static_cast<std::size_t>(slotOrder_[static_cast<std::size_t>(k)]);
    showPicture(image1_[slot], pictures_[static_cast<std::size_t>(picture)]);
    label1_[slot]->setText(QString::number(k));
    label1_[slot]->show();
    image1_[slot]->show();
  }
  if (levelSettings(state_.levelIndex)) {
    timer1_->start();
  }
}

void MainFrm::hideNumbers() {
  timer1_->stop();
  for (int k = 1; k <= picturesPerQuestion_; ++k) {
    label1_[static_cast<std::size_t>(slotOrder_[static_cast<std::size_t>(k)])]->hide();
  }
}

void MainFrm::clickSlot(int n) {
  if (stopped_ || picturesPerQuestion_ < 1 || n < 1 || n > kSlotCount) {
    return;
  }
  timer1_->stop();
  if (nextPosition_ == 1) {
    for (int k = 1; k <= picturesPerQuestion_; ++k) {
      label1_[static_cast<std::size_t>(slotOrder_[static_cast<std::size_t>(k)])]->hide();
    }
  }
  if (slotOrder_[static_cast<std::size_t>(nextPosition_)] == n) {
    if (nextPosition_ < picturesPerQuestion_) {
      image1_[static_cast<std::size_t>(n)]->hide();
      ++nextPosition_;
      return;
    }
    // The last slot of the question was right; it stays visible.
    state_.judgement = 1;
  } else {
    state_.judgement = 2;
  }
  判定後処理();
}

void MainFrm::判定後処理() {
  SharedState& s = state_;
  if (s.timedOut == 1 || s.drillFinished == 1 || stopped_) {
    return;
  }
  const QPointer<MainFrm> self(this);
  if (s.judgement == 1) {
    // The drill time ends with the student's last right click, not with the sound after it.
    const std::int64_t answeredMs = services_.clock.monotonicMs();
    s.judgement = 0;
    if (!playCorrectSound(s, services_, navigator_, [this] { halt(); })) {
      return;
    }
    if (!self) return;
    ++s.correctCount;
    sLabel9_->setText(QString::number(s.questionCount - s.correctCount));
    if (s.correctCount < s.questionCount) {
      問題作成表示();
      return;
    }
    sTimer1_->stop();
    s.elapsedSeconds = elapsedSecondsBetween(s.drillStartMs, answeredMs);
    s.drillFinished = 1;
    endDrill();
    return;
  }

  // Wrong: the same question again, with its numbers, and a penalty.
  for (int k = 1; k <= picturesPerQuestion_; ++k) {
    const auto slot = static_cast<std::size_t>(slotOrder_[static_cast<std::size_t>(k)]);
    label1_[slot]->show();
    image1_[slot]->show();
  }
  nextPosition_ = 1;
  services_.events.processPending();
  if (!self || stopped_ || s.endingStarted == 1) return;
  if (!playWrongSound(s, services_, navigator_, [this] { halt(); })) {
    return;
  }
  if (!self) return;
  if (wrongAnswerTakesBackAnAnswer(s.levelIndex)) {
    s.correctCount = std::max(0, s.correctCount - 1);
  } else {
    s.drillStartMs -= kPenaltyMs;
  }
  sLabel9_->setText(QString::number(s.questionCount - s.correctCount));
  if (levelSettings(s.levelIndex)) {
    timer1_->start();
  }
}

void MainFrm::clockTick() {
  SharedState& s = state_;
  if (stopped_) {
    return;
  }
  const int level = s.levelIndex;
  const int elapsed = elapsedSecondsBetween(s.drillStartMs, services_.clock.monotonicMs());
  s.elapsedSeconds = elapsed;
  const auto out = redLampsOut(elapsed, s.criteriaTargetTime[level], s.criteriaMinimumTime[level]);
  for (int j = 0; j < kLampCount; ++j) {
    if (out.test(static_cast<std::size_t>(j))) {
      sPicture3_[static_cast<std::size_t>(30 + j)]->hide();
    }
  }
  // A level without a time limit (no minimum time) never runs out.
  const bool limited = s.timeBarMax > 0;
  if (s.levelRecorded[level] == 1) {
    sLabel10_->setText(QString::number(elapsed));
  }
  const QPointer<MainFrm> self(this);
  platform::EventPump& events = services_.events;
  events.processPending();
  if (!self || stopped_) return;
  if (!limited || elapsed < s.timeBarMax) {
    setBar(sShape2_, elapsed * s.timeBarScale);
    return;
  }
  setBar(sShape2_, sShape5_->width());
  if (s.endingStarted == 0 && s.drillFinished == 0) {
    s.timedOut = 1;
    sTimer1_->stop();
    endDrill();
  }
  events.processPending();
}

void MainFrm::minutesTick() {
  sLabel13_->setText(QString::number(minutesSinceStudentStarted()));
}

void MainFrm::endDrill() {
  SharedState& s = state_;
  const QPointer<MainFrm> self(this);
  platform::EventPump& events = services_.events;
  events.processPending();
  if (!self || stopped_ || s.endingStarted == 1) {
    return;
  }
  s.endingStarted = 1;
  timer1_->stop();
  sPicture2_->raise();
  sPicture2_->show();
  lblsss1_->setVisible(s.timedOut != 1);
  lblsss2_->setVisible(s.timedOut == 1);
  events.processPending();
  if (!self) return;

  const int level = s.levelIndex;
  if (isPracticeLevel(s, level) || s.levelRecorded[level] != 1) {
    // Practice drills (and levels that keep no results) are not recorded.
    WaitingScreen& waiting = waiting_;
    waiting.show();
    returnToHub();
    events.processPending();
    waiting.close();
    return;
  }
  sTimer1_->stop();
  s.drillTime = s.timedOut == 1 ? kTimedOut : s.elapsedSeconds;
  const Status failure = storage::recordDrillResult(s, services_);
  if (failure) {
    // The student still sees the drill's figures, but nobody may think it was kept.
    QString text = failure->message;
    const QString path = storage::resultsFilePath(s);
    if (!text.contains(path)) {
      text += u'\n' + path;
    }
    services_.dialogs.warning(this, QStringLiteral("成績の記録"), text);
    if (!self) return;
  }
  waiting_.show();
  events.processPending();
  if (!self) return;
  waitSeconds(1.0, !failure);
}

void MainFrm::waitSeconds(double seconds, bool recorded) {
  const QPointer<MainFrm> self(this);
  services_.events.waitLettingEventsRun(static_cast<int>(std::lround(seconds * 1000)));
  if (!self) return;
  auto* completion = new FrmSyuuryou(state_, services_, navigator_, waiting_, recorded);
  completion->setAttribute(Qt::WA_DeleteOnClose);
  handingOver_ = true;
  close();
  // This screen is closed; only the completion screen carries on from here.
  completion->show();
  completion->activate();
}

void MainFrm::returnToHub() {
  handingOver_ = true;
  stopTimers();
  Navigator& navigator = navigator_;
  close();
  navigator.showLevelHub();
}

void MainFrm::halt() {
  stopped_ = true;
  stopTimers();
}

void MainFrm::stopTimers() {
  timer1_->stop();
  sTimer1_->stop();
  sTimer2_->stop();
}

void MainFrm::closeEvent(QCloseEvent* event) {
  if (handingOver_ || !event->spontaneous()) {
    // Handing over, or the program is closing every window.
    halt();
    event->accept();
    return;
  }
  if (state_.drillFinished == 1 || state_.timedOut == 1 || state_.endingStarted == 1) {
    // The drill is over and being recorded; the screen closes itself when that is done.
    event->ignore();
    return;
  }
  // The student closed the window: the drill is given up and nothing is recorded.
  halt();
  event->accept();
  navigator_.showLevelHub();
}

// The second press of a double-click comes as a double-click event and its release would
// count as another click: on a wrong slot a second penalty, after the last slot of a
// question a click on whatever slot of the next question lies there, before its numbers
// could be read. The whole double-click counts once, with its first press and release.
bool MainFrm::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      swallowRelease_ = false;
      break;
    case QEvent::MouseButtonDblClick:
      swallowRelease_ = true;
      return true;
    case QEvent::MouseButtonRelease:
      if (swallowRelease_) {
        swallowRelease_ = false;
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void MainFrm::setBar(QWidget* shape, double width) {
  const int w = std::clamp(static_cast<int>(std::lround(width)), 0, sShape5_->width());
  shape->setGeometry(sShape5_->x(), sShape5_->y(), w, sShape5_->height());
}

int MainFrm::minutesSinceStudentStarted() const {
  int seconds =
      services_.clock.now().time().msecsSinceStartOfDay() / 1000 - state_.studentStartSeconds;
  if (seconds < 0) {
    seconds += kSecondsPerDay;  // the session went on past midnight
  }
  return seconds / 60;
}

}  // namespace tavelo::drill
