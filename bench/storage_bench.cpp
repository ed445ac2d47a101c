// Loading the shared results file and the roster at classroom scale: 20000 records and
// 5000 students. Prints each figure beside the raw cost of reading the same bytes.
#include "bench_util.h"
#include "classroom.h"
#include "core/shared_state.h"
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

namespace {}  // namespace

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

  bench::BenchServices kit;
  platform::Services& services = kit.services;

  const QDate today(2026, 12, 10);
  const QByteArray results = bench::classroomResults(kit.random, today, 20000, 5000, 200);
  bench::writeBytes(storage::resultsFilePath(*state), results);
  const QString rosterPath = dir.path() + QStringLiteral("/新名簿.txt");
  bench::writeBytes(rosterPath, bench::classroomRoster(today, 5000));

  constexpr int kRuns = 50;
  const auto rawResults =
      bench::time(kRuns, [&] { (void)bench::readRaw(storage::resultsFilePath(*state)); });
  const auto load = bench::time(kRuns, [&] { (void)storage::loadResults(*state, services); });
  const auto stats =
      bench::time(kRuns, [&] { (void)storage::computeStatistics(*state, services); });
  const auto rawRoster = bench::time(kRuns, [&] { (void)bench::readRaw(rosterPath); });
  const auto loadRoster = bench::time(kRuns, [&] { (void)storage::loadRoster(*state, today); });

  std::printf("results file: %zu records, %lld bytes; roster: 5000 students\n",
              state->loadedResults.size(), static_cast<long long>(results.size()));
  bench::print("loadResults", load, rawResults);
  bench::print("loadResults + computeStatistics", stats, rawResults);
  bench::print("loadRoster (5000 lines)", loadRoster, rawRoster);
  std::printf("peak memory: %ld KiB\n", bench::peakMemoryKiB());
  return 0;
}
