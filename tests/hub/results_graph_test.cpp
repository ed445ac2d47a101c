#include "hub/results_graph.h"
#include "demo_fixture.h"
#include "hub/graph_panel.h"
#include "hub/seisekitime1.h"
#include "storage/roster.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tavelo {
namespace {

using namespace Qt::Literals::StringLiterals;
using hub::BandFigures;
using hub::GraphDrill;

BandFigures withDrills(std::initializer_list<qint32> times) {
  BandFigures f;
  double date = 46300;
  for (qint32 t : times) {
    f.own.push_back({t, date++});
    if (t < hub::kGraphCountedBelow) {
      ++f.count;
      f.ownSum += t;
      f.ownSlowest = std::max(f.ownSlowest, t);
    }
  }
  return f;
}

QImage render(const BandFigures& figures, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  QPainter painter(&image);
  hub::GraphSurface surface{painter, QSizeF(size), false, 6, {}};
  EXPECT_FALSE(hub::drawGraph(surface, {{u"青木"_s, u"title"_s, figures}}).has_value());
  return image;
}

bool near(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
         std::abs(a.blue() - b.blue()) < 40;
}

// The first drill is a personal best; a later one only when faster than the last best.
TEST(ResultsGraphTest, PersonalBestsAreRedAndTheOtherDrillsBlue) {
  const BandFigures figures = withDrills({50, 60, 40, 45, 40, 30});
  const QSize size(800, 636);
  const auto points = hub::plotPoints(figures, QSizeF(size), 0.05 * size.height());
  const std::vector<bool> expected{true, false, true, false, false, true};
  ASSERT_EQ(points.size(), expected.size());
  const QImage image = render(figures, size);
  for (std::size_t k = 0; k < points.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(points[k].best, expected[k]);
    const QColor pixel = image.pixelColor(points[k].at.toPoint());
    EXPECT_TRUE(near(pixel, expected[k] ? hub::kBestColour : hub::kDrillColour))
        << pixel.name().toStdString();
  }
  // x runs over the counted drills; the fastest drill sits lowest above the axis.
  EXPECT_NEAR(points.back().at.x(), 0.9 * size.width() / 2, 1e-9);
  EXPECT_EQ(hub::scaleTop(figures), 70);
}

// Drills of 1800 s or more (and drills beyond a scale top of 1000) would be plotted above
// the band: they stand at the top of the plot with an upward marker instead.
TEST(ResultsGraphTest, DrillsBeyondTheScaleAreClippedToThePlotTop) {
  const BandFigures figures = withDrills({1500, 99999, 1800, 900});
  const QSizeF size(800, 636);
  const double top = 0.05 * size.height();  // the first band of a page
  const double plotTop = top + 0.1 * size.height() / 3;
  const auto points = hub::plotPoints(figures, size, top);
  ASSERT_EQ(points.size(), 4U);
  EXPECT_EQ(hub::scaleTop(figures), 1000);
  for (int k : {0, 1, 2}) {
    EXPECT_TRUE(points[static_cast<std::size_t>(k)].clipped) << k;
    EXPECT_DOUBLE_EQ(points[static_cast<std::size_t>(k)].at.y(), plotTop) << k;
  }
  EXPECT_TRUE(points[0].best);   // counted, only too slow for the scale
  EXPECT_FALSE(points[1].best);  // not counted
  EXPECT_FALSE(points[3].clipped);
  EXPECT_TRUE(points[3].best);
  EXPECT_DOUBLE_EQ(points[1].at.x(), points[0].at.x());  // at the last counted drill
  const QImage image = render(figures, size.toSize());
  // The marker stands above the point, inside the band.
  const QPoint above = (points[1].at - QPointF(0, 9)).toPoint();
  EXPECT_TRUE(near(image.pixelColor(above), hub::kDrillColour));
}

TEST(ResultsGraphTest, FigureLinesFollowTheNumberPatterns) {
  BandFigures none;
  const auto empty = hub::figureLines(none);
  ASSERT_GE(empty.size(), 2U);
  EXPECT_EQ(empty[0].text, u"回数　　　　　　　   回"_s);
  for (const auto& line : empty) EXPECT_FALSE(line.text.contains(u"　　平均"_s));
  EXPECT_DOUBLE_EQ(empty.back().step, empty[empty.size() - 2].step + 1);

  BandFigures f = withDrills({50, 40});
  f.groupCount = 3;
  f.groupSum = 125;
  f.groupFastest = 35;
  f.ranks = {u"  2"_s, u"---"_s, 123, 4, 250};
  QStringList texts;
  for (const auto& line : hub::figureLines(f)) texts << line.text;
  EXPECT_EQ(texts, (QStringList{
                       u"回数　　　　　　　  2回"_s,
                       u"タイム  　　 　    本人 / 塾全体"_s,
                       u"　　順位　　　　    2位"_s,
                       u"　　最高　　　　   40秒 /   35秒"_s,
                       u"　　平均　　　　   45秒 /   42秒"_s,
                       u"ポイント  　　　"_s,
                       u"　　順位　　　　  ---位"_s,
                       u"　　獲得ポイント  123点"_s,
                       u"　　　　　　　　　　　　/   63点"_s,
                       u"　　　　　　　　　　　　 (塾平均)"_s,
                   }));
}

TEST(ResultsGraphTest, RankFiguresComeFromTheStudentsEntriesOfTheRankings) {
  const auto entry = [](int student, int rank, int points, qint32 time) {
    hub::ListEntry e;
    e.student = student;
    e.rank = rank;
    e.points = points;
    e.time = time;
    return e;
  };
  const hub::ListEntries points{entry(7, 1, 120, 0), entry(2, 1, 120, 0), entry(3, 3, 30, 0),
                                entry(4, 4, 0, 0)};
  const hub::ListEntries times{entry(3, 1, 0, 31), entry(2, 2, 0, 40), entry(7, 3, 0, 99999)};
  const auto own = hub::rankFigures(points, times, 2);
  EXPECT_EQ(own.pointRank, u"1"_s);
  EXPECT_EQ(own.timeRank, u"2"_s);
  EXPECT_EQ(own.ownPoints, 120);
  EXPECT_EQ(own.rankedWithPoints, 3);
  EXPECT_EQ(own.pointsSum, 270);
  EXPECT_EQ(hub::rankFigures(points, times, 7).timeRank, u"---"_s);
  const auto missing = hub::rankFigures(points, times, 9);  // filtered out: no line
  EXPECT_TRUE(missing.pointRank.isEmpty());
  EXPECT_TRUE(missing.timeRank.isEmpty());
  EXPECT_EQ(missing.ownPoints, 0);
  EXPECT_EQ(missing.rankedWithPoints, 3);
}

TEST(ResultsGraphTest, ThreeBandsToAPage) {
  const auto tops = hub::bandTops(4, 1000);
  ASSERT_EQ(tops.size(), 4U);
  EXPECT_DOUBLE_EQ(tops[0], 50);
  EXPECT_DOUBLE_EQ(tops[1], 350);
  EXPECT_DOUBLE_EQ(tops[2], 650);
  EXPECT_DOUBLE_EQ(tops[3], 50);
}

// The hub's graph panel for student 1 of the demo roster.
class GraphPanelTest : public testing::DemoFixture {
 protected:
  void SetUp() override {
    DemoFixture::SetUp();
    buildLevelCatalogue(*state);
    ASSERT_FALSE(storage::loadRoster(*state, QDate(2026, 12, 10)).has_value());
    state->studentIndex = 1;
    state->studentName = state->rosterNames[1];
    state->gradeFilter = u"全学年"_s;
  }
  void TearDown() override { delete hub; }
  void open() {
    hub = new seisekitime1(*state, fakes.services, navigator);
    hub->show();
    hub->activate();
  }
  QListWidget* levels() const { return hub->findChild<QListWidget*>(u"List3"_s); }
  void graphAfterPersonalTimes() {
    hub->findChild<QRadioButton*>(u"Option2_2"_s)->click();
    auto* graph = hub->findChild<QPushButton*>(u"Command17"_s);
    ASSERT_TRUE(graph->isVisible());
    QTest::mouseClick(graph, Qt::LeftButton);
  }
  seisekitime1* hub = nullptr;
};

TEST_F(GraphPanelTest, GraphAfterPersonalTimesDrawsLevelsOneToThreeOnOnePage) {
  appendDrills({{3, 1, 1, 40}, {2, 1, 1, 35}, {1, 2, 1, 30}, {1, 1, 2, 50}});
  open();
  graphAfterPersonalTimes();
  EXPECT_TRUE(hub->findChild<QWidget*>(u"Picture11"_s)->isVisible());
  EXPECT_TRUE(hub->findChild<QWidget*>(u"List2"_s)->isHidden());
  const auto bands = hub->graphPanel().chosenBands();
  ASSERT_EQ(bands.size(), 3U);
  for (int level = 1; level <= 3; ++level) {
    EXPECT_TRUE(
        bands[static_cast<std::size_t>(level - 1)].title.endsWith(state->levelNames[level]));
  }
  EXPECT_EQ(bands[0].figures.count, 2);
  EXPECT_EQ(bands[0].figures.groupCount, 3);
  EXPECT_EQ(bands[0].figures.groupFastest, 30);
  EXPECT_EQ(bands[1].figures.count, 1);
  EXPECT_EQ(bands[2].figures.count, 0);  // no drills: empty counts
  EXPECT_TRUE(bands[2].figures.own.empty());
  // Ranks from the hub's rankings: student 2's 30 s is ahead on level 1.
  EXPECT_EQ(bands[0].figures.ranks.timeRank, u"2"_s);
  EXPECT_EQ(bands[2].figures.ranks.timeRank, u"---"_s);
  EXPECT_GT(bands[0].figures.ranks.ownPoints, 0);
  EXPECT_EQ(bands[0].figures.ranks.rankedWithPoints, 2);
  const auto tops = hub::bandTops(3, hub->graphPanel().surfaceImage().height());
  EXPECT_LT(tops[0], tops[1]);
  EXPECT_LT(tops[1], tops[2]);  // no page change
  // Something was drawn on the surface in red: the bests of level 1.
  const auto points =
      hub::plotPoints(bands[0].figures, QSizeF(hub->graphPanel().surfaceImage().size()), tops[0]);
  ASSERT_EQ(points.size(), 2U);
  EXPECT_TRUE(
      near(hub->graphPanel().surfaceImage().pixelColor(points[1].at.toPoint()), hub::kBestColour));
}

TEST_F(GraphPanelTest, FourChosenLevelsPrintOnTwoPagesAsRealText) {
  appendDrills({{3, 1, 1, 40}, {2, 1, 4, 35}});
  open();
  graphAfterPersonalTimes();
  levels()->item(3)->setSelected(true);
  hub->graphPanel().Command24_Click(1);
  ASSERT_FALSE(fakes.printer.lastPdf.isEmpty());
  EXPECT_EQ(testing::pdfPageCount(fakes.printer.lastPdf), 2);
  const QString text = testing::pdfText(fakes.printer.lastPdf);
  const QString name = state->rosterNames[1].trimmed().normalized(QString::NormalizationForm_KC);
  EXPECT_TRUE(text.contains(name)) << text.toStdString();
  EXPECT_TRUE(text.contains(u"回数"_s));
  EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(GraphPanelTest, ACancelledOrFailedPrintPrintsNothingAndAFailureIsShown) {
  open();
  graphAfterPersonalTimes();
  fakes.printer.cancel = true;
  hub->graphPanel().Command24_Click(1);
  EXPECT_TRUE(fakes.printer.lastPdf.isEmpty());
  EXPECT_TRUE(fakes.dialogs.messages.empty());
  fakes.printer.cancel = false;
  fakes.printer.failBegin = true;
  hub->graphPanel().Command24_Click(1);
  EXPECT_TRUE(fakes.printer.lastPdf.isEmpty());
  ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
  EXPECT_EQ(fakes.dialogs.messages[0].kind, u"warning"_s);
  EXPECT_TRUE(hub->isEnabled());
}

TEST_F(GraphPanelTest, ChosenStudentsAreDrawnInTurn) {
  appendDrills({{1, 2, 1, 30}});
  open();
  graphAfterPersonalTimes();
  hub->graphPanel().Command25_Click();
  auto* students = hub->findChild<QListWidget*>(u"List2"_s);
  EXPECT_TRUE(students->isVisible());
  ASSERT_GT(students->count(), 1);
  const QString line = students->item(1)->text();
  EXPECT_TRUE(line.contains(u" /  "_s));
  const int number = line.mid(line.lastIndexOf(u'/') + 1).toInt();
  students->item(1)->setSelected(true);
  hub->graphPanel().List2_Click();
  EXPECT_EQ(hub->graphPanel().graphStudent, number);
}

}  // namespace
}  // namespace tavelo

