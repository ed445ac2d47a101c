#include "hub/graph_panel.h"

#include "core/screen_style.h"
#include "core/shared_state.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "storage/roster.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace tavelo::hub {

namespace {
constexpr double kScreenDpi = 96;
}

GraphPanel::GraphPanel(QWidget& picture11, SharedState& state, platform::Services& services,
                       Hooks hooks)
    : QObject(&picture11),
      picture11_(picture11),
      state_(state),
      services_(services),
      hooks_(std::move(hooks)) {
  picture12_ = picture11.findChild<QWidget*>(QStringLiteral("Picture12"));
  list2_ = picture11.findChild<QListWidget*>(QStringLiteral("List2"));
  list3_ = picture11.findChild<QListWidget*>(QStringLiteral("List3"));
  command25_ = picture11.findChild<QPushButton*>(QStringLiteral("Command25"));
  picture12_->installEventFilter(this);
  connect(list2_, &QListWidget::itemClicked, this, [this] { List2_Click(); });
  connect(list3_, &QListWidget::itemClicked, this, [this] { List3_Click(); });
  connect(command25_, &QPushButton::clicked, this, [this] { Command25_Click(); });
  for (int k = 0; k < 2; ++k) {
    auto* button = picture11.findChild<QPushButton*>(controlName("Command24", k));
    connect(button, &QPushButton::clicked, this, [this, k] { Command24_Click(k); });
  }
}

void GraphPanel::fillChoosers() {
  list2_->clear();
  for (const RosterEntry& entry : state_.roster) {
    const int n = entry.number;
    list2_->addItem(state_.rosterGradeLabels[static_cast<std::size_t>(n)] + QStringLiteral(" /  ") +
                    state_.rosterNames[static_cast<std::size_t>(n)].trimmed() +
                    QStringLiteral("/") + QString::number(n));
  }
  list3_->clear();
  for (int level = 1; level <= state_.levelCount; ++level) list3_->addItem(QString::number(level));
  graphStudent = state_.studentIndex;
}

void GraphPanel::Command17_Click() {
  if (list3_->count() == 0) fillChoosers();
  graphStudent = state_.studentIndex;
  list2_->hide();
  command25_->show();
  list2_->clearSelection();
  for (int row = 0; row < std::min(3, list3_->count()); ++row) list3_->item(row)->setSelected(true);
  graphBaseFontSize = 6;
  graphLevelOffset = 1;
  draw(0);
}

void GraphPanel::Command25_Click() {
  command25_->hide();
  list2_->show();
}

void GraphPanel::List2_Click() {
  Command24_Click(0);
}

void GraphPanel::List3_Click() {
  if (picture11_.isVisible()) Command24_Click(0);
}

void GraphPanel::Command24_Click(int k) {
  const QList<QListWidgetItem*> chosen = list2_->selectedItems();
  if (chosen.isEmpty()) {
    draw(k);
    return;
  }
  for (int row = 0; row < list2_->count(); ++row) {
    const QString line = list2_->item(row)->text();
    if (!list2_->item(row)->isSelected()) continue;
    graphStudent = line.mid(line.lastIndexOf(u'/') + 1).toInt();
    draw(k);
  }
}

void GraphPanel::Command18_Click() {
  picture11_.hide();
}

std::vector<GraphBand> GraphPanel::chosenBands() const {
  std::vector<GraphBand> bands;
  if (!validStudent(graphStudent)) return bands;
  const QDateTime now = services_.clock.now();
  const double nowSerial = platform::daySerial(now.date()) + platform::dayFraction(now.time());
  const bool passes =
      storage::gradeMatches(hooks_.gradeFilter ? hooks_.gradeFilter() : QStringLiteral("全学年"),
                            storage::gradeNumber(state_, graphStudent));
  const QString name = state_.rosterNames[static_cast<std::size_t>(graphStudent)].trimmed();
  for (int j = 1; j <= list3_->count(); ++j) {
    if (!list3_->item(j - 1)->isSelected()) continue;
    const int level = j + graphLevelOffset - 1;
    if (level > state_.levelCount || !validLevel(level)) break;
    GraphBand band;
    band.studentName = name;
    band.title = state_.programTitle + QStringLiteral(" ") +
                 state_.levelNames[static_cast<std::size_t>(level)];
    band.figures = bandFigures(state_, level, graphStudent, passes, nowSerial);
    if (hooks_.ranks) band.figures.ranks = hooks_.ranks(level, graphStudent);
    bands.push_back(std::move(band));
  }
  return bands;
}

void GraphPanel::draw(int k) {
  picture11_.move(8, 116);  // 120, 1740 twips
  if (k == 1) {
    print();
    return;
  }
  const std::vector<GraphBand> bands = chosenBands();
  surface_ = QImage(picture12_->size(), QImage::Format_RGB32);
  const int dotsPerMeter = qRound(kScreenDpi / 0.0254);
  surface_.setDotsPerMeterX(dotsPerMeter);
  surface_.setDotsPerMeterY(dotsPerMeter);
  surface_.fill(Qt::white);
  QPainter painter(&surface_);
  GraphSurface target{painter, QSizeF(surface_.size()), false, graphBaseFontSize, [&] {
                        surface_.fill(Qt::white);
                        return Status{};
                      }};
  (void)drawGraph(target, bands);
  painter.end();
  picture11_.raise();
  picture11_.show();
  picture12_->update();
}

void GraphPanel::print() {
  const std::vector<GraphBand> bands = chosenBands();
  auto begun = services_.printer.begin(&picture11_, QStringLiteral("成績グラフ"),
                                       platform::PageOrientation::Portrait);
  const auto failed = [this](const QString& text) {
    services_.dialogs.warning(&picture11_, QStringLiteral("印刷"), text);
  };
  if (!begun) {
    failed(begun.error().message);
    return;
  }
  QPainter* painter = *begun;
  if (painter == nullptr) return;  // cancelled
  QPaintDevice& page = *painter->device();
  GraphSurface target{*painter, QSizeF(page.width(), page.height()), true, 6,
                      [this] { return services_.printer.newPage(); }};
  if (Status s = drawGraph(target, bands)) {
    services_.printer.abandon();
    failed(s->message);
    return;
  }
  if (Status s = services_.printer.end()) failed(s->message);
}

bool GraphPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture12_ && event->type() == QEvent::Paint) {
    QPainter painter(picture12_);
    painter.fillRect(picture12_->rect(), Qt::white);
    if (!surface_.isNull()) painter.drawImage(0, 0, surface_);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tavelo::hub
