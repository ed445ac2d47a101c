#pragma once

#include "demo/demo_installation.h"

#include <QDate>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace tavelo::bench {

// A demo installation in dir, dated today; ends the benchmark when it cannot be made.
inline demo::DemoLayout demoInstallation(const QTemporaryDir& dir, QDate today) {
  if (Status s = demo::createDemoInstallation(dir.path(), {}, today)) {
    std::fprintf(stderr, "%s\n", qPrintable(s->message));
    std::exit(1);
  }
  return demo::demoLayout(dir.path());
}

}  // namespace tavelo::bench
