// The SDL2 output: one device at kAudioRate, 16-bit stereo, whose callback runs the mixer under
// the audio lock. SDL converts to whatever the sound server really uses.
#include <SDL.h>

#include "host/audio_backend.h"
#include "host/audio_mixer.h"

namespace host::audio {
namespace {

constexpr Uint16 kCallbackFrames = 1024;  // about 23 ms at 44100 Hz

SDL_AudioDeviceID device = 0;

// Runs on SDL's audio thread: reads voice records and writes finished flags, nothing else.
void SDLCALL FillStream(void*, Uint8* stream, int bytes) {
  std::lock_guard<std::mutex> guard(AudioLock());
  Mix(reinterpret_cast<int16_t*>(stream), static_cast<uint32_t>(bytes) / (2 * sizeof(int16_t)));
}

}  // namespace

bool OpenSdlDevice(std::string* error) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    if (error) *error = SDL_GetError();
    return false;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = static_cast<int>(kAudioRate);
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = kCallbackFrames;
  wanted.callback = FillStream;
  SDL_AudioSpec obtained{};
  device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device == 0) {
    if (error) *error = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_PauseAudioDevice(device, 0);
  return true;
}

// Must not hold the audio lock: closing waits for a callback that may be waiting for it.
void CloseSdlDevice() {
  SDL_CloseAudioDevice(device);
  device = 0;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace host::audio
