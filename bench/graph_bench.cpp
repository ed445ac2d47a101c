// The results graph at classroom scale: 20000 records and a 5000-student roster, the
// student drawn having 400 drills of their own. Times one three-band screen page of the
// hub's graph and printing four levels to a PDF file, beside baselines of the same run:
// a plain pass over the loaded results, and an empty two-page PDF.
#include "bench_util.h"
#include "classroom.h"
#include "core/catalogue.h"
#include "core/shared_state.h"
#include "demo/demo_installation.h"
#include "demo_setup.h"
#include "hub/graph_panel.h"
#include "hub/rankings.h"
#include "hub/seisekitime1.h"
#include "storage/configuration.h"
#include "storage/file_names.h"
#include "storage/results_file.h"
#include "storage/roster.h"

#include <QApplication>
#include <QListWidget>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

using namespace tavelo;

namespace {

// Four levels on A4 through the same drawing routine as the printer job.
void printToPdf(const QString& path, const std::vector<hub::GraphBand>& bands) {
  QPdfWriter writer(path);
  writer.setResolution(platform::kPrintDpi);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&writer);
  hub::GraphSurface surface{painter, QSizeF(writer.width(), writer.height()), true, 6, [&] {
                              writer.newPage();
                              return Status{};
                            }};
  (void)hub::drawGraph(surface, bands);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QDate today = QDate::currentDate();
  const demo::DemoLayout layout = bench::demoInstallation(dir, today);

  bench::BenchServices kit;
  platform::Services& services = kit.services;

  bench::writeBytes(layout.dataRoot + storage::rosterFileName(),
                    bench::classroomRoster(today, 5000));
  QByteArray results = bench::classroomResults(kit.random, today, 20000, 5000, 100);
  for (int i = 0; i < 400; ++i) {  // student 1 drew 400 of them
    storage::ResultRecord r =
        storage::decodeRecord(results.constData() + i * 50 * storage::kRecordSize);
    r.student = 1;
    results.replace(i * 50 * storage::kRecordSize, storage::kRecordSize, storage::encodeRecord(r));
  }
  bench::writeBytes(layout.programDataFolder + storage::resultsFileName(), results);

  auto state = std::make_unique<SharedState>();
  if (Status s = storage::loadConfiguration(*state, layout.programFolder)) {
    std::fprintf(stderr, "%s\n", qPrintable(s->message));
    return 1;
  }
  (void)storage::loadRoster(*state, today);
  state->seasonColour = QColor(192, 255, 192);
  buildLevelCatalogue(*state);
  state->studentIndex = 1;
  state->studentName = QStringLiteral("生徒　1");
  state->gradeFilter = QStringLiteral("全学年");
  bench::Navigation navigator;
  auto* hub = new seisekitime1(*state, services, navigator);
  hub->show();
  hub->activate();
  hub->Command17_Click();
  hub::GraphPanel& graph = hub->graphPanel();

  constexpr int kRuns = 20;
  const auto pass = bench::time(kRuns, [&] {
    qint64 sum = 0;
    for (const LoadedResult& r : state->loadedResults) sum += r.drillTime;
    if (sum == 42) std::puts("");
  });
  const auto screen = bench::time(kRuns, [&] { graph.draw(0); });
  // Of which the rankings of the three levels, as the hub builds its lists.
  const auto rankings = bench::time(kRuns, [&] {
    const hub::ListContext context(*state, QStringLiteral("全学年"));
    for (int level = 1; level <= 3; ++level) {
      (void)hub::pointRanking(context, level, hub::PointsOrder::kSoFar);
      (void)hub::timeRanking(context, level);
    }
  });

  auto* levels = hub->findChild<QListWidget*>(QStringLiteral("List3"));
  levels->item(3)->setSelected(true);
  const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
  const auto emptyPdf = bench::time(5, [&] { printToPdf(pdf, {}); });
  const auto paper = bench::time(5, [&] { printToPdf(pdf, graph.chosenBands()); });
  const auto bands = graph.chosenBands();
  delete hub;

  std::printf(
      "results file: %lld records; roster: 5000 students; student 1: %zu drills on level 1\n",
      static_cast<long long>(results.size() / storage::kRecordSize),
      bands.empty() ? std::size_t{0} : bands[0].figures.own.size());
  bench::print("graph: three bands on the screen", screen, pass);
  bench::print("  of which the rankings of three levels", rankings, pass);
  bench::print("graph: four levels printed to PDF", paper, emptyPdf);
  std::printf("baselines: pass over the loaded results %.3f ms, empty PDF %.3f ms\n", pass.median,
              emptyPdf.median);
  return 0;
}
