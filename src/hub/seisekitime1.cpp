#include "hub/seisekitime1.h"

#include "core/catalogue.h"
#include "core/geometry.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "drill/statistics_refresh.h"
#include "hub/column_texts.h"
#include "hub/data_panel.h"
#include "hub/graph_panel.h"
#include "hub/level_opening.h"
#include "hub/rankings.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/services.h"
#include "storage/roster.h"
#include "storage/statistics.h"
#include "storage/text_items.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

namespace tavelo {

namespace {

// The screen is laid out in twips for 1024 x 768 pixels.
constexpr int kFormWidth = 15360;
constexpr int kFormHeight = 11520;
constexpr double kMarginShare = 0.02;  // left margin of the first column, share of the width
constexpr int kSharedColumnSpace = 14592;
constexpr int kScrolledColumnWidth = 3456;
constexpr int kPracticeTime = 600;

// Heading of the lists; the columns start just below it.
constexpr int kLabel5Top = 1560;
constexpr int kLabel5Height = 420;
// Rows of a column, top to bottom.
constexpr int kTitleRowHeight = 480;
constexpr int kStartRowHeight = 600;
constexpr int kHeaderRowHeight = 330;
constexpr int kCountRowHeight = 360;
constexpr int kPassRowHeight = 360;
constexpr int kCriteriaRowHeight = 390;
constexpr int kScrollTop = 10980;
constexpr int kScrollHeight = 300;

const QColor kLightGrey(224, 224, 224);

const QStringList& periodNames() {
  static const QStringList periods{
      QStringLiteral("　　　今週の全成績"), QStringLiteral("　　先週からの全成績"),
      QStringLiteral("　　１ヶ月間の全成績"), QStringLiteral("　　１年間の全成績"),
      QStringLiteral("　　今までの全成績\"")};
  return periods;
}

// A button of the screen; Enter does not press it on its own.
QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& geometry) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(geometry);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

seisekitime1::seisekitime1(SharedState& state, platform::Services& services, Navigator& navigator,
                           QWidget* parent)
    : QWidget(parent),
      state_(state),
      services_(services),
      navigator_(navigator),
      levelCount_(std::clamp<int>(state.levelCount, 1, kMaxLevel - 1)) {
  setObjectName(QStringLiteral("seisekitime1"));
  setWindowTitle(state_.programTitle);
  setFixedSize(twips(kFormWidth), twips(kFormHeight));
  setFont(gothicFont(10));

  // Loading: colours, column width, the fixed controls, the columns and the covers.
  period_ = 3;
  fillBackground(this, state_.seasonColour);
  if (levelCount_ < 5) {
    columnWidth_ = static_cast<double>(kSharedColumnSpace) / levelCount_;
  } else {
    columnWidth_ = kScrolledColumnWidth;
  }
  columnLeft_ = static_cast<int>(kMarginShare * kFormWidth);
  buildFixedControls();
  buildColumns();
  picture7_ = new hub::DataPanel(this, state_, services_.dialogs, navigator_, [this] { unload(); });
  buildGraphPanel();

  picture2_->setGeometry(rect());
  picture2_->raise();
  picture6_->setGeometry(twipRect(0, kLabel5Top, kFormWidth, kScrollTop - kLabel5Top));

  for (QWidget* child : findChildren<QWidget*>()) {
    child->installEventFilter(this);
  }
}

seisekitime1::~seisekitime1() = default;

void seisekitime1::buildFixedControls() {
  const auto label = [this](const char* name, const QRect& geometry, QWidget* parent = nullptr) {
    auto* l = new QLabel(parent != nullptr ? parent : this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
  };
  const auto panel = [this](const char* name, const QRect& geometry) {
    auto* f = new QFrame(this);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(geometry);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
  };

  label11_ = label("Label11", twipRect(300, 60, 3400, 620));
  label11_->setFont(gothicFont(24, true));
  label12_ = label("Label12", twipRect(300, 700, 3400, 420));
  label12_->setFont(gothicFont(13, true));
  label13_ = label("Label13", twipRect(300, 1120, 3400, 330));

  picture3_ = panel("Picture3", twipRect(3840, 120, 2280, 540));
  label17_ = label("Label17", QRect(QPoint(0, 0), picture3_->size()), picture3_);
  label17_->setAlignment(Qt::AlignCenter);
  label17_->setFont(gothicFont(12));
  picture4_ = panel("Picture4", twipRect(3840, 780, 2280, 540));
  label18_ = label("Label18", QRect(QPoint(0, 0), picture4_->size()), picture4_);
  label18_->setAlignment(Qt::AlignCenter);
  label18_->setFont(gothicFont(12));
  fillBackground(picture3_, Qt::white);
  fillBackground(picture4_, Qt::white);

  picture5_ = panel("Picture5", twipRect(6300, 60, 2160, 1260));
  const std::array<QString, 3> kinds{QStringLiteral("ﾀｲﾑ表示"), QStringLiteral("ﾎﾟｲﾝﾄ表示"),
                                     QStringLiteral("個人ﾀｲﾑ")};
  for (int k = 0; k < 3; ++k) {
    option2_[k] = new QRadioButton(kinds[static_cast<std::size_t>(k)], picture5_);
    option2_[k]->setObjectName(controlName("Option2", k));
    option2_[k]->setGeometry(twipRect(120, 60 + k * 390, 1980, 360));
    connect(option2_[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) Option2_Click(k);
    });
  }
  picture1_ = panel("Picture1", twipRect(8580, 60, 2160, 1260));
  const std::array<QString, 3> which{QStringLiteral("BEST表示"), QStringLiteral("本日のみ"),
                                     QStringLiteral("オール表示")};
  for (int k = 1; k <= 3; ++k) {
    option1_[k] = new QRadioButton(which[static_cast<std::size_t>(k - 1)], picture1_);
    option1_[k]->setObjectName(controlName("Option1", k));
    option1_[k]->setGeometry(twipRect(120, 60 + (k - 1) * 390, 1980, 360));
    connect(option1_[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) Option1_Click(k);
    });
  }
  fillBackground(picture5_, Qt::white);
  fillBackground(picture1_, Qt::white);

