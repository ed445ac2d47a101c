#include "demo/demo_installation.h"
#include "platform/file_lock.h"
#include "platform/launcher.h"
#include "platform/sound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavelo::platform {
namespace {

TEST(SdlSound, PlaysToTheEndAndDescribesFailures) {
  QTemporaryDir dir;
  const QString wav = dir.path() + QStringLiteral("/ok.wav");
  const QString junk = dir.path() + QStringLiteral("/junk.wav");
  {
    QFile f(wav);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(demo::makeWav({{440, 300}}));
    QFile g(junk);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("RIFF....WAVEjunk");
  }
  SdlSoundPlayer player;
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(player.playToEnd(wav).has_value());
  EXPECT_GE(timer.elapsed(), 300);  // returns only after the sound has played

  const Status missing = player.playToEnd(dir.path() + QStringLiteral("/none.wav"));
  ASSERT_TRUE(missing.has_value());
  EXPECT_TRUE(missing->message.contains(QStringLiteral("none.wav")));
  const Status broken = player.playToEnd(junk);
  ASSERT_TRUE(broken.has_value());
  EXPECT_FALSE(broken->message.isEmpty());
}

TEST(FcntlLock, ALockHeldByAnotherProcessIsRespected) {
  QTemporaryDir dir;
  const QByteArray path = QFile::encodeName(dir.path() + QStringLiteral("/shared.dat"));
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT, 0666);
  ASSERT_GE(fd, 0);
  int toChild[2];
  int toParent[2];
  ASSERT_EQ(::pipe(toChild), 0);
  ASSERT_EQ(::pipe(toParent), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    // Another computer: take the lock, report, hold it until told to let go.
    const int own = ::open(path.constData(), O_RDWR);
    FcntlFileLocker locker;
    const bool locked = own >= 0 && locker.tryLock(own).ok() && locker.tryLock(own).value();
    char c = locked ? 'y' : 'n';
    (void)!::write(toParent[1], &c, 1);
    (void)!::read(toChild[0], &c, 1);
    _exit(0);
  }
  char reply = 0;
  ASSERT_EQ(::read(toParent[0], &reply, 1), 1);
  ASSERT_EQ(reply, 'y');
  FcntlFileLocker locker;
  auto attempt = locker.tryLock(fd);
  ASSERT_TRUE(attempt.ok());
  EXPECT_FALSE(attempt.value());
  char go = 'g';
  ASSERT_EQ(::write(toChild[1], &go, 1), 1);
  ::waitpid(child, nullptr, 0);
  attempt = locker.tryLock(fd);
  ASSERT_TRUE(attempt.ok());
  EXPECT_TRUE(attempt.value());
  locker.unlock(fd);
  ::close(fd);
}

TEST(ProcessLauncher, StartsWithoutAShellAndReportsMissingPrograms) {
  QTemporaryDir dir;
  const QString marker = dir.path() + QStringLiteral("/started");
  ProcessLauncher launcher;
  // Arguments reach the program as they are: no shell splits or expands them.
  EXPECT_FALSE(launcher.start(QStringLiteral("/usr/bin/touch"), {marker}).has_value());
  for (int i = 0; i < 200 && !QFile::exists(marker); ++i) ::usleep(10'000);
  EXPECT_TRUE(QFile::exists(marker));
  const Status missing = launcher.start(dir.path() + QStringLiteral("/起動/none"), {"001"});
  ASSERT_TRUE(missing.has_value());
  EXPECT_TRUE(missing->message.contains(QStringLiteral("起動/none")));
}

}  // namespace
}  // namespace tavelo::platform
