// What the sound manager's files share: its lock, the checks of channel and slot numbers, and
// the Players of its tables. Once soundInit has run every table exists, and each channel table
// is as long as the channel count, so an index checked here is good for all of them.
#pragma once

#include <cstdint>

#include "game/game_statics.h"
#include "javame/media.h"
#include "runtime/array.h"

namespace sound_channels {

// MQLibPlayer's class record, whose monitor every manager operation holds.
Object* Lock();

// True when the manager is set up and ch is one of its channels. A bad channel of a set-up
// manager writes one trace line naming the operation.
bool IsChannel(GameStatics* s, int32_t ch, const char* operation);
// True when slot is one of the manager's slots (no trace).
bool IsSlot(GameStatics* s, int32_t slot);

// Word i of a table whose index has been checked.
inline int32_t& Word(IntArray* table, int32_t i) {
  return table->elements()[i];
}

// The Player interface of element i of players, null when there is none.
javax_microedition_media_Player* PlayerAt(ObjectArray* players, int32_t i);

// The manager's catch (Exception e) {}: clears a pending java_lang_Exception and returns true;
// any other throwable stays pending (and false).
bool CatchException();

}  // namespace sound_channels