  combo1_ = new QComboBox(this);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setGeometry(twipRect(10860, 120, 2040, 450));
  combo1_->setToolTip(QStringLiteral("表示する学年を選びます"));
  combo1_->addItems(storage::gradeFilterTexts());
  const int filterIndex = combo1_->findText(state_.gradeFilter);
  combo1_->setCurrentIndex(filterIndex >= 0 ? filterIndex : 0);
  connect(combo1_, &QComboBox::activated, this, [this](int) { Combo1_Click(); });

  combo2_ = new QComboBox(this);
  combo2_->setObjectName(QStringLiteral("Combo2"));
  combo2_->setGeometry(twipRect(7680, kLabel5Top - 30, 3300, 450));
  combo2_->addItems(periodNames());
  combo2_->setCurrentIndex(2);  // "　　１ヶ月間の全成績"
  combo2_->hide();
  connect(combo2_, &QComboBox::activated, this, [this](int index) {
    if (option1_[3]->isChecked()) {
      period_ = index + 1;
      Option1_Click(3);
    }
  });

  command27_ = addButton(this, QStringLiteral("Command27"), QStringLiteral("印刷"),
                         twipRect(10860, 660, 960, 450));
  connect(command27_, &QPushButton::clicked, this,
          [this] { navigator_.showWorksheetSettings(); });
  command16_ = addButton(this, QStringLiteral("Command16"), QStringLiteral("個人別ﾀｲﾑ"),
                         twipRect(10860, 1140, 1000, 420));
  command16_->hide();
  command17_ = addButton(this, QStringLiteral("Command17"), QStringLiteral("グラフ"),
                         twipRect(11940, 660, 960, 450));
  command17_->hide();
  command1_ = addButton(this, QStringLiteral("Command1"), QStringLiteral("戻る(0)"),
                        twipRect(13080, 120, 1980, 720));
  command1_->setFont(gothicFont(14, true));
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  command8_ = addButton(this, QStringLiteral("Command8"), QStringLiteral("データ処理"),
                        twipRect(13080, 960, 1980, 450));
  command8_->hide();
  connect(command8_, &QPushButton::clicked, this, [this] { Command8_Click(); });

