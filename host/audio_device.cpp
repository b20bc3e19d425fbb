// The choice of output device: at most one back-end is open at a time. Opening and closing run
// on the main thread; whether a device is open is read from any thread.
#include <atomic>

#include "host/audio.h"
#include "host/audio_backend.h"

namespace host {
namespace {

enum class Open { kNone, kSdl, kNull };
std::atomic<Open> openDevice{Open::kNone};

}  // namespace

bool OpenAudioDevice(AudioBackend backend, std::string* error) {
  if (openDevice.load() != Open::kNone) {
    if (error) *error = "an audio device is already open";
    return false;
  }
  if (backend == AudioBackend::kNull) {
    audio::OpenNullDevice();
    openDevice.store(Open::kNull);
    return true;
  }
  if (!audio::OpenSdlDevice(error)) return false;
  openDevice.store(Open::kSdl);
  return true;
}

void CloseAudioDevice() {
  switch (openDevice.exchange(Open::kNone)) {
    case Open::kSdl:
      audio::CloseSdlDevice();
      break;
    case Open::kNull:
      audio::CloseNullDevice();
      break;
    case Open::kNone:
      break;
  }
}

bool AudioDeviceOpen() {
  return openDevice.load() != Open::kNone;
}

}  // namespace host
