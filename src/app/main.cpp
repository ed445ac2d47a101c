#include "app/application.h"
#include "app/system_services.h"
#include "platform/files.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  tavelo::SystemServices system;
  tavelo::Application app(system.services, tavelo::platform::executableFolder());
  app.start();
  const int status = QApplication::exec();
  return app.failureStatus() != 0 ? app.failureStatus() : status;
}
