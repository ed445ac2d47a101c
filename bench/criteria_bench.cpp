// The criteria editor at classroom scale: 20000 records. Times one key press in the in-place
// editor (which recomputes the distributions of the level under the cursor from the whole
// results file and shows them) beside the raw cost of reading the results file in the same
// run, and the parts of the recomputation.
#include "bench_util.h"
#include "classroom.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "maintenance/frm_time_data.h"
#include "maintenance/time_distribution.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/random.h"
#include "platform/services.h"
#include "storage/configuration.h"
#include "storage/file_names.h"
#include "storage/results_file.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tavelo;

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

  bench::BenchServices real;
  platform::Services& services = real.services;
  platform::Random& random = real.random;

  const QByteArray results = bench::classroomResults(random, today, 20000, 5000, 400);
  const QString resultsPath = layout.programDataFolder + storage::resultsFileName();
  bench::writeBytes(resultsPath, results);

  auto state = std::make_unique<SharedState>();
  if (Status s = storage::loadConfiguration(*state, layout.programFolder)) {
    std::fprintf(stderr, "%s\n", qPrintable(s->message));
    return 1;
  }
  bench::Navigation navigator;

  constexpr int kRuns = 50;
  const auto raw = bench::time(kRuns, [&] { (void)bench::readRaw(resultsPath); });

  auto* editor = new FrmTimeData(*state, services, navigator);
  editor->show();
  editor->activate();
  auto* input = editor->findChild<QLineEdit*>(QStringLiteral("Gridinputtext"));
  // Down and Up in turn: each press moves to another level and redraws its distributions.
  int presses = 0;
  const auto keyPress = bench::time(
      kRuns, [&] { QTest::keyClick(input, presses++ % 2 == 0 ? Qt::Key_Down : Qt::Key_Up); });
  delete editor;

  const auto reading = bench::time(kRuns, [&] { (void)storage::readAllRecords(*state, services); });
  const auto records = storage::readAllRecords(*state, services);
  const auto counting = bench::time(kRuns, [&] { (void)maintenance::countDrillTimes(*records); });
  const maintenance::TimeDistribution counts = maintenance::countDrillTimes(*records);
  const auto lines = bench::time(kRuns, [&] {
    (void)maintenance::allResultsLines(counts, 2), (void)maintenance::bestTimeLines(counts, 2);
  });

  std::printf("results file: %lld records\n",
              static_cast<long long>(results.size() / storage::kRecordSize));
  bench::print("key press in the criteria editor", keyPress, raw);
  bench::print("  of which readAllRecords", reading, raw);
  bench::print("  of which countDrillTimes", counting, raw);
  bench::print("  of which the two lists' lines", lines, raw);
  std::printf("raw read of the results file: median %.3f ms, worst %.3f ms\n", raw.median,
              raw.worst);
  return 0;
}
