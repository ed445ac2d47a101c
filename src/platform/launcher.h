#pragma once

#include "platform/result.h"

#include <QString>
#include <QStringList>

namespace tavelo::platform {

// Starts another program with arguments, without a shell, and does not wait for it.
class Launcher {
 public:
  virtual ~Launcher() = default;
  virtual Status start(const QString& program, const QStringList& arguments) = 0;
};

class ProcessLauncher final : public Launcher {
 public:
  Status start(const QString& program, const QStringList& arguments) override;
};

}  // namespace tavelo::platform
