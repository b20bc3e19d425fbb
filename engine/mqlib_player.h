// MQLibPlayer: the animation player, also the sound manager's runnable. A player steps one
// animation of its sprite by the frame time, counting its repeats, and paints the current
// animation-frame at its place. An animation the sprite lacks (or no sprite) paints nothing
// and ends at the next update unless it loops for ever.
#pragma once

#include "runtime/interfaces.h"
#include "runtime/object.h"

class ASprite;

class MQLibPlayer : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::MQLibPlayer;

  // The second form of the constructor: every field 0, then reset.
  enum class Reset { kReset };

  // ---- Animation player: engine/mqlib_player.cpp ----
  // Every field 0, the sprite registered with the collector (the class factory's form).
  MQLibPlayer();
  explicit MQLibPlayer(Reset);
  // The game's form: reset, then at (x, y) over sprite with no animation, loop counter -2.
  MQLibPlayer(ASprite* sprite, int32_t x, int32_t y);

  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this)
                                                  : nullptr;
  }
  void run() override {}

  // No sprite, no animation, finished, at (0, 0), loop counter 1, no effect.
  virtual void reset();
  // update by the last frame's frameTime.
  virtual void updateFrame();

  // A new sprite returns to no animation (frame and frame time stay), unless the player is
  // already without one and not finished.
  void setSprite(ASprite* s);
  // Plays animation a loops times (0 or less: for ever) from frame 0; a that is playing and
  // not finished goes on undisturbed.
  void setAnim(int32_t a, int32_t loops);
  // Frame f of the animation (reduced modulo its frame count; a negative f, or any f of an
  // animation without frames, kept), frame time 0; the frame set, -1 without an animation.
  int32_t setFrame(int32_t f);
  // Adds dt ms and moves on at most one animation-frame; the rest is carried.
  void update(int32_t dt);
  // Paints the current animation-frame on drawGraphics; effect 11 at the effect parameter
  // (when not -1) for this paint only.
  void render();
  bool isAnimOver();
  int32_t getAnimFrameCount();  // -1 without an animation
  int32_t getFrameDuration();   // ms: the duration byte times animTick; 0 without one

  // The class initialiser (engine/mqlib_player_static_init.cpp): the animation tick and the
  // sound channel count.
  static void staticInit();

  // ---- Sound manager: engine/sound_manager_seam.cpp ----
  // Frees sound slot `slot`: its data, its kept Player and the channels playing it.
  static void soundFree(int32_t slot);
  // Stops every sound channel. No channel can play yet, so there is nothing to stop.
  static void soundStopAll() {}

  // Fields, in the class's order.
  int32_t x;
  int32_t y;
  int32_t paintFlags;  // transform flags: 1 flip x, 2 flip y, 4 turn
  ASprite* sprite;     // the only reference field
  int32_t anim;        // -1 none
  int32_t frame;       // the animation-frame within the animation
  int32_t frameTime;   // ms spent in it
  // 0: play to the end once more; above 0: that many more repeats; below 0: for ever.
  int32_t loopCounter;
  bool finished;
  int32_t spare;
  int32_t effectParam;  // effect 11's scale in percent while painting; -1 none

 private:
  // The animation-frame count of anim, or -1 when there is no animation, no sprite, or the
  // sprite lacks it.
  int32_t playableFrames();
};
