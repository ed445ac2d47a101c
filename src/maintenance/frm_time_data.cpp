#include "maintenance/frm_time_data.h"

#include "core/catalogue.h"
#include "core/screen_style.h"
#include "core/shared_state.h"
#include "maintenance/criteria_save.h"
#include "maintenance/time_distribution.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/services.h"
#include "storage/criteria.h"
#include "storage/file_names.h"
#include "storage/results_file.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <array>
#include <cmath>

namespace tavelo {

namespace {

constexpr int kFormWidth = 1024;
constexpr int kFormHeight = 768;
constexpr int kShownRows = 33;
constexpr int kRowHeight = 17;
constexpr int kHeaderHeight = 22;
constexpr int kCaretPosition = 10;
const QColor kEditedCell(255, 255, 0);  // &H0000FFFF

// The help label's text for a grid column: heading, line break, explanation.
QString columnHelp(int column) {
  switch (column) {
    case 1:
      return QStringLiteral(
          "合格基準タイム\n　大部分の人ががんばったら出せそうなタイムにしてください");
    case 2:
      return QStringLiteral("合格最低ラインタイム\n  この５倍が時間切れになります");
    case 3:
      return QStringLiteral("目標ポイント\n　　 目標ポイント");
    case 4:
      return QStringLiteral("目標回数\n　　 目標回数");
    case 5:
      return QStringLiteral(
          "ポイント倍率\n  ポイントを何倍にして加算するか\n"
          "  むずかしいレベルや生徒のいやがるレベルは高くしてください");
    case 6:
      return QStringLiteral("やりすぎ禁止回数\n  何回やったらやりすぎ禁止にするか\n  ");
    case 7:
      return QStringLiteral("やりすぎ禁止ポイント\n  何ポイントとったらやりすぎ禁止にするか\n ");
    case 8:
      return QStringLiteral("合格判定をする日数\n　何日前からのポイントを有効にするか");
    case 9:
      return QStringLiteral("やりすぎ判定をする日数\n　何日前からのポイントを有効にするか");
    default:
      return {};
  }
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const QFont& font) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  l->setFont(font);
  return l;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(geometry);
  b->setFont(gothicFont(12, true));
  b->setAutoDefault(false);
  return b;
}

QListWidget* addList(QWidget* parent, const char* name, const QRect& geometry) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setGeometry(geometry);
  list->setFont(listFont(7.5));
  list->setUniformItemSizes(true);
  list->setTextElideMode(Qt::ElideNone);  // long runs of stars scroll instead
  list->setFocusPolicy(Qt::NoFocus);
  return list;
}

// Shows lines in a list, reusing its items so that a refresh after each key stays cheap.
void showLines(QListWidget* list, const QStringList& lines) {
  if (list->count() != lines.size()) {
    list->clear();
    list->addItems(lines);
    return;
  }
  for (int i = 0; i < lines.size(); ++i) {
    list->item(i)->setText(lines[i]);
  }
}

}  // namespace

