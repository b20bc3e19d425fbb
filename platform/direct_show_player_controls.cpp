// DirectShowPlayer's controls: only VolumeControl. The level, clamped to 0..100, is the
// voice's own gain (never the master volume the volume keys move); mute is gain 0.
#include <algorithm>

#include "host/media_graph.h"
#include "platform/direct_show_player.h"
#include "platform/player_controls.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

namespace {

constexpr const char* kGetVolumeError = "ERROR - Could not retrieve volume level.";
constexpr const char* kSetVolumeError = "ERROR - Could not set volume level.";

}  // namespace

Object* DirectShowPlayer::getControl(String* controlType) {
  if (!NullCheck(controlType)) return nullptr;
  return MediaNameIs(controlType, "VolumeControl") ? this : nullptr;
}

ObjectArray* DirectShowPlayer::getControls() {
  return PlayerControls(this);
}

// Departure: the level is the voice's gain and reads back as set; the device handed it to a
// hundredths-of-decibel scale and divided reads by 100, so setLevel(50) read back 0.
int32_t DirectShowPlayer::setLevel(int32_t newLevel) {
  if (state < kRealized || lacksGraph(kSetVolumeError)) return -1;
  const int32_t old = level;
  level = std::clamp(newLevel, 0, 100);
  applyLevel();
  return old;
}

int32_t DirectShowPlayer::getLevel() {
  if (state < kRealized || lacksGraph(kGetVolumeError)) return 0;
  return level;
}

void DirectShowPlayer::setMute(bool mute) {
  muted = mute ? 1 : 0;
  if (!lacksGraph(kSetVolumeError)) applyLevel();
}

bool DirectShowPlayer::isMuted() {
  return muted != 0;
}

void DirectShowPlayer::applyLevel() {
  host::SetGraphLevel(graph, muted ? 0 : level);
}
