#include "printing/print_page.h"
#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

using namespace tavelo;
using printing::PageSetup;
using printing::PrintPage;

namespace {

constexpr double kRed = 255;

// A printer-like target: a white A4 image at 72 dpi, set up as the printer's page.
struct PaperImage {
  QImage image{595, 842, QImage::Format_RGB32};
  PaperImage() {
    image.setDotsPerMeterX(qRound(72 / 0.0254));
    image.setDotsPerMeterY(qRound(72 / 0.0254));
    image.fill(Qt::white);
  }
};

struct Target {
  QImage image;
  PageSetup setup;
};

Target previewTarget() {
  PageSetup setup = printing::pageSetup(true, false);
  return {printing::previewSurface(setup), setup};
}

Target paperTarget() {
  PaperImage paper;
  return {paper.image, printing::pageSetup(true, true, &paper.image)};
}

// The middle of the red rows down column x (the centre of a horizontal red line).
double redRowsCentre(const QImage& image, int x) {
  int first = -1;
  int last = -1;
  for (int y = 0; y < image.height(); ++y) {
    const QColor c = image.pixelColor(x, y);
    if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
      if (first < 0) first = y;
      last = y;
    }
  }
  return (first + last + 1) / 2.0;
}

}  // namespace

TEST(PageSetupTest, PortraitAndLandscapeTakeTheirPreviewScaleAndTheA4Page) {
  const PageSetup portrait = printing::pageSetup(true, false);
  EXPECT_DOUBLE_EQ(portrait.previewScale, 0.63);
  EXPECT_NEAR(portrait.printerPage.height(), 16838, 1);
  EXPECT_NEAR(portrait.recorded.height(), 0.63 * 16838, 1);
  EXPECT_NEAR(portrait.printerScaled.width(), 1.06 * 11906, 1);
  EXPECT_EQ(portrait.targetKind, 1);
  const PageSetup landscape = printing::pageSetup(false, false);
  EXPECT_DOUBLE_EQ(landscape.previewScale, 0.8);
  EXPECT_NEAR(landscape.printerPage.width(), 16838, 1);
  PaperImage paper;
  const PageSetup onPaper = printing::pageSetup(true, true, &paper.image);
  EXPECT_EQ(onPaper.targetKind, 6);
  EXPECT_NEAR(onPaper.recorded.height(), 16838, 30);  // the page of the device
}

// A line at y = 5000 lies at half of H on the preview and at 0.89 * 0.5 * PH' on paper.
TEST(PrintPageTest, ALineAtHalfTheUnitsLiesAtTheSameShareOnBothTargets) {
  for (Target target : {previewTarget(), paperTarget()}) {
    SCOPED_TRACE(target.setup.toPrinter ? "paper" : "preview");
    {
      QPainter painter(&target.image);
      PrintPage page(painter, target.setup);
      page.ライン(0, 5000, 10000, 5000, 1, kRed);
    }
    const double expectedTwips = target.setup.toPrinter
                                     ? 0.89 * 0.5 * target.setup.printerScaled.height()
                                     : 0.5 * target.setup.recorded.height();
    const double expected = expectedTwips * target.setup.devicePerTwip;
    EXPECT_NEAR(redRowsCentre(target.image, target.image.width() / 2), expected, 1);
  }
}

struct FitCase {
  const char* name;
  QString text;
  double wrapTwips;
  int expectedSize;
};

// A one-line text in a cell 0.06 of an A4 page high fits at 20 (2 * 25 * 20 = 1000 < 1010),
// a two-line one at 13 (3 * 25 * 13 = 975; 14 gives 1050); preview and paper agree.
TEST(PrintPageTest, AutoFittedTextTakesTheLargestSizeWhoseLinesStayInTheCell) {
  const std::vector<FitCase> cases = {
      {"one line", QStringLiteral("あいう"), 11906, 20},
      {"two lines", QString(20, QChar(0x3042)), 4000, 13},
  };
  for (const FitCase& c : cases) {
    for (Target target : {previewTarget(), paperTarget()}) {
      SCOPED_TRACE(std::string(c.name) + (target.setup.toPrinter ? " paper" : " preview"));
      QPainter painter(&target.image);
      PrintPage page(painter, target.setup);
      page.cell.heightLimit = 0.06;
      page.cell.wrapWidth = c.wrapTwips / target.setup.printerPage.width();
      page.cell.baseFontSize = 50;
      page.文字表示3(c.text);
      EXPECT_EQ(page.cell.fontSize, c.expectedSize);
      EXPECT_FALSE(page.cell.overflow);
    }
  }
}

TEST(PrintPageTest, AnEmptyTextIsDrawnAsOneEmptyLine) {
  Target target = previewTarget();
  QPainter painter(&target.image);
  PrintPage page(painter, target.setup);
  page.cell.top = 1000;
  page.cell.heightLimit = 0.06;
  page.cell.baseFontSize = 10;
  page.文字表示3(QString());
  EXPECT_EQ(page.cell.fontSize, 10);
  const double lineHeight = 25.0 * 10 * 0.63;
  EXPECT_NEAR(page.cell.nextTop, 0.1 + lineHeight / (1.03 * target.setup.recorded.height()) + 0.01,
              1e-9);
}

