#pragma once

#include "platform/result.h"

#include <QString>

namespace tavelo::platform {

// Plays a WAV file to its end before returning; failures come back with a description.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual Status playToEnd(const QString& wavPath) = 0;
};

class SdlSoundPlayer final : public SoundPlayer {
 public:
  SdlSoundPlayer();
  ~SdlSoundPlayer() override;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;
  Status playToEnd(const QString& wavPath) override;

 private:
  bool initialised_ = false;
};

}  // namespace tavelo::platform