  label5_ = label("Label5", twipRect(columnLeft_, kLabel5Top, 7200, kLabel5Height));
  label5_->setText(QStringLiteral("ベスト成績"));
  label5_->setFont(gothicFont(13, true));

  hScroll1_ = new QScrollBar(Qt::Horizontal, this);
  hScroll1_->setObjectName(QStringLiteral("HScroll1"));
  hScroll1_->setGeometry(twipRect(columnLeft_, kScrollTop, kSharedColumnSpace, kScrollHeight));
  if (levelCount_ < 5) {
    hScroll1_->setRange(1, 1);
    hScroll1_->hide();
  } else {
    hScroll1_->setRange(1, levelCount_ - 3);
  }
  hScroll1_->setPageStep(1);
  connect(hScroll1_, &QScrollBar::valueChanged, this, [this](int) { HScroll1_Change(); });

  // The waiting covers: a message and a progress bar on the season colour, hidden until used.
  const auto cover = [&](const char* name, const char* labelName, const QString& text,
                         const QRect& labelRect, double points, const char* barName,
                         const QRect& barRect, QProgressBar*& bar) {
    QFrame* picture = panel(name, QRect());
    fillBackground(picture, state_.seasonColour);
    QLabel* moment = label(labelName, labelRect, picture);
    moment->setText(text);
    moment->setAlignment(Qt::AlignCenter);
    moment->setFont(gothicFont(points));
    bar = new QProgressBar(picture);
    bar->setObjectName(QString::fromLatin1(barName));
    bar->setGeometry(barRect);
    return picture;
  };
  picture6_ = cover("Picture6", "Label21", QStringLiteral("Just a momento, please."),
                    twipRect(0, 1200, kFormWidth, 600), 20, "ProgressBar2",
                    twipRect(3840, 2100, 7680, 360), progressBar2_);
  picture6_->hide();
  picture2_ = cover("Picture2", "Label20", QStringLiteral("Just a moment, please."),
                    twipRect(0, 4200, kFormWidth, 900), 26.25, "ProgressBar1",
                    twipRect(3840, 5400, 7680, 360), progressBar1_);
}

