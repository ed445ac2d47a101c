// Saves the criteria again and again as the criteria editor does, alternating two grids:
// criteria_save_worker <program data folder> <first second>. Grid A gives level 1 the
// target time 30, grid B 40; the saves are one second apart on the edit clock, starting at
// the given second of 2026-12-10. Prints one line after each save.
#include "core/shared_state.h"
#include "maintenance/criteria_save.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

std::vector<QStringList> grid(int target) {
  std::vector<QStringList> rows;
  for (int level = 1; level <= 35; ++level) {
    rows.push_back({QString::number(level == 1 ? target : 25), QStringLiteral("60"),
                    QStringLiteral("40"), QStringLiteral("5"), QStringLiteral("1.5"),
                    QStringLiteral("15"), QStringLiteral("200"), QStringLiteral("14"),
                    QStringLiteral("1"), QString(), QString(),
                    QStringLiteral("レベル%1のメモ").arg(level)});
  }
  return rows;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) return 2;
  auto state = std::make_unique<tavelo::SharedState>();
  state->programDataFolder = args[1];
  const QDateTime start(QDate(2026, 12, 10), QTime(0, 0));
  const qint64 first = args[2].toLongLong();
  for (qint64 i = 0;; ++i) {
    const tavelo::maintenance::CriteriaSave saved = tavelo::maintenance::saveCriteriaRows(
        *state, start.addSecs(first + i), grid(i % 2 == 0 ? 30 : 40));
    if (!saved.written || !saved.message.isEmpty()) {
      QTextStream(stderr) << saved.message << '\n';
      return 1;
    }
    std::printf("%lld\n", static_cast<long long>(i));
    std::fflush(stdout);
  }
}
