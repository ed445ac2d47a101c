#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/launcher.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <random>
#include <vector>

namespace tavelo::testing {

// A clock that only moves when the test moves it.
class FakeClock final : public platform::Clock {
 public:
  explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 10), QTime(10, 0)))
      : now_(std::move(start)) {}
  [[nodiscard]] QDateTime now() const override { return now_; }
  [[nodiscard]] std::int64_t monotonicMs() const override { return monotonic_; }
  void advanceMs(std::int64_t ms) {
    monotonic_ += ms;
    now_ = now_.addMSecs(ms);
  }
  void set(QDateTime now) { now_ = std::move(now); }

 private:
  QDateTime now_;
  std::int64_t monotonic_ = 1'000'000;
};

class SeededRandom final : public platform::Random {
 public:
  explicit SeededRandom(std::uint32_t seed = 7) : engine_(seed) {}
  void seed(std::uint32_t value) override { seeds.push_back(value); }
  double uniform() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }
  std::vector<std::uint32_t> seeds;

 private:
  std::mt19937 engine_;
};

// Real fcntl locks, or a run of "held elsewhere" answers first.
class FakeLocker final : public platform::FileLocker {
 public:
  Result<bool> tryLock(int fd) override;
  void unlock(int fd) override { real_.unlock(fd); }
  int busyAnswers = 0;
  int attempts = 0;

 private:
  platform::FcntlFileLocker real_;
};

class FakeSound final : public platform::SoundPlayer {
 public:
  Status playToEnd(const QString& wavPath) override;
  QStringList played;
  // Fails while this returns true for the path.
  std::function<bool(const QString&)> failWhen = [](const QString&) { return false; };
};

class FakeLauncher final : public platform::Launcher {
 public:
  Status start(const QString& program, const QStringList& arguments) override;
  QString program;
  QStringList arguments;
  bool fail = false;
};

struct Message {
  QString kind;
  QString title;
  QString text;
};

class FakeDialogs final : public platform::Dialogs {
 public:
  void information(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({QStringLiteral("information"), title, text});
  }
  void warning(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({QStringLiteral("warning"), title, text});
  }
  void critical(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({QStringLiteral("critical"), title, text});
  }
  bool askYesNo(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({QStringLiteral("question"), title, text});
    return answerYes;
  }
  std::vector<Message> messages;
  bool answerYes = true;
};

// Lets real window events run, but waits by moving the fake clock instead of sleeping.
class FakeEvents final : public platform::EventPump {
 public:
  explicit FakeEvents(FakeClock& clock) : clock_(clock) {}
  void processPending() override;
  void waitLettingEventsRun(int ms) override;
  int waitedMs = 0;
  std::function<void()> onWait;

 private:
  FakeClock& clock_;
};

// Prints to PDF files in a temporary folder with a PDF writer, never showing a dialog.
// Each job writes the next "job<n>.pdf"; lastPdf names the last finished one.
class FakePrinter final : public platform::PagedPrinter {
 public:
  Result<QPainter*> begin(QWidget* parent, const QString& title,
                          platform::PageOrientation orientation) override;
  Status end() override;
  bool cancel = false;     // the person cancels the dialog
  bool failBegin = false;  // no job can be started
  QString lastPdf;
  QStringList titles;  // of every begun job
  QTemporaryDir folder;

 protected:
  void dropped(QPagedPaintDevice& device) override;

 private:
  QString running_;
};

// The number of pages of a PDF file (poppler's pdfinfo); -1 when it cannot be read.
int pdfPageCount(const QString& pdf);
// The text of a PDF file (poppler's pdftotext), compatibility-normalised.
QString pdfText(const QString& pdf);

// Every fake, wired into a Services record.
struct FakeServices {
  FakeClock clock;
  SeededRandom random;
  FakeLocker locker;
  FakeSound sound;
  FakeLauncher launcher;
  FakeDialogs dialogs;
  FakeEvents events{clock};
  FakePrinter printer;
  platform::Services services{clock, random, locker, sound, launcher, dialogs, events, printer};
};

}  // namespace tavelo::testing
