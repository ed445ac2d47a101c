// Loading the shared results file and the roster at classroom scale: 20000 records and
// 5000 students. Prints each figure beside the raw cost of reading the same bytes.
#include "bench_util.h"
#include "core/shared_state.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/launcher.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "storage/results_file.h"
#include "storage/roster.h"
#include "storage/sjis.h"
#include "storage/statistics.h"
#include "storage/text_items.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace tavelo;

namespace {

class Silent final : public platform::SoundPlayer, public platform::Launcher, public platform::Dialogs {
public:
  Status playToEnd(const QString&) override { return std::nullopt; }
  Status start(const QString&, const QStringList&) override { return std::nullopt; }
  void information(QWidget*, const QString&, const QString&) override {}
  void warning(QWidget*, const QString&, const QString&) override {}
  void critical(QWidget*, const QString&, const QString&) override {}
  bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
};

QByteArray readRaw(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  auto state = std::make_unique<SharedState>();
  state->programDataFolder = dir.path() + u'/';
  state->dataRoot = dir.path() + u'/';
  state->schoolYearStartMonth = AnyValue(QStringLiteral("4"));
  for (int l = 1; l <= 5; ++l) {
    state->criteriaTargetTime[l] = 30 + 10 * l;
    state->criteriaPointFactor[l] = 1;
    state->criteriaPassDays[l] = AnyValue(QStringLiteral("14"));
    state->criteriaOverdoDays[l] = AnyValue(QStringLiteral("1"));
  }

  platform::SystemClock clock;
  platform::MersenneRandom random(42);
  platform::FcntlFileLocker locker;
  Silent silent;
  platform::QtEventPump events(clock);
  platform::Services services{clock, random, locker, silent, silent, silent, events};

  const double today = 46366;
  QByteArray results;
  for (int i = 0; i < 20000; ++i) {
    storage::ResultRecord r;
    r.date = today - random.below(60);
    r.timeOfDay = random.uniform();
    r.student = static_cast<qint16>(1 + random.below(5000));
    r.level = static_cast<qint16>(1 + random.below(5));
    r.drillTime = random.below(20) == 0 ? 99999 : 20 + random.below(200);
    results += storage::encodeRecord(r);
  }
  {
    QFile f(storage::resultsFilePath(*state));
    f.open(QIODevice::WriteOnly);
    f.write(results);
  }
  QString roster;
  for (int n = 1; n <= 5000; ++n) {
    roster += storage::formatLine({QString::number(n), QString::number(2010 + n % 12), "0", "0",
                                   QStringLiteral("生徒　%1").arg(n), "0", "", ""});
  }
  const QString rosterPath = dir.path() + QStringLiteral("/新名簿.txt");
  {
    QFile f(rosterPath);
    f.open(QIODevice::WriteOnly);
    f.write(storage::encodeSjis(roster));
  }

  constexpr int kRuns = 50;
  const auto rawResults = bench::time(kRuns, [&] { (void)readRaw(storage::resultsFilePath(*state)); });
  const auto load = bench::time(kRuns, [&] { (void)storage::loadResults(*state, services); });
  const auto stats = bench::time(kRuns, [&] { (void)storage::computeStatistics(*state, services); });
  const auto rawRoster = bench::time(kRuns, [&] { (void)readRaw(rosterPath); });
  const auto loadRoster = bench::time(kRuns, [&] { (void)storage::loadRoster(*state, QDate(2026, 12, 10)); });

  std::printf("results file: %zu records, %lld bytes; roster: 5000 students\n",
              state->loadedResults.size(), static_cast<long long>(results.size()));
  bench::print("loadResults", load, rawResults);
  bench::print("loadResults + computeStatistics", stats, rawResults);
  bench::print("loadRoster (5000 lines)", loadRoster, rawRoster);
  std::printf("peak memory: %ld KiB\n", bench::peakMemoryKiB());
  return 0;
}
