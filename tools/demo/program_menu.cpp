// The demo installation's stand-in for the installation's program menu
// ("起動/プログラムメニューc.exe"): shows who it was started for and lists the drill
// programs beside its folder, any of which it starts again.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QFont gothic(double points, bool bold = false) {
  QFont font(QStringLiteral("Noto Sans CJK JP"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Program folders beside this one that hold an executable named like the folder.
QStringList drillPrograms(const QDir& parent) {
  QStringList programs;
  for (const QFileInfo& folder : parent.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QFileInfo executable(folder.absoluteFilePath() + u'/' + folder.fileName());
    if (executable.isFile() && executable.isExecutable()) {
      programs.append(executable.absoluteFilePath());
    }
  }
  return programs;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  const QString user = args.size() > 1 ? args.at(1) : QString();
  const QDir parent(QApplication::applicationDirPath() + QStringLiteral("/.."));

  QWidget window;
  window.setObjectName(QStringLiteral("ProgramMenu"));
  window.setWindowTitle(QStringLiteral("プログラムメニュー"));
  window.resize(480, 360);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(255, 250, 220));
  window.setPalette(palette);
  window.setAutoFillBackground(true);

  auto* layout = new QVBoxLayout(&window);
  auto* heading = new QLabel(QStringLiteral("プログラムメニュー"), &window);
  heading->setFont(gothic(24, true));
  heading->setAlignment(Qt::AlignCenter);
  layout->addWidget(heading);
  auto* who = new QLabel(user.isEmpty() ? QStringLiteral("起動コードがありません")
                                        : QStringLiteral("起動コード: ") + user,
                         &window);
  who->setObjectName(QStringLiteral("UserLabel"));
  who->setFont(gothic(14));
  who->setAlignment(Qt::AlignCenter);
  layout->addWidget(who);
  auto* note = new QLabel(QStringLiteral("（デモ用の代わりのメニューです）"), &window);
  note->setAlignment(Qt::AlignCenter);
  layout->addWidget(note);

  auto* list = new QListWidget(&window);
  list->setFont(gothic(16));
  const QStringList programs = drillPrograms(parent);
  for (const QString& program : programs) {
    list->addItem(QFileInfo(program).fileName());
  }
  list->setCurrentRow(0);
  layout->addWidget(list);

  auto* start = new QPushButton(QStringLiteral("はじめる"), &window);
  start->setFont(gothic(16, true));
  start->setEnabled(!programs.isEmpty());
  layout->addWidget(start);
  auto* quit = new QPushButton(QStringLiteral("おわる"), &window);
  layout->addWidget(quit);

  const auto launch = [&] {
    const int row = list->currentRow();
    if (row < 0 || row >= programs.size()) return;
    const QString program = programs.at(row);
    if (QProcess::startDetached(program, {}, QFileInfo(program).absolutePath())) {
      QApplication::quit();
    }
  };
  QObject::connect(start, &QPushButton::clicked, &window, launch);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &window, launch);
  QObject::connect(quit, &QPushButton::clicked, &app, &QApplication::quit);

  window.show();
  return QApplication::exec();
}
