#include "fakes.h"

#include <QCoreApplication>

namespace tavelo::testing {

Result<bool> FakeLocker::tryLock(int fd) {
  ++attempts;
  if (busyAnswers > 0) {
    --busyAnswers;
    return false;
  }
  return real_.tryLock(fd);
}

Status FakeSound::playToEnd(const QString& wavPath) {
  played.append(wavPath);
  if (failWhen(wavPath)) {
    return Error{QStringLiteral("再生できません")};
  }
  return std::nullopt;
}

Status FakeLauncher::start(const QString& program_, const QStringList& arguments_) {
  program = program_;
  arguments = arguments_;
  if (fail) {
    return Error{QStringLiteral("プログラムがありません: ") + program_};
  }
  return std::nullopt;
}

void FakeEvents::processPending() {
  QCoreApplication::processEvents();
}

void FakeEvents::waitLettingEventsRun(int ms) {
  QCoreApplication::processEvents();
  clock_.advanceMs(ms);
  waitedMs += ms;
  if (onWait) {
    onWait();
  }
}

}  // namespace tavelo::testing
