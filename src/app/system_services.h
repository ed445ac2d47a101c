#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/file_lock.h"
#include "platform/launcher.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/sound.h"

namespace tavelo {

// The real platform services of an executable, wired into one Services record.
struct SystemServices {
  platform::SystemClock clock;
  platform::MersenneRandom random;
  platform::FcntlFileLocker locker;
  platform::SdlSoundPlayer sound;
  platform::ProcessLauncher launcher;
  platform::MessageBoxDialogs dialogs;
  platform::QtEventPump events{clock};
  platform::DialogPrinter printer;
  platform::Services services{clock, random, locker, sound, launcher, dialogs, events, printer};
};

}  // namespace tavelo
