// The static fields of MQLibPlayer, the animation player and sound manager, as one
// declaration list for the static block (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

class ObjectArray;

// animTick: milliseconds per unit of an animation frame's duration byte (40).
// soundChannelCount: the sound manager's channels (4).
// soundFormatNames: byte[] of each sound format's content-type name; cGame::getTableString
// turns an entry back into a String.
#define PLIMORA_STATICS_MQLibPlayer(REF, VALUE)  \
  VALUE(MQLibPlayer, int32_t, animTick)          \
  VALUE(MQLibPlayer, int32_t, soundChannelCount) \
  REF(MQLibPlayer, ObjectArray, soundFormatNames)