void seisekitime1::buildColumns() {
  columns_.resize(static_cast<std::size_t>(levelCount_) + 1);
  const double w = columnWidth_;
  const double numberWidth = 0.2 * w;
  const double half = w / 2;
  const double top1 = kLabel5Top + 1.05 * kLabel5Height;
  const double top2 = top1 + kTitleRowHeight;
  const double top3 = top2 + kStartRowHeight;
  const double top4 = top3 + kHeaderRowHeight;
  const double top5 = top4 + kCountRowHeight;
  const double top6 = top5 + kPassRowHeight;
  const double top7 = kScrollTop - 60 - kCriteriaRowHeight;
  const QFont listFace = listFont(10);

  for (int i = 1; i <= levelCount_; ++i) {
    Column& c = columns_[static_cast<std::size_t>(i)];
    const double x = columnLeft_ + (i - 1) * w;
    const auto label = [this, i](const char* name, const QRectF& r,
                                 std::function<void()> onClick = {}) {
      auto* l = onClick ? new ClickLabel(this, std::move(onClick)) : new QLabel(this);
      l->setObjectName(controlName(name, i));
      l->setGeometry(twipRect(r.x(), r.y(), r.width(), r.height()));
      return l;
    };
    c.label1 = label("Label1", {x, top1, numberWidth, kTitleRowHeight});
    c.label1->setText(QString::number(i));
    c.label1->setAlignment(Qt::AlignCenter);
    c.label1->setFont(gothicFont(14, true));
    c.label3 = label("Label3", {x + numberWidth, top1, w - numberWidth, kTitleRowHeight},
                     [this, i] { Label3_Click(i); });
    c.label3->setText(state_.levelNames[i]);
    c.label3->setToolTip(state_.levelNames[i]);
    c.label3->setFont(gothicFont(14, true));
    c.label3->setCursor(Qt::PointingHandCursor);

    c.command4 = addButton(this, controlName("Command4", i), QStringLiteral("ｽﾀｰﾄ(&%1)").arg(i),
                           twipRect(x, top2, w, kStartRowHeight));
    c.command4->setFont(gothicFont(13, true));
    connect(c.command4, &QPushButton::clicked, this, [this, i] { Command4_Click(i); });

    c.text1 = new QLineEdit(this);
    c.text1->setObjectName(controlName("Text1", i));
    c.text1->setGeometry(twipRect(x, top2, w, kStartRowHeight));
    c.text1->setReadOnly(true);
    c.text1->setAlignment(Qt::AlignCenter);
    c.text1->setFont(gothicFont(13, true));
    c.text1->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    c.text1->hide();

    c.label9 = label("Label9", {x, top3, half, kHeaderRowHeight});
    c.label10 = label("Label10", {x + half, top3, half, kHeaderRowHeight});
    c.label14 = label("Label14", {x, top4, half, kCountRowHeight});
    c.label15 = label("Label15", {x + half, top4, half, kCountRowHeight});
    for (QLabel* l : {c.label9, c.label10, c.label14, c.label15}) {
      l->setAlignment(Qt::AlignCenter);
    }
    c.label8 = label("Label8", {x, top5, w, kPassRowHeight});
    c.label8->setAlignment(Qt::AlignCenter);
    if (state_.levelRecorded[i] == 1) {
      c.label8->setText(hub::passWindowLine(state_, state_.studentIndex, i));
    }

    c.list5 = new QListWidget(this);
    c.list5->setObjectName(controlName("List5", i));
    c.list5->setGeometry(twipRect(x, top6, w, top7 - top6 - 30));
    c.list5->setFont(listFace);
    c.list5->setUniformItemSizes(true);
    c.list5->raise();

    c.label7 = label("Label7", {x, top7, w, kCriteriaRowHeight});
    c.label7->setAlignment(Qt::AlignCenter);
    c.label7->setFont(gothicFont(9));
    c.label7->setText(hub::criteriaLine(state_, i));

    c.command3 = new QPushButton(QStringLiteral("成績表示"), this);
    c.command3->setObjectName(controlName("Command3", i));
    c.command3->hide();
    c.command2 = new QPushButton(QStringLiteral("タイム初期化"), this);
    c.command2->setObjectName(controlName("Command2", i));
    c.command2->hide();
  }
}

void seisekitime1::buildGraphPanel() {
  // The results graph of the current or a chosen student; drawn by the graph code.
  picture11_ = new QFrame(this);
  picture11_->setObjectName(QStringLiteral("Picture11"));
  picture11_->setFrameShape(QFrame::Box);
  picture11_->setGeometry(twipRect(120, 1740, 15120, 9660));
  fillBackground(picture11_, Qt::white);
  auto* surface = new QFrame(picture11_);
  surface->setObjectName(QStringLiteral("Picture12"));
  surface->setGeometry(twipRect(60, 60, 12000, 9540));
  auto* students = new QListWidget(picture11_);
  students->setObjectName(QStringLiteral("List2"));
  students->setSelectionMode(QAbstractItemView::MultiSelection);
  students->setGeometry(twipRect(60, 60, 4200, 9540));
  students->hide();
  auto* levelsHeading = new QLabel(QStringLiteral("ﾚﾍﾞﾙ"), picture11_);
  levelsHeading->setObjectName(QStringLiteral("Label27"));
  levelsHeading->setGeometry(twipRect(12180, 60, 1200, 360));
  auto* levels = new QListWidget(picture11_);
  levels->setObjectName(QStringLiteral("List3"));
  levels->setSelectionMode(QAbstractItemView::MultiSelection);
  levels->setGeometry(twipRect(12180, 420, 1200, 3600));
  const std::array<QString, 2> captions{QStringLiteral("表示"), QStringLiteral("印刷")};
  for (int k = 0; k < 2; ++k) {
    auto* b =
        addButton(picture11_, controlName("Command24", k), captions[static_cast<std::size_t>(k)],
                  twipRect(13500, 420 + k * 600, 1500, 480));
    if (k == 1) {
      command24Print_ = b;
      b->hide();
    }
  }
  addButton(picture11_, QStringLiteral("Command25"), QStringLiteral("他の人のデータを見る"),
            twipRect(12180, 4200, 2820, 480));
  auto* back = addButton(picture11_, QStringLiteral("Command18"), QStringLiteral("戻る"),
                         twipRect(13500, 8940, 1500, 540));
  connect(back, &QPushButton::clicked, picture11_, &QWidget::hide);
  picture11_->hide();
  graphPanel_ = new hub::GraphPanel(
      *picture11_, state_, services_,
      {[this] { return combo1_->currentText(); },
       [this](int level, int student) {
         // The rankings as the hub lists them, with its points order and grade filter.
         const hub::ListContext context(state_, combo1_->currentText());
         const auto order = pointsOrder_ == 2 ? hub::PointsOrder::kToday : hub::PointsOrder::kSoFar;
         return hub::rankFigures(hub::pointRanking(context, level, order),
                                 hub::timeRanking(context, level), student);
       }});
  connect(command17_, &QPushButton::clicked, this, [this] { Command17_Click(); });
}

