#include "printing/print_page.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tavelo::printing {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
constexpr double kScreenDpi = 96;

QColor colourOf(double value) {
  const auto rgb = static_cast<std::uint32_t>(std::llround(value)) & 0xFFFFFFU;
  return {static_cast<int>(rgb & 0xFFU), static_cast<int>((rgb >> 8) & 0xFFU),
          static_cast<int>((rgb >> 16) & 0xFFU)};
}

// Fill styles: 0 solid, 1 transparent, 2..7 the hatch patterns.
Qt::BrushStyle brushStyleOf(int fillStyle) {
  switch (fillStyle) {
    case 0:
      return Qt::SolidPattern;
    case 2:
      return Qt::HorPattern;
    case 3:
      return Qt::VerPattern;
    case 4:
      return Qt::BDiagPattern;
    case 5:
      return Qt::FDiagPattern;
    case 6:
      return Qt::CrossPattern;
    case 7:
      return Qt::DiagCrossPattern;
    default:
      return Qt::NoBrush;
  }
}

QFont fontOf(const QString& family, double pointSize) {
  QFont font(family);
  font.setPointSizeF(std::max(pointSize, 0.1));
  return font;
}

}  // namespace

QSizeF a4Twips(bool portrait) {
  const QSizeF size = QPageSize(QPageSize::A4).size(QPageSize::Millimeter) * (kTwipsPerInch / 25.4);
  return portrait ? size : size.transposed();
}

PageSetup pageSetup(bool portrait, bool toPrinter, const QPaintDevice* printer) {
  PageSetup setup;
  setup.toPrinter = toPrinter && printer != nullptr;
  setup.targetKind = setup.toPrinter ? 6 : 1;
  setup.previewScale = portrait ? 0.63 : 0.8;
  if (printer != nullptr) {
    const double perTwip = printer->logicalDpiX() / kTwipsPerInch;
    setup.printerPage = QSizeF(printer->width() / perTwip, printer->height() / perTwip);
    if (setup.toPrinter) setup.devicePerTwip = perTwip;
  } else {
    setup.printerPage = a4Twips(portrait);
  }
  if (!setup.toPrinter) setup.devicePerTwip = kScreenDpi / kTwipsPerInch;
  setup.printerScaled = QSizeF(1.06 * setup.printerPage.width(), 1.05 * setup.printerPage.height());
  setup.recorded = setup.toPrinter ? setup.printerPage : setup.printerPage * setup.previewScale;
  return setup;
}

QSizeF targetTwips(const PageSetup& setup) {
  return setup.recorded * 1.03;
}