FrmTimeData::FrmTimeData(SharedState& state, platform::Services& services, Navigator& navigator,
                         QWidget* parent)
    : QWidget(parent), state_(state), services_(services), navigator_(navigator) {
  setObjectName(QStringLiteral("FrmTimeData"));
  setWindowTitle(QStringLiteral("成績の基準となるデータを変更できます"));
  setFixedSize(kFormWidth, kFormHeight);
  setFont(gothicFont(10));

  picture1_ = new QFrame(this);
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture1_->setGeometry(rect());
  picture1_->hide();

  addLabel(picture1_, "Label1", QStringLiteral("成績の基準となるデータを変更できます"),
           QRect(16, 6, 600, 34), gothicFont(16, true));

  grid_ = new QTableWidget(0, kColumns, picture1_);
  grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
  grid_->setFont(gothicFont(9));
  grid_->setGeometry(12, 44, 664, kHeaderHeight + kShownRows * kRowHeight + 4);
  // The header row is the grid's fixed row 0; cells change only through the editor.
  QStringList headings{QStringLiteral("レベル")};
  headings += storage::criteriaHeaderTitles();
  grid_->setHorizontalHeaderLabels(headings);
  grid_->horizontalHeader()->setFixedHeight(kHeaderHeight);
  grid_->horizontalHeader()->setFont(gothicFont(8));
  grid_->horizontalHeader()->setSectionsClickable(false);
  grid_->horizontalHeader()->setMinimumSectionSize(8);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(grid_, &QTableWidget::cellClicked, this,
          [this](int r, int c) { MSFlexGrid1_Click(r + 1, c); });
  // The editor follows its cell when the grid scrolls.
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (levelRows_ > 0)
      editor_->setGeometry(grid_->visualRect(grid_->model()->index(row_ - 1, column_)));
  });

  editor_ = new QLineEdit(grid_->viewport());
  editor_->setObjectName(QStringLiteral("Gridinputtext"));
  editor_->setFont(gothicFont(9));
  editor_->setFrame(false);
  editor_->hide();
  editor_->installEventFilter(this);
  connect(editor_, &QLineEdit::textChanged, this, [this] { TextToGrid転送(); });

  const int below = grid_->geometry().bottom() + 6;
  addLabel(picture1_, "Label2", QStringLiteral("列の説明"), QRect(16, below, 120, 22),
           gothicFont(10, true));
  help_ = addLabel(picture1_, "Label3", QString(), QRect(16, below + 22, 660, 62), gothicFont(10));
  help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  addLabel(picture1_, "Label4", QStringLiteral("スペース：セルクリア　　Shift + ↓：セルコピー"),
           QRect(16, kFormHeight - 28, 660, 22), gothicFont(10));

  addLabel(picture1_, "Label5", QStringLiteral("現在までの成績度数分布"), QRect(688, 12, 324, 26),
           gothicFont(12, true));
  addLabel(picture1_, "Label6", QStringLiteral("全成績"), QRect(688, 44, 160, 20), gothicFont(10));
  addLabel(picture1_, "Label7", QStringLiteral("最高タイム"), QRect(852, 44, 160, 20),
           gothicFont(10));
  list1_ = addList(picture1_, "List1", QRect(688, 66, 160, 600));
  list2_ = addList(picture1_, "List2", QRect(852, 66, 160, 600));

  QPushButton* save =
      addButton(picture1_, "Command3", QStringLiteral("更新記録"), QRect(688, 690, 104, 48));
  connect(save, &QPushButton::clicked, this, [this] { Command3_Click(); });
  QPushButton* reload =
      addButton(picture1_, "Command2", QStringLiteral("元に戻す"), QRect(798, 690, 104, 48));
  connect(reload, &QPushButton::clicked, this, [this] { Command2_Click(); });
  QPushButton* back =
      addButton(picture1_, "Command4", QStringLiteral("戻る"), QRect(908, 690, 104, 48));
  connect(back, &QPushButton::clicked, this, [this] { Command4_Click(); });

  // The waiting cover over the whole screen, hidden until a save runs.
  picture2_ = new QFrame(this);
  picture2_->setObjectName(QStringLiteral("Picture2"));
  picture2_->setGeometry(rect());
  fillBackground(picture2_, state_.seasonColour.isValid() ? state_.seasonColour : Qt::white);
  QLabel* moment = addLabel(picture2_, "Label8", QStringLiteral("Just a moment,please."), rect(),
                            gothicFont(26.25));
  moment->setAlignment(Qt::AlignCenter);
  picture2_->hide();
}

FrmTimeData::~FrmTimeData() = default;

void FrmTimeData::activate() {
  picture1_->show();
  if (!load()) {
    return;
  }
  moveTo(1, 1);
  // Every column a thirteenth of the grid, the level number a little narrower.
  const int width = static_cast<int>(std::lround(grid_->viewport()->width() / double(kColumns)));
  for (int c = 0; c < kColumns; ++c) {
    grid_->setColumnWidth(c, width);
  }
  grid_->setColumnWidth(0, static_cast<int>(std::lround(0.8 * width)));
  placeEditor();
  GridToText転送();
  showDistribution();
}

