// Builds a demo installation:
//   tavelo-make-demo <folder> [<executable to copy in> [<program menu to copy in>]]
// Without a program menu argument, the stand-in built beside this tool is used when present.
#include "demo/demo_installation.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
  // Pictures are drawn off screen, so no display is needed to build an installation.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 2) {
    QTextStream(stderr) << "usage: tavelo-make-demo <folder> [<executable> [<program menu>]]\n";
    return 2;
  }
  QString programMenu = args.size() > 3 ? args.at(3) : QString();
  if (programMenu.isEmpty()) {
    const QString beside =
        QGuiApplication::applicationDirPath() + QStringLiteral("/tavelo-program-menu");
    if (QFileInfo(beside).isExecutable()) programMenu = beside;
  }
  const auto status = tavelo::demo::createDemoInstallation(
      args.at(1), args.size() > 2 ? args.at(2) : QString(), QDate::currentDate(), programMenu);
  if (status) {
    QTextStream(stderr) << status->message << '\n';
    return 1;
  }
  return 0;
}
