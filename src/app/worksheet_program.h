#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace tavelo {

struct SharedState;
class Firstfrm;
class FormPrint0;

// The worksheet program: the start-up screen, then the installation (path file and
// shared configuration) and the print settings screen, whose closing ends the program.
class WorksheetProgram {
 public:
  // services must outlive the program.
  WorksheetProgram(platform::Services& services, QString executableFolder);
  ~WorksheetProgram();
  WorksheetProgram(const WorksheetProgram&) = delete;
  WorksheetProgram& operator=(const WorksheetProgram&) = delete;

  void start();
  [[nodiscard]] int failureStatus() const { return failureStatus_; }
  [[nodiscard]] SharedState& state() { return *state_; }
  // The print settings screen once the installation is resolved; nullptr before or after.
  [[nodiscard]] QWidget* printSettings() const;

 private:
  void handOver();

  platform::Services& services_;
  QString executableFolder_;
  std::unique_ptr<SharedState> state_;
  QPointer<Firstfrm> firstfrm_;
  QPointer<FormPrint0> printSettings_;
  int failureStatus_ = 0;
};

}  // namespace tavelo