void seisekitime1::Command17_Click() {
  graphPanel_->Command17_Click();
}

bool seisekitime1::refreshStatistics() {
  return drill::refreshStatisticsOrEnd(state_, services_, navigator_, this, ending_);
}

void seisekitime1::activate() {
  if (unloaded_ || ending_) {
    return;
  }
  platform::EventPump& events = services_.events;
  const bool teacher = hub::isTeacher(state_.studentName);
  command27_->setVisible(teacher && state_.hubPrintSwitch == 1);
  command8_->setVisible(teacher);
  command24Print_->setVisible(teacher);

  const QTime now = services_.clock.now().time();
  label17_->setText(
      hub::minutesLine(now.msecsSinceStartOfDay() / 1000, state_.studentStartSeconds));
  keysEnabled_ = 0;
  picture2_->setGeometry(0, 0, width(), height());
  picture2_->raise();
  picture2_->show();
  progressBar1_->show();
  events.processPending();

  option1_[1]->setText(QStringLiteral("累計順"));
  option1_[2]->setText(QStringLiteral("本日順"));
  if (unloadNameSelection) {
    unloadNameSelection();
  }
  if (!refreshStatistics()) {
    return;
  }

  state_.totalTries = hub::totalTriesToday(state_, state_.studentIndex);
  label18_->setText(QStringLiteral("本日総回数＝") + QString::number(state_.totalTries) + u'回');
  progressBar1_->setMaximum(levelCount_);
  listMode_ = 2;
  state_.listShown = 1;

  activating_ = 1;
  {
    const QSignalBlocker blocker(option1_[1]);
    option1_[1]->setChecked(true);
  }
  Option1_Click(1);
  Option2_Click(1);
  {
    const QSignalBlocker blocker(option2_[1]);
    option2_[1]->setChecked(true);
  }
  command1_->setEnabled(true);
  activating_ = 0;

  for (int i = 1; i <= levelCount_; ++i) {
    if (isPracticeLevel(state_, i)) {
      state_.criteriaTargetTime[i] = kPracticeTime;
      state_.criteriaMinimumTime[i] = kPracticeTime;
    } else {
      columns_[static_cast<std::size_t>(i)].list5->show();
    }
  }

  picture6_->hide();
  label12_->setText(state_.studentGrade + u' ' + storage::trimBlanks(state_.studentName));
  label13_->setText(state_.siteName + u':' + QString::number(state_.studentIndex));
  label11_->setFont(gothicFont(state_.programTitle.size() > 9 ? 20 : 24, true));
  label11_->setText(state_.programTitle);

  if (state_.hubScrollPos == 0 || state_.hubScrollPos > hScroll1_->maximum()) {
    state_.hubScrollPos = 1;
  }
  {
    const QSignalBlocker blocker(hScroll1_);
    hScroll1_->setValue(state_.hubScrollPos);
  }
  layColumnsOut();

  events.processPending();
  for (int i = 2; i <= levelCount_; ++i) {
    columns_[static_cast<std::size_t>(i)].command4->setEnabled(false);
  }
  for (int i = 1; i <= levelCount_; ++i) {
    Column& c = columns_[static_cast<std::size_t>(i)];
    fillBackground(c.label7, kLightGrey);
    fillBackground(c.label8, kLightGrey);
    if (isPracticeLevel(state_, i)) {
      for (QWidget* w : {static_cast<QWidget*>(c.list5), static_cast<QWidget*>(c.label7),
                         static_cast<QWidget*>(c.label8), static_cast<QWidget*>(c.label14),
                         static_cast<QWidget*>(c.label15), static_cast<QWidget*>(c.label9),
                         static_cast<QWidget*>(c.label10)}) {
        w->hide();
      }
    }
    c.command4->setEnabled(true);
    setSummaryLines(i);
  }

  applyLevelOpening();

  picture2_->hide();
  progressBar1_->hide();
  events.processPending();
  keysEnabled_ = 1;
}

