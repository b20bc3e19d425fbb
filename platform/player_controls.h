// What the players share about names and controls: content types and control names compare
// whole with A-Z taken as a-z, and a player is its own control object.
#pragma once

#include <cstring>

#include "runtime/array.h"
#include "runtime/string.h"

// True when name is exactly text, letter case aside (equalsIgnoreCaseChars alone also takes
// a prefix of text).
inline bool MediaNameIs(String* name, const char* text) {
  return name->length() == static_cast<int32_t>(std::strlen(text)) &&
         name->equalsIgnoreCaseChars(text);
}

// The control names a player answers with itself.
inline bool NamesPlayerControl(String* name) {
  return MediaNameIs(name, "VolumeControl") || MediaNameIs(name, "RateControl") ||
         MediaNameIs(name, "TempoControl");
}

// A player's getControls: a one-element array holding the player; null when memory runs out.
inline ObjectArray* PlayerControls(Object* player) {
  ObjectArray* controls = NewObjectArray(cid::javax_microedition_media_Control, 1);
  if (controls && controls->length == 1) controls->elements()[0] = player;
  return controls;
}
