#pragma once

// A classroom at scale for the benchmarks: generated results and roster, and services that
// neither play sounds nor show messages (failures go to standard error).

#include "core/catalogue.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/launcher.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "storage/results_file.h"
#include "storage/sjis.h"
#include "storage/text_items.h"

#include <QDate>
#include <QFile>

#include <cstdio>

namespace tavelo::bench {

class Silent final : public platform::SoundPlayer,
                     public platform::Launcher,
                     public platform::Dialogs {
 public:
  Status playToEnd(const QString&) override { return std::nullopt; }
  Status start(const QString&, const QStringList&) override { return std::nullopt; }
  void information(QWidget*, const QString&, const QString&) override {}
  void warning(QWidget*, const QString& title, const QString& text) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
  }
  void critical(QWidget*, const QString& title, const QString& text) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
  }
  bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
};

// The services of a benchmark: the real clock, random source (seeded 42), locks and event
// pump, silent sound, launcher and messages, and a printer that is never used.
struct BenchServices {
  platform::SystemClock clock;
  platform::MersenneRandom random{42};
  platform::FcntlFileLocker locker;
  Silent silent;
  platform::QtEventPump events{clock};
  platform::DialogPrinter printer;
  platform::Services services{clock, random, locker, silent, silent, silent, events, printer};
};

// Screens move nowhere; an ending program is reported.
class Navigation final : public Navigator {
 public:
  void showNameSelection() override {}
  void showLevelHub() override {}
  void showGameScreen() override {}
  void endProgram(int status) override { std::fprintf(stderr, "ended with %d\n", status); }
};

// records drills of the last 60 days by students 1..students on levels 1..5; one in twenty
// ran out of time, the others took 10..10+spread seconds.
inline QByteArray classroomResults(platform::Random& random, QDate today, int records, int students,
                                   int spread) {
  const double todaySerial = platform::daySerial(today);
  QByteArray results;
  results.reserve(records * storage::kRecordSize);
  for (int i = 0; i < records; ++i) {
    storage::ResultRecord r;
    r.date = todaySerial - random.below(60);
    r.timeOfDay = random.uniform();
    r.student = static_cast<qint16>(1 + random.below(students));
    r.level = static_cast<qint16>(1 + random.below(5));
    r.drillTime = random.below(20) == 0 ? 99999 : 10 + random.below(spread);
    results += storage::encodeRecord(r);
  }
  return results;
}

// students roster lines over twelve school years, in code page 932.
inline QByteArray classroomRoster(QDate today, int students) {
  QString roster;
  for (int n = 1; n <= students; ++n) {
    roster += storage::formatLine({QString::number(n), QString::number(today.year() - 18 + n % 12),
                                   QStringLiteral("0"), QStringLiteral("0"),
                                   QStringLiteral("生徒　%1").arg(n), QStringLiteral("0"),
                                   QString(), QString()});
  }
  return storage::encodeSjis(roster);
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(bytes);
}

inline QByteArray readRaw(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

}  // namespace tavelo::bench
