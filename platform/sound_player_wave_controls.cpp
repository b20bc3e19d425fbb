// SoundPlayerWAVE's controls: the control look-up, volume and mute on the voice's own gain
// (never the master volume that the volume keys move), and the playback rate.
#include <algorithm>
#include <cmath>

#include "host/audio.h"
#include "platform/player_controls.h"
#include "platform/sound_player_wave.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

namespace {

// A level of 0..100 as a voice volume word with the same gain on both channels.
uint32_t VolumeWordOf(int32_t level) {
  const uint32_t channel = static_cast<uint32_t>(level) * 0xFFFF / 100;
  return channel << 16 | channel;
}

}  // namespace

Object* SoundPlayerWAVE::getControl(String* controlType) {
  if (!NullCheck(controlType)) return nullptr;
  return NamesPlayerControl(controlType) ? this : nullptr;
}

ObjectArray* SoundPlayerWAVE::getControls() {
  return PlayerControls(this);
}

// ---- VolumeControl ----

void SoundPlayerWAVE::setMute(bool mute) {
  muted = mute ? 1 : 0;
  applyLevel();
}

bool SoundPlayerWAVE::isMuted() {
  return muted != 0;
}

int32_t SoundPlayerWAVE::setLevel(int32_t newLevel) {
  const int32_t old = level;
  level = std::clamp(newLevel, 0, 100);
  applyLevel();
  return old;
}

int32_t SoundPlayerWAVE::getLevel() {
  return level;
}

void SoundPlayerWAVE::applyLevel() {
  if (volumeSupported) host::SetVoiceVolume(device, muted ? 0 : VolumeWordOf(level));
}

// ---- RateControl ----

int32_t SoundPlayerWAVE::getRate() {
  if (!device) return -1;
  const double millirate = host::GetVoicePlaybackRate(device) / 65536.0 * 100000;
  return static_cast<int32_t>(std::clamp(millirate, double{kMinRate}, double{kMaxRate}));
}

int32_t SoundPlayerWAVE::setRate(int32_t millirate) {
  if (millirate < 0 || !device) return -1;
  const double rate = std::clamp(millirate, kMinRate, kMaxRate) / 100000.0;
  const int32_t old = getRate();
  const auto fixed = static_cast<uint32_t>(std::lround(rate * 65536));
  return host::SetVoicePlaybackRate(device, fixed) ? old : -1;
}
