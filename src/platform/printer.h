#pragma once

#include "platform/result.h"

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QWidget;

namespace tavelo::platform {

enum class PageOrientation { Portrait, Landscape };

// A print job on A4 paper. begin() asks where the job goes and hands out the painter that
// draws on the paper (painter->device() is the page). The caller draws, calls newPage()
// between pages and ends with end() or drops the job with abandon(). One job at a time;
// the painter lives until end() or abandon().
class Printer {
 public:
  virtual ~Printer() = default;
  // The painter of a new job; nullptr when the person cancelled. An Error when no job could
  // be started (no printer, a file that cannot be written).
  virtual Result<QPainter*> begin(QWidget* parent, const QString& title,
                                  PageOrientation orientation) = 0;
  virtual Status newPage() = 0;
  // Finishes the job and hands it to the printer; an Error when the job failed.
  virtual Status end() = 0;
  // Drops the job: nothing more is sent.
  virtual void abandon() = 0;
};

// The job handling shared by every printer that paints on a QPagedPaintDevice (a QPrinter
// or a PDF writer): it owns the device and the painter of the running job.
class PagedPrinter : public Printer {
 public:
  PagedPrinter();
  ~PagedPrinter() override;
  Status newPage() override;
  Status end() override;
  void abandon() override;

 protected:
  // Starts painting on device (A4, orientation set by the caller); Error when it cannot.
  Result<QPainter*> startPainting(std::unique_ptr<QPagedPaintDevice> device);
  // Called after abandon() has ended the painter, with the job's device.
  virtual void dropped(QPagedPaintDevice& device);

 private:
  std::unique_ptr<QPagedPaintDevice> device_;
  std::unique_ptr<QPainter> painter_;
};

// Prints through the system print dialog: the CUPS printers and printing to a PDF file,
// which stays available on a machine without printers.
class DialogPrinter final : public PagedPrinter {
 public:
  Result<QPainter*> begin(QWidget* parent, const QString& title,
                          PageOrientation orientation) override;

 protected:
  void dropped(QPagedPaintDevice& device) override;
};

// The resolution every print job is laid out in.
inline constexpr int kPrintDpi = 600;

}  // namespace tavelo::platform
