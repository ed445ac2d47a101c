// The teacher's worksheet program: resolves the installation it lies in, as the drill
// program does, and opens the print settings screen.
#include "app/system_services.h"
#include "app/worksheet_program.h"
#include "platform/files.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  tavelo::SystemServices system;
  tavelo::WorksheetProgram program(system.services, tavelo::platform::executableFolder());
  program.start();
  const int status = QApplication::exec();
  return program.failureStatus() != 0 ? program.failureStatus() : status;
}
