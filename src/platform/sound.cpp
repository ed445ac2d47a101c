#include "platform/sound.h"

#include <SDL.h>

#include <QFile>

namespace tavelo::platform {

namespace {

QString sdlError() {
  return QString::fromUtf8(SDL_GetError());
}

}  // namespace

SdlSoundPlayer::SdlSoundPlayer() {
  initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlSoundPlayer::~SdlSoundPlayer() {
  if (initialised_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

Status SdlSoundPlayer::playToEnd(const QString& wavPath) {
  if (!initialised_) {
    return Error{QStringLiteral("音声装置を初期化できません: ") + sdlError()};
  }
  if (!QFile::exists(wavPath)) {
    return Error{QStringLiteral("ファイルがありません: ") + wavPath};
  }
  SDL_AudioSpec spec{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(QFile::encodeName(wavPath).constData(), &spec, &buffer, &length) == nullptr) {
    return Error{QStringLiteral("音声ファイルを読めません: ") + sdlError()};
  }
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
  if (device == 0) {
    SDL_FreeWAV(buffer);
    return Error{QStringLiteral("音声装置を開けません: ") + sdlError()};
  }
  Status status;
  if (SDL_QueueAudio(device, buffer, length) != 0) {
    status = Error{QStringLiteral("音声を再生できません: ") + sdlError()};
  } else {
    SDL_PauseAudioDevice(device, 0);
    // Play to the end: wait until the device has taken every queued byte, then let the
    // last buffer drain.
    const int bytesPerSecond = spec.freq * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8);
    const Uint32 limitMs =
        bytesPerSecond > 0 ? length * 1000U / static_cast<Uint32>(bytesPerSecond) + 2000U : 2000U;
    const Uint32 started = SDL_GetTicks();
    while (SDL_GetQueuedAudioSize(device) > 0 && SDL_GetTicks() - started < limitMs) {
      SDL_Delay(5);
    }
    SDL_Delay(spec.samples > 0 && spec.freq > 0 ? 1000U * spec.samples / spec.freq + 10U : 50U);
  }
  SDL_CloseAudioDevice(device);
  SDL_FreeWAV(buffer);
  return status;
}

}  // namespace tavelo::platform
