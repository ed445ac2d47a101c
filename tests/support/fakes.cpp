#include "fakes.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>

namespace tavelo::testing {

Result<bool> FakeLocker::tryLock(int fd) {
  ++attempts;
  if (busyAnswers > 0) {
    --busyAnswers;
    return false;
  }
  return real_.tryLock(fd);
}

Status FakeSound::playToEnd(const QString& wavPath) {
  played.append(wavPath);
  if (failWhen(wavPath)) {
    return Error{QStringLiteral("再生できません")};
  }
  return std::nullopt;
}

Status FakeLauncher::start(const QString& program_, const QStringList& arguments_) {
  program = program_;
  arguments = arguments_;
  if (fail) {
    return Error{QStringLiteral("プログラムがありません: ") + program_};
  }
  return std::nullopt;
}

void FakeEvents::processPending() {
  QCoreApplication::processEvents();
}

void FakeEvents::waitLettingEventsRun(int ms) {
  QCoreApplication::processEvents();
  clock_.advanceMs(ms);
  waitedMs += ms;
  if (onWait) {
    onWait();
  }
}

Result<QPainter*> FakePrinter::begin(QWidget*, const QString& title,
                                     platform::PageOrientation orientation) {
  titles.append(title);
  if (cancel) return static_cast<QPainter*>(nullptr);
  if (failBegin) return Error{QStringLiteral("使えるプリンタがありません。")};
  running_ = folder.filePath(QStringLiteral("job%1.pdf").arg(titles.size()));
  auto writer = std::make_unique<QPdfWriter>(running_);
  writer->setResolution(platform::kPrintDpi);
  writer->setTitle(title);
  writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                    orientation == platform::PageOrientation::Portrait
                                        ? QPageLayout::Portrait
                                        : QPageLayout::Landscape,
                                    QMarginsF()));
  return startPainting(std::move(writer));
}

Status FakePrinter::end() {
  auto status = PagedPrinter::end();
  if (!status) lastPdf = running_;
  return status;
}

void FakePrinter::dropped(QPagedPaintDevice&) {
  QFile::remove(running_);
}

namespace {
QString runPoppler(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}
}  // namespace

int pdfPageCount(const QString& pdf) {
  const auto info = runPoppler(QStringLiteral("pdfinfo"), {pdf});
  const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfText(const QString& pdf) {
  // The PDF names each glyph of the embedded CJK font by the lowest code point that the
  // font draws with it, which for some ideographs is a radical. Compatibility normalisation
  // folds the Kangxi radicals (and full-width spaces into spaces); the radicals supplement
  // is folded to the unified ideograph drawn with the same glyph.
  QString text =
      runPoppler(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
          .normalized(QString::NormalizationForm_KC);
  static const QHash<QChar, QChar> folds = [] {
    const QRawFont font = QRawFont::fromFont(QFont(QStringLiteral("Noto Sans CJK JP")));
    QHash<quint32, QChar> ideographByGlyph;
    for (char16_t c = 0x9FFF; c >= 0x4E00; --c) {
      const auto glyphs = font.glyphIndexesForString(QString(QChar(c)));
      if (!glyphs.isEmpty() && glyphs[0] != 0) ideographByGlyph[glyphs[0]] = QChar(c);
    }
    QHash<QChar, QChar> result;
    for (char16_t c = 0x2E80; c <= 0x2EFF; ++c) {
      const auto glyphs = font.glyphIndexesForString(QString(QChar(c)));
      if (!glyphs.isEmpty() && ideographByGlyph.contains(glyphs[0])) {
        result[QChar(c)] = ideographByGlyph[glyphs[0]];
      }
    }
    return result;
  }();
  for (QChar& c : text) c = folds.value(c, c);
  return text;
}

}  // namespace tavelo::testing