// The layout holds 20 paragraphs of 40 lines and sizes up to 109; more is cut, not written
// past its end.
TEST(PrintPageTest, TextBeyondTheLayoutsLimitsIsCut) {
  Target target = previewTarget();
  QPainter painter(&target.image);
  PrintPage page(painter, target.setup);
  page.cell.fitCheck = false;
  page.cell.fontSize = 10;
  page.cell.wrapWidth = 300.0 / target.setup.printerPage.width();  // about one character
  const double line = 25.0 * 10 * 0.63 / (1.03 * target.setup.recorded.height());

  page.multiLineText({QString(45, QChar(0x3042))});
  EXPECT_NEAR(page.cell.nextTop, 40 * line + 0.01, 1e-9);

  page.multiLineText(QStringList(25, QStringLiteral("あ")));
  EXPECT_NEAR(page.cell.nextTop, 20 * line + 0.01, 1e-9);

  page.cell.fontSize = 500;
  page.cell.wrapWidth = 1;
  page.multiLineText({QStringLiteral("あ")});
  EXPECT_NEAR(page.cell.nextTop, 25.0 * 109 * 0.63 / (1.03 * target.setup.recorded.height()) + 0.01,
              1e-9);

  // A cell without height still ends the shrinking.
  page.cell.fitCheck = true;
  page.cell.heightLimit = 0;
  page.cell.baseFontSize = 200;
  page.文字表示3(QStringLiteral("あ"));
  EXPECT_EQ(page.cell.fontSize, 0);
}

TEST(PrintPageTest, LinesBreakWithinTheWrapWidth) {
  const QString text = QStringLiteral("あいうえおかきくけこさしすせそたちつてと");
  const QStringList lines =
      printing::breakLines(text, PrintPage::defaultFontFamily(), 10, 10 * 20 * 7.5);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines.join(QString()), text);
  for (const QString& l : lines) EXPECT_LE(l.size(), 7);
}

TEST(PrintPageTest, AShrunkLabelsTextFitsItsRectangle) {
  Target target = previewTarget();
  QPainter painter(&target.image);
  PrintPage page(painter, target.setup);
  int size = 60;
  page.ラベル文字3(1000, 1000, 3000, 2000, 0, 0xFFFFFF, 0, 1, QStringLiteral("あいうえ"), 0, size,
                   1);
  EXPECT_LT(size, 60);
  EXPECT_GT(size, 1);
  const auto widthAt = [&](int s) {
    QFont font(PrintPage::defaultFontFamily());
    font.setPointSizeF(1.046 * 0.63 * s);
    return 4 * QFontMetricsF(font, &target.image).horizontalAdvance(QStringLiteral("あ"));
  };
  const double boxWidth =
      printing::toTarget(target.setup, 3000, 0).x() - printing::toTarget(target.setup, 1000, 0).x();
  EXPECT_LT(widthAt(size), 0.9 * boxWidth);
}

// The printer service's test double writes real PDFs whose text can be read back.
TEST(PrinterTest, PrintedTextIsRealTextOnTheRightNumberOfPages) {
  tavelo::testing::FakePrinter printer;
  auto painter =
      printer.begin(nullptr, QStringLiteral("試し"), platform::PageOrientation::Portrait);
  ASSERT_TRUE(painter.ok());
  ASSERT_NE(*painter, nullptr);
  PrintPage page(**painter, printing::pageSetup(true, true, (*painter)->device()));
  page.文字(1000, 1000, QStringLiteral("山田　花子"), 20);
  ASSERT_FALSE(printer.newPage());
  page.文字(1000, 1000, QStringLiteral("回数"), 20);
  ASSERT_FALSE(printer.end());
  EXPECT_EQ(tavelo::testing::pdfPageCount(printer.lastPdf), 2);
  const QString text = tavelo::testing::pdfText(printer.lastPdf);
  EXPECT_TRUE(text.contains(QStringLiteral("山田 花子"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("回数")));
}

TEST(PrinterTest, ACancelledOrAbandonedJobPrintsNothing) {
  tavelo::testing::FakePrinter printer;
  printer.cancel = true;
  auto cancelled = printer.begin(nullptr, QStringLiteral("a"), platform::PageOrientation::Portrait);
  ASSERT_TRUE(cancelled.ok());
  EXPECT_EQ(*cancelled, nullptr);

  printer.cancel = false;
  auto painter = printer.begin(nullptr, QStringLiteral("b"), platform::PageOrientation::Landscape);
  ASSERT_TRUE(painter.ok() && *painter != nullptr);
  EXPECT_GT((*painter)->device()->width(), (*painter)->device()->height());
  printer.abandon();
  EXPECT_TRUE(printer.lastPdf.isEmpty());
  EXPECT_TRUE(QDir(printer.folder.path()).entryList(QDir::Files).isEmpty());

  printer.failBegin = true;
  EXPECT_FALSE(
      printer.begin(nullptr, QStringLiteral("c"), platform::PageOrientation::Portrait).ok());
}
