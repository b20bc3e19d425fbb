// DummyPlayer: the silent player made for sounds the platform cannot play. It walks through
// the player states as told and plays nothing; times are unknown (-1).
#pragma once

#include <cstdint>

#include "javame/media.h"
#include "runtime/object.h"

class DummyPlayer : public Object,
                    public javax_microedition_media_Player,
                    public javax_microedition_media_control_VolumeControl {
 public:
  // The device made it with class id 0 in its header; it has no reference fields.
  static constexpr int16_t kClassId = cid::Object;

  DummyPlayer() {
    state = kUnrealized;
    level = 100;
  }

  void finalize() override { close(); }
  // Player, Controllable and VolumeControl.
  void* getInterface(int32_t interfaceId) override;

  // The player itself for "VolumeControl", "RateControl" and "TempoControl" (case ignored).
  Object* getControl(String* controlType) override;
  ObjectArray* getControls() override;  // {the player}

  // Each sets its state whatever the state was: 200, 300, 400, 300, 200, 0.
  void realize() override { state = kRealized; }
  void prefetch() override { state = kPrefetched; }
  void start() override { state = kStarted; }
  void stop() override { state = kPrefetched; }
  void deallocate() override { state = kRealized; }
  void close() override { state = kClosed; }
  int64_t setMediaTime(int64_t) override { return -1; }
  int64_t getMediaTime() override { return -1; }
  int32_t getState() override { return state; }
  int64_t getDuration() override { return -1; }
  String* getContentType() override;  // "audio/dummy"
  void setLoopCount(int32_t) override {}

  // The level and mute are kept and affect nothing.
  void setMute(bool mute) override { muted = mute ? 1 : 0; }
  bool isMuted() override { return muted != 0; }
  int32_t setLevel(int32_t newLevel) override;  // clamps to 0..100; returns the old level
  int32_t getLevel() override { return level; }

  int32_t state;
  int32_t level;
  uint8_t muted;
};
