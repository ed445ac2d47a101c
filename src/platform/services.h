#pragma once

namespace tavelo::platform {

class Clock;
class Random;
class FileLocker;
class SoundPlayer;
class Launcher;
class Dialogs;
class EventPump;
class Printer;

// The platform services a screen or routine may use, injected from the application
// (real implementations) or from a test (fakes).
struct Services {
  Clock& clock;
  Random& random;
  FileLocker& locker;
  SoundPlayer& sound;
  Launcher& launcher;
  Dialogs& dialogs;
  EventPump& events;
  Printer& printer;
};

}  // namespace tavelo::platform
