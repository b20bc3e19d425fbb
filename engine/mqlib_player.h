// MQLibPlayer: the animation player, also the sound manager's runnable. A player steps one
// animation of its sprite by the frame time, counting its repeats, and paints the current
// animation-frame at its place. An animation the sprite lacks (or no sprite) paints nothing
// and ends at the next update unless it loops for ever. The sound manager is all static:
// numbered sound slots, and channels that each own at most one media Player and a ring of
// queued commands, which one update step runs in order.
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
  // The sound thread's body (engine/sound_manager.cpp): an update step every 40 ms while
  // soundThreadRunning is set.
  void run() override;

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

  // ---- Sound manager: engine/sound_manager.cpp ----
  // Every operation holds the class's monitor, so the main thread's stop-all and the game
  // thread's frees never interleave; the audio thread never takes it. All of them do nothing
  // (readers give 0 or -1) before soundInit, and for a channel outside 0 .. channels - 1.

  // Channel states.
  static constexpr int32_t kChannelFree = 0;
  static constexpr int32_t kChannelReady = 1;  // prepared or stopped
  static constexpr int32_t kChannelPlaying = 2;
  static constexpr int32_t kChannelPaused = 3;
  // Command types; a cancelled command keeps its place in the ring until it is popped.
  static constexpr int32_t kCommandCancelled = 0;
  static constexpr int32_t kCommandPrepare = 1;
  static constexpr int32_t kCommandFreeChannel = 2;
  static constexpr int32_t kCommandStart = 3;
  static constexpr int32_t kCommandStop = 4;
  static constexpr int32_t kCommandPause = 5;
  static constexpr int32_t kCommandResume = 6;
  // A command's fields: type, slot, priority (lower numbers win), parameter, loop count (0
  // endless). Commands that carry only a type have -1 in the others.
  static constexpr int32_t kFieldType = 0;
  static constexpr int32_t kFieldSlot = 1;
  static constexpr int32_t kFieldPriority = 2;
  static constexpr int32_t kFieldParam = 3;
  static constexpr int32_t kFieldLoops = 4;
  static constexpr int32_t kCommandFields = 5;
  static constexpr int32_t kRingCommands = 7;

  // Every table for `slots` slots and soundChannelCount channels: channel slots -1, rings
  // empty, volume 100, enabled.
  static void soundInit(int32_t slots);
  // soundVolume = v; no Player is changed.
  static void soundSetVolume(int32_t v);
  // Queues a command on channel ch after cancelling the queued commands of its type (a queued
  // prepare or start of a lower priority number stays). A full ring first drops its cancelled
  // commands; with seven live ones the command is refused (traced). A prepare or start of a
  // slot outside 0 .. soundSlotCount - 1 is refused (traced).
  static void soundQueuePush(int32_t ch, int32_t type, int32_t slot, int32_t priority,
                             int32_t param, int32_t loops);
  static void soundQueuePushType(int32_t ch, int32_t type);
  static void soundQueuePushStop(int32_t ch);
  // Field f of the channel's oldest command; 0 when the channel or f is outside its range.
  static int32_t soundQueueField(int32_t ch, int32_t f);
  // Forgets the channel's oldest command.
  static void soundQueuePop(int32_t ch);
  // The index in soundRing of place k of channel ch's ring (k taken modulo 7).
  static int32_t soundRingIndex(int32_t ch, int32_t k);
  // x modulo 7, never negative.
  static int32_t soundMod7(int32_t x);
  // The channel's slot; -1 before soundInit.
  static int32_t soundChannelValue(int32_t ch);
  // True when the channel's Player reports 400 (started).
  static bool soundIsPlaying(int32_t ch);
  // Forgets the slot's bytes, closes its kept Player, and frees every channel holding the slot
  // (its Player stopped and closed); then a collection. A slot outside the table is traced.
  static void soundFree(int32_t slot);
  // One update step: each channel's queued commands run oldest first; a handler's Exception
  // is caught and its command popped like any other.
  static void soundUpdate();
  static void soundUpdateAll();
  // A stop queued on every channel, then one update step.
  static void soundStopAll();
  static void soundStopAllSafe();

  // ---- Command handlers: engine/sound_commands.cpp ----
  // Each works on the channel's oldest command; the update step pops it afterwards.
  static void soundRealize(int32_t ch);
  static void soundFreeChannel(int32_t ch);
  static void soundStart(int32_t ch);
  static void soundStop(int32_t ch);
  static void soundPause(int32_t ch);
  static void soundResume(int32_t ch);

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
