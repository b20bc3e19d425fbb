// The media interfaces that players implement: Controllable, Player and the volume, rate and
// tempo controls. Each is a data-less abstract base whose sub-object a player's getInterface
// gives for the interface's class id; the players are in platform/*_player*.h.
#pragma once

#include <cstdint>

#include "runtime/class_ids.h"

class Object;
class ObjectArray;
class String;

class javax_microedition_media_Controllable {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_Controllable;
  // The control of that name (the player itself for the names it offers), or null.
  virtual Object* getControl(String* controlType) = 0;
  virtual ObjectArray* getControls() = 0;

 protected:
  ~javax_microedition_media_Controllable() = default;
};

// Operations in table order after getControl and getControls. Times are in microseconds.
class javax_microedition_media_Player : public javax_microedition_media_Controllable {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_Player;
  // The states a player reports; the DirectShow player also has 500 (paused), 600 (stopped).
  static constexpr int32_t kClosed = 0;
  static constexpr int32_t kUnrealized = 100;
  static constexpr int32_t kRealized = 200;
  static constexpr int32_t kPrefetched = 300;
  static constexpr int32_t kStarted = 400;

  virtual void realize() = 0;
  virtual void prefetch() = 0;
  virtual void start() = 0;
  virtual void stop() = 0;
  virtual void deallocate() = 0;
  virtual void close() = 0;
  virtual int64_t setMediaTime(int64_t now) = 0;
  virtual int64_t getMediaTime() = 0;
  virtual int32_t getState() = 0;
  virtual int64_t getDuration() = 0;
  virtual String* getContentType() = 0;
  virtual void setLoopCount(int32_t count) = 0;

 protected:
  ~javax_microedition_media_Player() = default;
};

// Levels run from 0 (silent) to 100 (full).
class javax_microedition_media_control_VolumeControl {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_control_VolumeControl;
  virtual void setMute(bool mute) = 0;
  virtual bool isMuted() = 0;
  virtual int32_t setLevel(int32_t level) = 0;
  virtual int32_t getLevel() = 0;

 protected:
  ~javax_microedition_media_control_VolumeControl() = default;
};

// Rates in thousandths of a percent: 100000 plays at the recorded speed.
class javax_microedition_media_control_RateControl {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_control_RateControl;
  virtual int32_t setRate(int32_t millirate) = 0;
  virtual int32_t getRate() = 0;
  virtual int32_t getMaxRate() = 0;
  virtual int32_t getMinRate() = 0;

 protected:
  ~javax_microedition_media_control_RateControl() = default;
};

// A rate control by another name: the sampled-sound players offer their playback rate under
// both names and have no tempo of their own.
class javax_microedition_media_control_TempoControl
    : public javax_microedition_media_control_RateControl {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_control_TempoControl;

 protected:
  ~javax_microedition_media_control_TempoControl() = default;
};

// The Player interface of a player object, or null (no trace) for null or a non-player.
javax_microedition_media_Player* AsPlayer(Object* object);