bool FrmTimeData::load() {
  const QString path = state_.programDataFolder + storage::criteriaFileName();
  auto rows = storage::readCriteriaRows(path);
  QString problem;
  if (!rows) {
    problem = rows.error().message;
  } else if (rows->size() > static_cast<std::size_t>(kMaxLevel)) {
    problem = QStringLiteral("%1\nレベルが %2 行あります。この画面で扱えるのはレベル %3 までです。")
                  .arg(path)
                  .arg(rows->size())
                  .arg(kMaxLevel);
  }
  if (!problem.isEmpty()) {
    // Nothing can be edited or written: back to the hub.
    services_.dialogs.warning(this, QStringLiteral("注意"),
                              problem + QStringLiteral("\n\n基準データを変更できません。"));
    leave();
    return false;
  }
  // A new grid: every mark goes with the old cells.
  grid_->clearContents();
  levelRows_ = static_cast<int>(rows->size());
  grid_->setRowCount(levelRows_);
  for (int r = 1; r <= levelRows_; ++r) {
    const QStringList& items = (*rows)[static_cast<std::size_t>(r - 1)];
    grid_->setItem(r - 1, 0, new QTableWidgetItem(QString::number(r)));
    for (int c = 1; c < kColumns; ++c) {
      grid_->setItem(r - 1, c, new QTableWidgetItem(items.value(c - 1)));
    }
  }
  editor_->setVisible(levelRows_ > 0);
  return true;
}

QString FrmTimeData::cellText(int row, int column) const {
  const QTableWidgetItem* item = grid_->item(row - 1, column);
  return item != nullptr ? item->text() : QString();
}

bool FrmTimeData::marked(int row, int column) const {
  const QTableWidgetItem* item = grid_->item(row - 1, column);
  return item != nullptr && item->background().color() == kEditedCell &&
         item->background().style() != Qt::NoBrush;
}

void FrmTimeData::setCellText(int row, int column, const QString& text) {
  if (QTableWidgetItem* item = grid_->item(row - 1, column)) {
    item->setText(text);
  }
}

void FrmTimeData::markCell(int row, int column) {
  if (QTableWidgetItem* item = grid_->item(row - 1, column)) {
    item->setBackground(kEditedCell);
  }
}

std::vector<QStringList> FrmTimeData::gridRows() const {
  std::vector<QStringList> rows;
  for (int r = 1; r <= levelRows_; ++r) {
    QStringList cells;
    for (int c = 1; c < kColumns; ++c) {
      cells.append(cellText(r, c));
    }
    rows.push_back(cells);
  }
  return rows;
}

void FrmTimeData::TextToGrid転送() {
  if (leaving_ || levelRows_ == 0) {
    return;
  }
  if (editor_->text() != cellText(row_, column_)) {
    markCell(row_, column_);
    dirty_ = true;
  }
  setCellText(row_, column_, editor_->text());
}

void FrmTimeData::GridToText転送() {
  if (levelRows_ == 0) {
    return;
  }
  editor_->setText(cellText(row_, column_));
  services_.events.processPending();
  editor_->setCursorPosition(kCaretPosition);
}

void FrmTimeData::moveTo(int row, int column) {
  row_ = std::clamp(row, 1, std::max(1, levelRows_));
  column_ = std::clamp(column, 1, kColumns - 1);
  rowSel_ = row_;
}

void FrmTimeData::placeEditor() {
  showColumnHelp();
  if (levelRows_ == 0) {
    return;
  }
  const QModelIndex index = grid_->model()->index(row_ - 1, column_);
  grid_->scrollTo(index);
  editor_->setGeometry(grid_->visualRect(index));
  editor_->setFocus();
  editor_->setCursorPosition(kCaretPosition);
}

void FrmTimeData::showColumnHelp() {
  help_->setText(columnHelp(column_));
}

