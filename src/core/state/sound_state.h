#pragma once

#include <QString>

#include <array>

namespace tavelo {

inline constexpr int kSoundKinds = 10;
inline constexpr int kSoundStemsPerKind = 20;

// The sound table: for each kind 1..10 its name, up to 20 file stems and their count.
struct SoundState {
  std::array<QString, kSoundKinds + 1> soundKindNames{};
  std::array<std::array<QString, kSoundStemsPerKind + 1>, kSoundKinds + 1> soundStems{};
  std::array<int, kSoundKinds + 1> soundStemCount{};
  QString soundCommand;  // the last file played
  QString soundResult;   // "0" or the failure description of the last play
  qint16 soundFailures = 0;
};

}  // namespace tavelo