namespace tavelo {
namespace {

// Saves the graph panel and the first printed page for the documentation when
// TAVELO_SCREENSHOT_DIR names a folder; skipped otherwise.
TEST_F(GraphPanelTest, Screenshots) {
  const QString folder = qEnvironmentVariable("TAVELO_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "TAVELO_SCREENSHOT_DIR is not set";
  for (int level = 1; level <= 4; ++level) {
    for (int day = 0; day < 14; ++day) {
      const int own = 30 + 6 * level + (day * 37) % 11 - day / 2;
      appendDrills({{40 - 2 * day, 1, level, own},
                    {40 - 2 * day, 2, level, own + 4},
                    {39 - 2 * day, 3, level, own - 3}});
    }
  }
  appendDrills({{3, 1, 2, 99999}});
  open();
  graphAfterPersonalTimes();
  QApplication::processEvents();
  ASSERT_TRUE(hub->grab().save(QDir(folder).filePath(u"screenshot-graph.png"_s)));
  levels()->item(3)->setSelected(true);
  hub->graphPanel().Command24_Click(1);
  ASSERT_FALSE(fakes.printer.lastPdf.isEmpty());
  const QString pdf = QDir(folder).filePath(u"sample-graph.pdf"_s);
  QFile::remove(pdf);
  ASSERT_TRUE(QFile::copy(fakes.printer.lastPdf, pdf));
}

}  // namespace
}  // namespace tavelo