void seisekitime1::setSummaryLines(int level) {
  Column& c = columns_[static_cast<std::size_t>(level)];
  const int student = state_.studentIndex;
  c.label15->setText(hub::soFarLine(state_, student, level));
  c.label14->setText(hub::todayLine(state_, student, level));
  // The pass-window line follows the statistics too, so that a drill just finished counts.
  if (state_.levelRecorded[level] == 1) {
    c.label8->setText(hub::passWindowLine(state_, student, level));
  }
}

void seisekitime1::applyLevelOpening() {
  for (int i = 1; i <= levelCount_; ++i) {
    columns_[static_cast<std::size_t>(i)].command4->setEnabled(false);
  }
  const hub::LevelOpening opening = hub::levelOpeningRule(state_);
  state_.goalPassed = opening.goalPassed ? 1 : 0;
  for (int i = 1; i <= levelCount_; ++i) {
    Column& c = columns_[static_cast<std::size_t>(i)];
    c.command4->setEnabled(opening.open[static_cast<std::size_t>(i)]);
    switch (opening.cover[static_cast<std::size_t>(i)]) {
      case hub::OverdoCover::kHidden:
        c.text1->hide();
        break;
      case hub::OverdoCover::kShown:
        c.text1->setText(QStringLiteral("やりすぎ禁止"));
        c.text1->raise();
        c.text1->show();
        break;
      case hub::OverdoCover::kUnchanged:
        break;
    }
  }
}

void seisekitime1::layColumnsOut() {
  const int p = hScroll1_->value();
  const double numberWidth = 0.2 * columnWidth_;
  const double half = columnWidth_ / 2;
  for (int i = 1; i <= levelCount_; ++i) {
    Column& c = columns_[static_cast<std::size_t>(i)];
    double x = columnLeft_ + (i - p) * columnWidth_;
    if (x < 0) {
      x = kFormWidth;  // scrolled off to the left: out of sight
    }
    const int left = twips(x);
    for (QWidget* w : {static_cast<QWidget*>(c.list5), static_cast<QWidget*>(c.command4),
                       static_cast<QWidget*>(c.text1), static_cast<QWidget*>(c.label1),
                       static_cast<QWidget*>(c.label7), static_cast<QWidget*>(c.label8),
                       static_cast<QWidget*>(c.label9), static_cast<QWidget*>(c.label14)}) {
      w->move(left, w->y());
    }
    c.label3->move(twips(x + numberWidth), c.label3->y());
    c.label10->move(twips(x + half), c.label10->y());
    c.label15->move(twips(x + half), c.label15->y());
  }
}

void seisekitime1::HScroll1_Change() {
  const int value = hScroll1_->value();
  state_.hubScrollPos = static_cast<qint16>(value > levelCount_ ? 1 : value);
  layColumnsOut();
}

void seisekitime1::回数など表示() {
  for (int i = 1; i <= levelCount_; ++i) {
    Column& c = columns_[static_cast<std::size_t>(i)];
    c.label9->setText(QStringLiteral("今日"));
    c.label10->setText(QStringLiteral("今まで"));
    c.list5->clear();
  }
}

void seisekitime1::成績リスト色表示() {
  for (int i = 1; i <= levelCount_; ++i) {
    if (listMode_ == 2 || (listMode_ == 1 && state_.levelRecorded[i] == 1)) {
      成績リスト色表示単独(i);
    }
  }
}

void seisekitime1::成績リスト色表示単独(int level) {
  QListWidget* list = columns_[static_cast<std::size_t>(level)].list5;
  if (list->count() > 0) {
    list->clearSelection();
    list->setCurrentRow(-1);
  }
}

