// Name selection and the level hub at classroom scale: 20000 records and a 5000-student
// roster. Times one rebuild of the name list (statistics, roster, lines) and one
// activation of the hub (statistics, columns, lists, level opening), each printed beside
// the raw cost of reading the results file and the roster in the same run.
#include "bench_util.h"
#include "classroom.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "demo_setup.h"
#include "hub/seisekitime1.h"
#include "roster_menu/namesel.h"
#include "roster_menu/roster_list.h"
#include "storage/configuration.h"
#include "storage/file_names.h"
#include "storage/results_file.h"
#include "storage/roster.h"
#include "storage/sjis.h"
#include "storage/statistics.h"
#include "storage/text_items.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace tavelo;

namespace {}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QDate today = QDate::currentDate();
  const demo::DemoLayout layout = bench::demoInstallation(dir, today);

  bench::BenchServices kit;
  platform::Services& services = kit.services;

  // 5000 students over twelve school years, and 20000 drills of the last 60 days.
  const QString rosterPath = layout.dataRoot + storage::rosterFileName();
  bench::writeBytes(rosterPath, bench::classroomRoster(today, 5000));
  const QByteArray results = bench::classroomResults(kit.random, today, 20000, 5000, 100);
  const QString resultsPath = layout.programDataFolder + storage::resultsFileName();
  bench::writeBytes(resultsPath, results);

  auto state = std::make_unique<SharedState>();
  if (Status s = storage::loadConfiguration(*state, layout.programFolder)) {
    std::fprintf(stderr, "%s\n", qPrintable(s->message));
    return 1;
  }
  state->seasonColour = QColor(192, 255, 192);
  bench::Navigation navigator;

  constexpr int kRuns = 30;
  const auto raw = bench::time(
      kRuns, [&] { (void)bench::readRaw(resultsPath), (void)bench::readRaw(rosterPath); });

  // Opening name selection (a new screen and its load, as after "戻る(0)") should cost one
  // rebuild, not two.
  const auto opening = bench::time(kRuns, [&] {
    auto* screen = new namesel(*state, services, navigator);
    screen->Form_Load();
    delete screen;
  });
  auto* names = new namesel(*state, services, navigator);
  names->Form_Load();
  const auto rebuild = bench::time(kRuns, [&] { names->名簿表示(); });
  delete names;
  // Its parts: the statistics, the roster and the lines.
  const auto statistics =
      bench::time(kRuns, [&] { (void)storage::computeStatistics(*state, services); });
  const auto rosterLoad = bench::time(kRuns, [&] { (void)storage::loadRoster(*state, today); });
  const auto lines = bench::time(
      kRuns, [&] { (void)roster_menu::buildRosterListing(*state, 1, QStringLiteral("全学年")); });

  buildLevelCatalogue(*state);
  state->studentIndex = 1;
  state->studentName = QStringLiteral("生徒　1");
  auto* hub = new seisekitime1(*state, services, navigator);
  hub->show();
  const auto activation = bench::time(kRuns, [&] { hub->activate(); });
  delete hub;

  std::printf("results file: %lld records; roster: 5000 students (%d listed)\n",
              static_cast<long long>(results.size() / storage::kRecordSize), state->rosterCount());
  bench::print("name selection opened (new screen + load)", opening, raw);
  bench::print("name list rebuild (名簿表示)", rebuild, raw);
  bench::print("  of which computeStatistics", statistics, raw);
  bench::print("  of which loadRoster", rosterLoad, raw);
  bench::print("  of which the lines (buildRosterListing)", lines, raw);
  bench::print("hub activation", activation, raw);
  std::printf("raw read of both files: median %.3f ms, worst %.3f ms\n", raw.median, raw.worst);
  return 0;
}