void FrmTimeData::MSFlexGrid1_Click(int row, int column) {
  if (row < 1 || row > levelRows_) {
    return;
  }
  // The level numbers are not criteria: a click on one edits the level's first field.
  moveTo(row, std::max(column, 1));
  placeEditor();
  showDistribution();
  GridToText転送();
}

bool FrmTimeData::Gridinputtext_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Escape) {
    return true;
  }
  bool used = true;
  switch (key) {
    case Qt::Key_Up:
      if (row_ > 1) {
        moveTo(row_ - 1, column_);
        GridToText転送();
        placeEditor();
      }
      break;
    case Qt::Key_Down:
      if ((modifiers & Qt::ShiftModifier) != 0) {
        // Cell copy: the selection grows by one row and takes the editor's text.
        if (rowSel_ < levelRows_) {
          ++rowSel_;
          const QString text = editor_->text();
          for (int r = row_; r <= rowSel_; ++r) {
            // A copied cell is an edit like any other: marked, and asked about on leaving.
            if (cellText(r, column_) != text) {
              markCell(r, column_);
              dirty_ = true;
            }
            setCellText(r, column_, text);
          }
        }
      } else if (row_ < levelRows_) {
        moveTo(row_ + 1, column_);
        GridToText転送();
        placeEditor();
      }
      break;
    case Qt::Key_Left:
      if (column_ > 1) {
        moveTo(row_, column_ - 1);
        GridToText転送();
        placeEditor();
      }
      break;
    case Qt::Key_Right:
      if (column_ < kColumns - 1) {
        moveTo(row_, column_ + 1);
        GridToText転送();
        placeEditor();
      }
      break;
    default:
      used = false;  // typed characters go on to the editor
      break;
  }
  showDistribution();
  GridToText転送();
  return used;
}

bool FrmTimeData::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (Gridinputtext_KeyDown(key->key(), key->modifiers())) {
      return true;
    }
    if (key->text() == QStringLiteral(" ")) {
      // A typed space empties the cell instead of going into it.
      editor_->clear();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FrmTimeData::showDistribution() {
  auto records = storage::readAllRecords(state_, services_);
  if (!records) {
    showLines(list1_, {records.error().message});
    showLines(list2_, {});
    return;
  }
  const maintenance::TimeDistribution counts = maintenance::countDrillTimes(*records);
  showLines(list1_, maintenance::allResultsLines(counts, row_));
  showLines(list2_, maintenance::bestTimeLines(counts, row_));
}

bool FrmTimeData::Command3_Click() {
  picture2_->raise();
  picture2_->show();
  services_.events.processPending();
  const maintenance::CriteriaSave saved =
      maintenance::saveCriteriaRows(state_, services_.clock.now(), gridRows());
  if (saved.written) {
    dirty_ = false;
  }
  picture2_->hide();
  if (!saved.message.isEmpty()) {
    services_.dialogs.warning(this, QStringLiteral("注意"), saved.message);
  }
  editor_->setFocus();
  return saved.written;
}

void FrmTimeData::Command2_Click() {
  // Edits and marks go; the dirty flag stays, so leaving still asks.
  if (!load()) {
    return;
  }
  moveTo(row_, column_);
  placeEditor();
  GridToText転送();
  showDistribution();
}

void FrmTimeData::Command4_Click() {
  if (leaving_) {
    return;
  }
  if (dirty_ &&
      services_.dialogs.askYesNo(this, QStringLiteral("注意"),
                                 QStringLiteral("データが変更されています。記録しますか？"))) {
    if (!Command3_Click()) {
      return;  // nothing was written: the edits stay on screen to be mended
    }
  }
  leave();
}

void FrmTimeData::leave() {
  if (leaving_) {
    return;
  }
  leaving_ = true;
  picture2_->raise();
  picture2_->show();
  navigator_.showLevelHub();
  hide();
  deleteLater();
}

void FrmTimeData::closeEvent(QCloseEvent* event) {
  // The window's close button leaves as "戻る" does, so the hub always comes back.
  if (!leaving_) {
    event->ignore();
    Command4_Click();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace tavelo