void seisekitime1::Command3_Click(int level) {
  Column& c = columns_[static_cast<std::size_t>(level)];
  c.label9->setText(QStringLiteral("今日"));
  c.label10->setText(QStringLiteral("今まで"));
  // The ranking and time-list lines are not built yet: the list stays empty.
  c.list5->clear();
  成績リスト色表示単独(level);
}

void seisekitime1::showLists() {
  for (int i = 1; i <= levelCount_; ++i) {
    if (!isPracticeLevel(state_, i)) {
      columns_[static_cast<std::size_t>(i)].list5->show();
    }
  }
}

void seisekitime1::Option1_Click(int index) {
  command1_->setEnabled(false);
  for (int i = 1; i <= levelCount_; ++i) {
    columns_[static_cast<std::size_t>(i)].command4->setEnabled(false);
    columns_[static_cast<std::size_t>(i)].list5->hide();
  }
  picture6_->raise();
  picture6_->show();
  combo2_->hide();
  picture1_->setEnabled(false);
  services_.events.processPending();

  if (listMode_ == 0) {
    listMode_ = 1;
  }
  const auto eachLevel = [this](QProgressBar* second) {
    progressBar2_->reset();
    progressBar2_->setMaximum(levelCount_);
    for (int i = 1; i <= levelCount_; ++i) {
      progressBar2_->setValue(i);
      if (second != nullptr) second->setValue(std::min(i, second->maximum()));
      if (isPracticeLevel(state_, i)) {
        Column& c = columns_[static_cast<std::size_t>(i)];
        for (QWidget* w : {static_cast<QWidget*>(c.list5), static_cast<QWidget*>(c.label7),
                           static_cast<QWidget*>(c.label8), static_cast<QWidget*>(c.label14),
                           static_cast<QWidget*>(c.label15), static_cast<QWidget*>(c.label9),
                           static_cast<QWidget*>(c.label10)}) {
          w->hide();
        }
      } else {
        Command3_Click(i);
      }
    }
  };
  const auto allResults = [this] {
    state_.listShown = 3;
    回数など表示();
    label5_->clear();
    成績リスト色表示();
    combo2_->show();
  };
  if (listMode_ == 1) {
    if (index == 1) {
      label5_->setText(QStringLiteral("ベスト成績"));
      state_.listShown = 1;
      回数など表示();
      eachLevel(nullptr);
    } else if (index == 2) {
      label5_->setText(QStringLiteral("本日の成績"));
      state_.listShown = 2;
      回数など表示();
      成績リスト色表示();
    } else {
      allResults();
    }
  } else {
    if (pointsOrder_ == 0) {
      pointsOrder_ = 1;
    }
    if (index == 1) {
      pointsOrder_ = 1;
      label5_->setText(QStringLiteral("獲得ポイント（今まで順位）"));
      progressBar1_->reset();
      eachLevel(progressBar1_);
    } else if (index == 2) {
      label5_->setText(QStringLiteral("獲得ポイント（今日の順位）"));
      pointsOrder_ = 2;
      eachLevel(nullptr);
    } else {
      allResults();
    }
  }
  picture1_->setEnabled(true);

  command1_->setEnabled(true);
  applyLevelOpening();
  showLists();
  picture6_->hide();
}

void seisekitime1::Option2_Click(int index) {
  command17_->hide();
  picture11_->hide();
  command1_->setEnabled(false);
  for (int i = 1; i <= levelCount_; ++i) {
    columns_[static_cast<std::size_t>(i)].command4->setEnabled(false);
    columns_[static_cast<std::size_t>(i)].list5->hide();
  }
  picture6_->raise();
  picture6_->show();
  services_.events.processPending();
  if (activating_ == 1) {
    return;  // the activation finishes the work itself
  }
  const auto selected = [this]() {
    for (int k = 1; k <= 3; ++k) {
      if (option1_[k]->isChecked()) return k;
    }
    return 1;
  };
  if (index == 0) {
    option1_[1]->setText(QStringLiteral("BEST表示"));
    option1_[2]->setText(QStringLiteral("本日のみ"));
    option1_[3]->show();
    listMode_ = 1;
    Option1_Click(selected());
  } else if (index == 1) {
    combo2_->hide();
    option1_[1]->setText(QStringLiteral("合計累計"));
    option1_[2]->setText(QStringLiteral("合計本日"));
    option1_[3]->setText(QStringLiteral("すべて"));
    option1_[3]->show();
    listMode_ = 2;
    services_.events.processPending();
    const int k = selected();
    if (k != 3) {
      pointsOrder_ = k;
    }
    Option1_Click(k);
  } else {
    command17_->show();
    combo2_->hide();
    // The per-person time list: the student's own drills under every level.
    state_.listShown = 3;
    回数など表示();
    label5_->setText(QStringLiteral("個人別ﾀｲﾑ"));
    picture6_->hide();
    showLists();
    command1_->setEnabled(true);
    // The start buttons were closed for the rebuild; open them again.
    applyLevelOpening();
  }
}

