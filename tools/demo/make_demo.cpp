// Builds a demo installation: tavelo-make-demo <folder> [<executable to copy in>]
#include "demo/demo_installation.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
  // Pictures are drawn off screen, so no display is needed to build an installation.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 2) {
    QTextStream(stderr) << "usage: tavelo-make-demo <folder> [<executable>]\n";
    return 2;
  }
  const auto status = tavelo::demo::createDemoInstallation(
      args.at(1), args.size() > 2 ? args.at(2) : QString(), QDate::currentDate());
  if (status) {
    QTextStream(stderr) << status->message << '\n';
    return 1;
  }
  return 0;
}
