#include "platform/events.h"

#include "platform/clock.h"

#include <QCoreApplication>
#include <QThread>

namespace tavelo::platform {

void QtEventPump::processPending() {
  QCoreApplication::processEvents();
}

void QtEventPump::waitLettingEventsRun(int ms) {
  const auto until = clock_.monotonicMs() + ms;
  while (clock_.monotonicMs() < until) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
}

}  // namespace tavelo::platform