QImage previewSurface(const PageSetup& setup) {
  const QSizeF px = targetTwips(setup) * setup.devicePerTwip;
  QImage image(qRound(px.width()), qRound(px.height()), QImage::Format_RGB32);
  const int dotsPerMeter = qRound(kScreenDpi / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  return image;
}

QPointF toTarget(const PageSetup& setup, double x, double y) {
  QPointF twips;
  if (setup.toPrinter) {
    const QSizeF area = setup.printerScaled * kPrinterFactor;
    twips = QPointF(area.width() * setup.leftMargin + x * area.width() / 10000,
                    area.height() * setup.topMargin + y * area.height() / 10000);
  } else {
    const QSizeF& area = setup.recorded;
    twips = QPointF(area.width() * setup.leftMargin + x * area.width() / 10000,
                    area.height() * setup.topMargin + y * area.height() / 10000);
  }
  return twips * setup.devicePerTwip;
}

QStringList breakLines(const QString& paragraph, const QString& family, int fontSize,
                       double widthTwips) {
  if (paragraph.isEmpty() || fontSize <= 0) return {paragraph};
  // Laid out in twips: a font of fontSize points is fontSize * 20 twips high.
  QFont font(family);
  font.setPixelSize(fontSize * static_cast<int>(kTwipsPerPoint));
  QTextLayout layout(paragraph, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(std::max(widthTwips, 1.0));
    lines.append(paragraph.mid(line.textStart(), line.textLength()));
  }
  layout.endLayout();
  if (lines.isEmpty()) lines.append(paragraph);
  return lines;
}

PrintPage::PrintPage(QPainter& painter, const PageSetup& setup, QString fontFamily)
    : painter_(painter), setup_(setup), family_(std::move(fontFamily)) {}

QString PrintPage::defaultFontFamily() {
  return QStringLiteral("Noto Sans CJK JP");
}

void PrintPage::文字表示3(const QString& text) {
  cell.overflow = false;
  int size = std::clamp(cell.baseFontSize, 0, kMaxFontSize) + 1;
  do {
    cell.fontSize = --size;
    multiLineText({text});
    // At size 0 the lines have no height: the text counts as fitting whatever the cell.
  } while (cell.overflow && size > 0);
}

void PrintPage::multiLineText(const QStringList& paragraphs) {
  cell.overflow = false;
  const int size = std::clamp(cell.fontSize, 0, kMaxFontSize);
  const double lineHeight = 25.0 * size * (setup_.toPrinter ? 1.0 : setup_.previewScale);
  const double height = setup_.recorded.height();
  std::vector<QStringList> broken;
  for (const QString& paragraph : paragraphs.mid(0, kMaxParagraphs)) {
    broken.push_back(
        breakLines(paragraph, family_, size, cell.wrapWidth * setup_.printerPage.width())
            .mid(0, kMaxParagraphLines));
  }
  if (cell.fitCheck && size > 0) {
    for (const QStringList& lines : broken) {
      if (lineHeight * static_cast<double>(lines.size() + 1) >= height * cell.heightLimit) {
        cell.overflow = true;
        return;
      }
    }
  }
  int n = 0;
  for (const QStringList& lines : broken) {
    for (const QString& line : lines) {
      if (size > 0) {
        文字2(10000 * cell.left, cell.top + 10000 * n * lineHeight / height, line, size);
      }
      ++n;
    }
  }
  cell.nextTop = cell.top / 10000 + n * lineHeight / targetTwips(setup_).height() + 0.01;
}

void PrintPage::drawLine(double pointSize, double x, double y, const QString& text, double colour) {
  painter_.setFont(fontOf(family_, pointSize));
  painter_.setPen(colourOf(colour));
  const QPointF at = toTarget(setup_, x, y);
  painter_.drawText(QRectF(at, QSizeF(0, 0)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                    text);
}

void PrintPage::文字(double x, double y, const QString& text, int size) {
  drawLine(setup_.toPrinter ? size * kPrinterFactor : size * setup_.previewScale, x, y, text, 0);
}

void PrintPage::文字2(double x, double y, const QString& text, int size) {
  drawLine(setup_.toPrinter ? size * kPrinterFactor : 0.9 * setup_.previewScale * size, x, y, text,
           0);
}

void PrintPage::outline(int x1, int y1, int x2, double y2, int width, double colour, bool box) {
  QPen pen(colourOf(colour));
  pen.setWidth(static_cast<int>(std::lround(setup_.targetKind * width * 0.6)));
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  const QPointF a = toTarget(setup_, x1, y1);
  const QPointF b = toTarget(setup_, x2, y2);
  if (box) {
    painter_.drawRect(QRectF(a, b).normalized());
  } else {
    painter_.drawLine(a, b);
  }
}

void PrintPage::ライン(int x1, int y1, int x2, double y2, int width, double colour) {
  outline(x1, y1, x2, y2, width, colour, false);
}

void PrintPage::ボックス(int x1, int y1, int x2, double y2, int width, double colour) {
  outline(x1, y1, x2, y2, width, colour, true);
}

void PrintPage::絵張り付け(int x, int y, int w) {
  if (picture.isNull()) return;
  const QPointF topLeft = toTarget(setup_, x, y);
  const double width = toTarget(setup_, x + w, y).x() - topLeft.x();
  const double height = width * picture.height() / picture.width();
  painter_.drawImage(QRectF(topLeft, QSizeF(width, height)), picture);
}

void PrintPage::絵張り付け2(int x, int y, int w, int h) {
  if (picture.isNull()) return;
  painter_.drawImage(QRectF(toTarget(setup_, x, y), toTarget(setup_, x + w, y + h)), picture);
}

void PrintPage::四角(int x1, int y1, int x2, int y2, double lineColour, double fillColour,
                     int fillStyle, int width) {
  QPen pen(colourOf(lineColour));
  pen.setWidth(setup_.targetKind * width);
  painter_.setPen(pen);
  painter_.setBrush(QBrush(colourOf(fillColour), brushStyleOf(fillStyle)));
  painter_.drawRect(QRectF(toTarget(setup_, x1, y1), toTarget(setup_, x2, y2)).normalized());
}

double PrintPage::labelSize(int size, bool inRectangle) const {
  if (!setup_.toPrinter) return 1.046 * setup_.previewScale * size;
  return inRectangle ? 1.1 * kPrinterFactor * size : size;
}

void PrintPage::label(const QRectF& box, bool framed, double frameColour, double fillColour,
                      int fillStyle, int frameWidth, const QString& text, double textColour,
                      double pointSize) {
  if (framed) {
    QPen pen(colourOf(frameColour));
    pen.setWidth(setup_.targetKind * frameWidth);
    painter_.setPen(pen);
    painter_.setBrush(QBrush(colourOf(fillColour), brushStyleOf(fillStyle)));
    painter_.drawRect(box);
  }
  painter_.setFont(fontOf(family_, pointSize));
  painter_.setPen(colourOf(textColour));
  painter_.drawText(box, Qt::AlignCenter | Qt::TextDontClip, text);
}

void PrintPage::ラベル文字(int x, int y, double frameColour, double fillColour, int fillStyle,
                           int frameWidth, const QString& text, double textColour, int size,
                           int mode) {
  if (mode >= 2) return;
  const double pointSize = labelSize(size, false);
  const QFontMetricsF metrics(fontOf(family_, pointSize), painter_.device());
  const QString a = QStringLiteral("あ");
  const QPointF at = toTarget(setup_, x, y);
  if (mode == 1) {
    const QSizeF box((text.size() + 1) * metrics.horizontalAdvance(a), 1.5 * metrics.height());
    label(QRectF(at, box), true, frameColour, fillColour, fillStyle, frameWidth, text, textColour,
          pointSize);
  } else {
    label(QRectF(at, QSizeF(0, 0)), false, 0, 0, 1, 0, text, textColour, pointSize);
  }
}

void PrintPage::ラベル文字2(int x1, int y1, int x2, int y2, double frameColour, double fillColour,
                            int fillStyle, int frameWidth, const QString& text, double textColour,
                            int size, int mode) {
  if (mode >= 2) return;
  label(QRectF(toTarget(setup_, x1, y1), toTarget(setup_, x2, y2)).normalized(), mode == 1,
        frameColour, fillColour, fillStyle, frameWidth, text, textColour, labelSize(size, true));
}

void PrintPage::ラベル文字3(int x1, int y1, int x2, int y2, double frameColour, double fillColour,
                            int fillStyle, int frameWidth, const QString& text, double textColour,
                            int& size, int mode) {
  const QRectF box = QRectF(toTarget(setup_, x1, y1), toTarget(setup_, x2, y2)).normalized();
  const double share = setup_.toPrinter ? 0.95 * kPrinterFactor : 0.9;
  const auto metrics = [&] {
    return QFontMetricsF(fontOf(family_, labelSize(size, true)), painter_.device());
  };
  const QString a = QStringLiteral("あ");
  while (size > 1 && text.size() * metrics().horizontalAdvance(a) >= share * box.width()) {
    --size;
  }
  while (size > 1 && metrics().height() >= share * box.height()) --size;
  ラベル文字2(x1, y1, x2, y2, frameColour, fillColour, fillStyle, frameWidth, text, textColour,
              size, mode);
}

}  // namespace tavelo::printing