void seisekitime1::Combo1_Click() {
  state_.gradeFilter = combo1_->currentText();
  Option2_Click(option2_[0]->isChecked() ? 0 : 1);
  if (levelCount_ >= 1) {
    columns_[1].command4->setFocus();
  }
}

void seisekitime1::Command8_Click() {
  picture7_->showInFront();
}

void seisekitime1::Command4_Click(int level) {
  if (level < 1 || level > levelCount_) {
    return;
  }
  Column& c = columns_[static_cast<std::size_t>(level)];
  // Ignored while the data panel is open, for a closed level, and while the hub is busy.
  if (!picture7_->isHidden() || !c.command4->isEnabled() || busy()) {
    return;
  }
  picture2_->raise();
  picture2_->show();
  state_.levelIndex = static_cast<qint16>(level);
  // Off before events run: a key or click arriving meanwhile must not start or leave too.
  keysEnabled_ = 0;
  services_.events.processPending();
  startDrill(state_, navigator_, services_.events);
}

void seisekitime1::Label3_Click(int level) {
  if (level < 1 || level > levelCount_) {
    return;
  }
  Column& c = columns_[static_cast<std::size_t>(level)];
  if (!picture7_->isHidden() || !c.command4->isEnabled() || busy()) {
    return;
  }
  state_.levelIndex = static_cast<qint16>(level);
  keysEnabled_ = 0;
  startDrill(state_, navigator_, services_.events);
  unload();
}

void seisekitime1::Command1_Click() {
  if (!command1_->isEnabled() || ending_ || busy()) {
    return;
  }
  platform::EventPump& events = services_.events;
  Navigator& navigator = navigator_;
  picture2_->raise();
  picture2_->show();
  keysEnabled_ = 0;
  events.processPending();
  // Name selection unloads this screen when it becomes active.
  navigator.showNameSelection();
  events.processPending();
}

bool seisekitime1::Form_KeyPress(const QString& text) {
  if (keysEnabled_ == 0 || text.size() != 1) {
    return false;
  }
  const QChar key = text.at(0);
  if (key >= u'1' && key <= u'9') {
    const int level = key.digitValue();
    if (levelCount_ > level - 1) {
      Command4_Click(level);
    }
    return true;
  }
  if (key >= u'a' && key <= u'd') {
    const int level = 10 + (key.unicode() - u'a');
    if (levelCount_ > level - 1) {
      Command4_Click(level);
    }
    return true;
  }
  if (key == u'0') {
    if (command1_->isEnabled()) {
      Command1_Click();
    }
    return true;
  }
  return false;
}

void seisekitime1::unload() {
  if (unloaded_) {
    return;
  }
  unloaded_ = true;
  hide();
  deleteLater();
}

namespace {

// Keys typed into a text field (the data password) are text, never shortcuts.
bool isTextField(const QObject* widget) {
  const auto* edit = qobject_cast<const QLineEdit*>(widget);
  return edit != nullptr && !edit->isReadOnly();
}

}  // namespace

bool seisekitime1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !isTextField(watched)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // The digits of the number pad are shortcuts too; with Ctrl or Alt a key is not.
    if ((key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier) {
      if (Form_KeyPress(key->text())) {
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void seisekitime1::keyPressEvent(QKeyEvent* event) {
  if (isTextField(QApplication::focusWidget()) || !Form_KeyPress(event->text())) {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace tavelo
