// The static fields of MQLibPlayer, the animation player and sound manager, as one
// declaration list for the static block (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

class IntArray;
class ObjectArray;

// animTick: milliseconds per unit of an animation frame's duration byte (40).
// soundChannelCount: the sound manager's channels (4).
// soundFormatNames: byte[] of each sound format's content-type name; cGame::getTableString
// turns an entry back into a String.
// The sound manager (engine/sound_manager.cpp), all set up by soundInit: soundEnabled gates
// every operation; soundVolume 0..100; per slot (soundSlotCount of them) its sound file's
// bytes, its format (an index into soundFormatNames) and a Player kept for it; per channel
// its Player, slot (-1 none), priority, state (0 free, 1 ready, 2 playing, 3 paused), and the
// parameter and loop count of the start that set it playing; soundRing holds seven commands of
// five ints a channel, soundRingHead the oldest one's place 0..6 and soundRingCount how many
// are queued. soundThreadRunning keeps the sound thread's loop going; nothing sets it.
#define PLIMORA_STATICS_MQLibPlayer(REF, VALUE)     \
  VALUE(MQLibPlayer, int32_t, animTick)             \
  VALUE(MQLibPlayer, int32_t, soundChannelCount)    \
  REF(MQLibPlayer, ObjectArray, soundFormatNames)   \
  VALUE(MQLibPlayer, bool, soundEnabled)            \
  VALUE(MQLibPlayer, int32_t, soundVolume)          \
  VALUE(MQLibPlayer, int32_t, soundSlotCount)       \
  REF(MQLibPlayer, ObjectArray, soundSlotData)      \
  REF(MQLibPlayer, IntArray, soundSlotType)         \
  REF(MQLibPlayer, ObjectArray, soundSlotPlayer)    \
  REF(MQLibPlayer, ObjectArray, soundChannelPlayer) \
  REF(MQLibPlayer, IntArray, soundChannelSlot)      \
  REF(MQLibPlayer, IntArray, soundChannelPriority)  \
  REF(MQLibPlayer, IntArray, soundChannelState)     \
  REF(MQLibPlayer, IntArray, soundChannelParam)     \
  REF(MQLibPlayer, IntArray, soundChannelLoops)     \
  REF(MQLibPlayer, IntArray, soundRing)             \
  REF(MQLibPlayer, IntArray, soundRingHead)         \
  REF(MQLibPlayer, IntArray, soundRingCount)        \
  VALUE(MQLibPlayer, bool, soundThreadRunning)
