// Appends records to a results file as a classroom computer would:
// append_worker <results file> <student> <count>; record k has drill time k.
#include "core/shared_state.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/launcher.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "storage/results_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Nothing in an append plays sounds, starts programs or shows messages.
class Unused final : public tavelo::platform::SoundPlayer,
                     public tavelo::platform::Launcher,
                     public tavelo::platform::Dialogs {
 public:
  tavelo::Status playToEnd(const QString&) override { return std::nullopt; }
  tavelo::Status start(const QString&, const QStringList&) override { return std::nullopt; }
  void information(QWidget*, const QString&, const QString&) override {}
  void warning(QWidget*, const QString&, const QString&) override {}
  void critical(QWidget*, const QString&, const QString&) override {}
  bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 4) return 2;
  tavelo::platform::SystemClock clock;
  tavelo::platform::MersenneRandom random;
  tavelo::platform::FcntlFileLocker locker;
  Unused unused;
  tavelo::platform::QtEventPump events(clock);
  tavelo::platform::DialogPrinter printer;  // never used
  tavelo::platform::Services services{clock,  random, locker, unused,
                                      unused, unused, events, printer};

  auto state = std::make_unique<tavelo::SharedState>();
  state->programDataFolder = QFileInfo(args[1]).absolutePath() + u'/';
  state->siteCode = QStringLiteral("54321");
  state->studentIndex = static_cast<qint16>(args[2].toInt());
  state->levelIndex = 3;
  const int count = args[3].toInt();
  for (int k = 1; k <= count; ++k) {
    state->drillTime = k;
    if (auto failure = tavelo::storage::appendResult(*state, services)) {
      QTextStream(stderr) << failure->message << '\n';
      return 1;
    }
  }
  return 0;
}
