#include "platform/launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace tavelo::platform {

Status ProcessLauncher::start(const QString& program, const QStringList& arguments) {
  const QFileInfo info(program);
  if (!info.exists()) {
    return Error{QStringLiteral("プログラムがありません: ") + program};
  }
  if (!info.isExecutable()) {
    return Error{QStringLiteral("プログラムを実行できません: ") + program};
  }
  if (!QProcess::startDetached(program, arguments, info.absolutePath())) {
    return Error{QStringLiteral("プログラムを起動できません: ") + program};
  }
  return std::nullopt;
}

}  // namespace tavelo::platform
