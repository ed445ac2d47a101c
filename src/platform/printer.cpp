#include "platform/printer.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace tavelo::platform {

PagedPrinter::PagedPrinter() = default;

PagedPrinter::~PagedPrinter() {
  if (painter_) abandon();
}

Result<QPainter*> PagedPrinter::startPainting(std::unique_ptr<QPagedPaintDevice> device) {
  if (painter_) abandon();
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(device.get())) {
    return Error{QStringLiteral("印刷を始められませんでした。")};
  }
  device_ = std::move(device);
  painter_ = std::move(painter);
  return painter_.get();
}

Status PagedPrinter::newPage() {
  if (!device_ || !device_->newPage()) {
    return Error{QStringLiteral("次のページを始められませんでした。")};
  }
  return std::nullopt;
}

Status PagedPrinter::end() {
  if (!painter_) return Error{QStringLiteral("印刷は始まっていません。")};
  const bool ended = painter_->end();
  auto* printer = dynamic_cast<QPrinter*>(device_.get());
  const bool failed = !ended || (printer && printer->printerState() == QPrinter::Error);
  painter_.reset();
  device_.reset();
  if (failed) return Error{QStringLiteral("印刷できませんでした。")};
  return std::nullopt;
}

void PagedPrinter::abandon() {
  if (!painter_) return;
  if (auto* printer = dynamic_cast<QPrinter*>(device_.get())) printer->abort();
  painter_->end();
  painter_.reset();
  dropped(*device_);
  device_.reset();
}

void PagedPrinter::dropped(QPagedPaintDevice&) {}

Result<QPainter*> DialogPrinter::begin(QWidget* parent, const QString& title,
                                       PageOrientation orientation) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(kPrintDpi);
  printer->setDocName(title);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                       : QPageLayout::Landscape);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return static_cast<QPainter*>(nullptr);
  if (!printer->isValid()) return Error{QStringLiteral("使えるプリンタがありません。")};
  return startPainting(std::move(printer));
}

void DialogPrinter::dropped(QPagedPaintDevice& device) {
  // An abandoned job that went to a file leaves no half-written file behind.
  const auto& printer = static_cast<QPrinter&>(device);
  if (!printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
}

}  // namespace tavelo::platform
