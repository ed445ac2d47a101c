#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;
class QPaintDevice;
class QPointF;

namespace tavelo::printing {

// Drawing area and font sizes on paper are this share of their nominal values.
inline constexpr double kPrinterFactor = 0.89;
// What the page layout holds: paragraphs, lines per paragraph, font size.
inline constexpr int kMaxParagraphs = 20;
inline constexpr int kMaxParagraphLines = 40;
inline constexpr int kMaxFontSize = 109;

// Where a page is drawn and how page units map onto it. Sizes are in twips.
struct PageSetup {
  bool toPrinter = false;      // print mode: false preview, true printer
  int targetKind = 1;          // 1 preview, 6 printer; multiplies line widths
  double previewScale = 0.63;  // 0.63 portrait, 0.8 landscape
  QSizeF printerPage;          // the printer page's width and height
  QSizeF recorded;             // W, H: the target's size at set-up
  QSizeF printerScaled;        // PW', PH': 1.06 and 1.05 times the printer page
  double leftMargin = 0.005;   // fractions of the page
  double topMargin = 0;
  double devicePerTwip = 1.0 / 15;  // device pixels of the target per twip
};

// A4 in twips, portrait or landscape.
QSizeF a4Twips(bool portrait);

// Sets a page up for the preview (printer null: an A4 page) or for the printer job's page.
PageSetup pageSetup(bool portrait, bool toPrinter, const QPaintDevice* printer = nullptr);

// The target's size after set-up (1.03 times the recorded size), in twips.
QSizeF targetTwips(const PageSetup& setup);

// A white preview surface of the set-up's target size, at screen resolution.
QImage previewSurface(const PageSetup& setup);

// Page units (0..10000 across and down) to device pixels of the target.
QPointF toTarget(const PageSetup& setup, double x, double y);

// The auto-fitting text cell that a layout sets before drawing text into it.
struct TextCell {
  double left = 0;         // fraction of the page width
  double top = 0;          // page units
  double wrapWidth = 1;    // fraction of the printer page width
  double heightLimit = 1;  // fraction of the page height
  bool fitCheck = true;
  int baseFontSize = 50;
  int fontSize = 0;
  bool overflow = false;
  double nextTop = 0;  // fraction of the page height just below the drawn text
};

// Breaks one paragraph into lines as it is laid out at fontSize points in a box widthTwips
// wide; an empty paragraph is one empty line.
QStringList breakLines(const QString& paragraph, const QString& family, int fontSize,
                       double widthTwips);

// The page-unit drawing operations on one target. Everything a sheet draws goes through
// these, so the preview and the paper come from the same calls. Colours are 24-bit values
// with red in the low byte.
class PrintPage {
 public:
  PrintPage(QPainter& painter, const PageSetup& setup, QString fontFamily = defaultFontFamily());
  static QString defaultFontFamily();

  [[nodiscard]] const PageSetup& setup() const { return setup_; }
  TextCell cell;
  QImage picture;  // drawn by 絵張り付け and 絵張り付け2

  void 文字表示3(const QString& text);
  void multiLineText(const QStringList& paragraphs);
  void 文字(double x, double y, const QString& text, int size);
  void 文字2(double x, double y, const QString& text, int size);
  void ライン(int x1, int y1, int x2, double y2, int width, double colour);
  void ボックス(int x1, int y1, int x2, double y2, int width, double colour);
  void 縦罫線() {}
  void 横罫線() {}
  void 円() {}
  void 絵張り付け(int x, int y, int w);
  void 絵張り付け2(int x, int y, int w, int h);
  void 四角(int x1, int y1, int x2, int y2, double lineColour, double fillColour, int fillStyle,
            int width);
  void ラベル文字(int x, int y, double frameColour, double fillColour, int fillStyle,
                  int frameWidth, const QString& text, double textColour, int size, int mode);
  void ラベル文字2(int x1, int y1, int x2, int y2, double frameColour, double fillColour,
                   int fillStyle, int frameWidth, const QString& text, double textColour, int size,
                   int mode);
  // As ラベル文字2 with the size lowered until the text fits the rectangle; size receives it.
  void ラベル文字3(int x1, int y1, int x2, int y2, double frameColour, double fillColour,
                   int fillStyle, int frameWidth, const QString& text, double textColour, int& size,
                   int mode);

 private:
  void drawLine(double pointSize, double x, double y, const QString& text, double colour);
  void outline(int x1, int y1, int x2, double y2, int width, double colour, bool box);
  [[nodiscard]] double labelSize(int size, bool inRectangle) const;
  void label(const QRectF& box, bool framed, double frameColour, double fillColour, int fillStyle,
             int frameWidth, const QString& text, double textColour, double pointSize);

  QPainter& painter_;
  PageSetup setup_;
  QString family_;
};

}  // namespace tavelo::printing
