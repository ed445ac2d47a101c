// The drill at classroom scale (20000 records in the results file). Times what a student
// waits for: a new question after a right answer, one tick of the drill clock, and the
// drill end from the last answer to the filled completion screen (recording, statistics,
// screen; the one-second pause is left out). Each is printed beside a baseline measured in
// the same run: the bare slot shuffle, letting pending events run, and computeStatistics
// alone.
#include "bench_util.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "drill/completion_screen.h"
#include "drill/drill_rules.h"
#include "drill/game_screen.h"
#include "drill/waiting_screen.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/launcher.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "storage/configuration.h"
#include "storage/file_names.h"
#include "storage/results_file.h"
#include "storage/statistics.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace tavelo;

namespace {

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

// Lets events run but skips the pause before the completion screen.
class NoPause final : public platform::EventPump {
 public:
  void processPending() override { QCoreApplication::processEvents(); }
  void waitLettingEventsRun(int) override { QCoreApplication::processEvents(); }
};

class Navigation final : public Navigator {
 public:
  void showNameSelection() override {}
  void showLevelHub() override {}
  void showGameScreen() override {}
  void endProgram(int status) override { std::fprintf(stderr, "ended with %d\n", status); }
};

drill::FrmSyuuryou* completionScreen() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* screen = qobject_cast<drill::FrmSyuuryou*>(window); screen != nullptr) {
      return screen;
    }
  }
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QDate today = QDate::currentDate();
  if (Status s = demo::createDemoInstallation(dir.path(), {}, today)) {
    std::fprintf(stderr, "%s\n", qPrintable(s->message));
    return 1;
  }
  const demo::DemoLayout layout = demo::demoLayout(dir.path());

  platform::SystemClock clock;
  platform::MersenneRandom random(42);
  platform::FcntlFileLocker locker;
  Silent silent;
  NoPause events;
  platform::Services services{clock, random, locker, silent, silent, silent, events};

  // 20000 drills of the last 60 days by 1000 students.
  const double todaySerial = QDate(1899, 12, 30).daysTo(today);
  QByteArray results;
  for (int i = 0; i < 20000; ++i) {
    storage::ResultRecord r;
    r.date = todaySerial - random.below(60);
    r.timeOfDay = random.uniform();
    r.student = static_cast<qint16>(1 + random.below(1000));
    r.level = static_cast<qint16>(1 + random.below(5));
    r.drillTime = random.below(20) == 0 ? 99999 : 10 + random.below(100);
    results += storage::encodeRecord(r);
  }
  {
    QFile f(layout.programDataFolder + storage::resultsFileName());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(results);
  }

  auto state = std::make_unique<SharedState>();
  if (Status s = storage::loadConfiguration(*state, layout.programFolder)) {
    std::fprintf(stderr, "%s\n", qPrintable(s->message));
    return 1;
  }
  buildLevelCatalogue(*state);
  state->studentIndex = 1;
  state->studentName = QStringLiteral("生徒　1");
  (void)storage::computeStatistics(*state, services);
  Navigation navigator;
  drill::WaitingScreen waiting;

  constexpr int kRuns = 30;
  constexpr int kQuickRuns = 2000;

  // A new question and a clock tick on a running level-5 drill.
  state->levelIndex = 5;
  auto* game = new drill::MainFrm(*state, services, navigator, waiting);
  game->show();
  game->activate();
  const auto question = bench::time(kQuickRuns, [&] { game->問題作成表示(); });
  const auto shuffle = bench::time(kQuickRuns, [&] { (void)drill::shuffledSlotOrder(random); });
  const auto tick = bench::time(kQuickRuns, [&] { game->clockTick(); });
  const auto pending = bench::time(kQuickRuns, [&] { events.processPending(); });
  delete game;

  // The drill end: record, statistics and completion screen.
  const auto statistics =
      bench::time(kRuns, [&] { (void)storage::computeStatistics(*state, services); });
  const auto ending = bench::time(kRuns, [&] {
    state->levelIndex = 1;
    auto* screen = new drill::MainFrm(*state, services, navigator, waiting);
    screen->show();
    screen->activate();
    state->elapsedSeconds = 25;
    state->drillFinished = 1;
    screen->endDrill();
    delete completionScreen();
    delete screen;
  });

  std::printf("results file: %lld records\n",
              static_cast<long long>(results.size() / storage::kRecordSize));
  bench::print("new question (問題作成表示, 8 slots)", question, shuffle);
  bench::print("drill clock tick", tick, pending);
  bench::print("drill end to filled completion screen", ending, statistics);
  std::printf("baselines: slot shuffle, letting events run, computeStatistics alone\n");
  std::printf("peak memory: %ld KiB\n", bench::peakMemoryKiB());
  return 0;
}
