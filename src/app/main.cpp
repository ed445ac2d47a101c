#include "app/application.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/launcher.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/sound.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  tavelo::platform::SystemClock clock;
  tavelo::platform::MersenneRandom random;
  tavelo::platform::FcntlFileLocker locker;
  tavelo::platform::SdlSoundPlayer sound;
  tavelo::platform::ProcessLauncher launcher;
  tavelo::platform::MessageBoxDialogs dialogs;
  tavelo::platform::QtEventPump events(clock);
  tavelo::platform::DialogPrinter printer;
  tavelo::platform::Services services{clock,    random,  locker, sound,
                                      launcher, dialogs, events, printer};

  tavelo::Application app(services, tavelo::platform::executableFolder());
  app.start();
  const int status = QApplication::exec();
  return app.failureStatus() != 0 ? app.failureStatus() : status;
}
