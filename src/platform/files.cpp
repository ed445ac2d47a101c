#include "platform/files.h"

#include <QCoreApplication>

namespace tavelo::platform {

QString executableFolder() {
  return QCoreApplication::applicationDirPath();
}

}  // namespace tavelo::platform
