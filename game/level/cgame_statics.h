// The static fields of cGame that belong to the levels: level data, rules, events, the popup and
// the HUD, as one declaration list for the static block (runtime/static_fields.h says how an entry
// is written), and the types that this folder's cGame members and statics name (game/cgame.h
// includes it before the class).
#pragma once

#include <cstdint>

class IntArray;
class MQLibPlayer;

// The one modal popup (game/level/popup.cpp): popupOpen while it is up; its kind 0..7, anchor
// y and measured text height in pixels, its font (a slot of the sprite table), and the answer
// of the yes/no kind (popupChoice 1 = the first button, popupAnswered once it is given).
// The event queue (game/level/event_queue.cpp): eventQueue is int[40], its first eventCount
// entries live in posting order.
// currentWorld, currentLevel: the level being played; levelType: its type from the header.
// levelVariant, levelRestart, levelRestartLight: the loader's level choices.
// triggerEvent .. triggerOrder: the level's 50 trigger rules as parallel int arrays;
// variantOrder: the order in which the level's variant is chosen.
// popupPlayer: the popup's animation player, on sprite slot 32 (game/shell/transitions.cpp
// gives it its sprite again when the popup closes).
#define PLIMORA_STATICS_cGame_level(REF, VALUE) \
  VALUE(cGame, bool, popupOpen)                 \
  VALUE(cGame, int32_t, popupKind)              \
  VALUE(cGame, int32_t, popupY)                 \
  VALUE(cGame, int32_t, popupTextHeight)        \
  VALUE(cGame, int32_t, popupFont)              \
  VALUE(cGame, int32_t, popupChoice)            \
  VALUE(cGame, bool, popupAnswered)             \
  REF(cGame, IntArray, eventQueue)              \
  VALUE(cGame, int32_t, eventCount)             \
  VALUE(cGame, int32_t, currentWorld)           \
  VALUE(cGame, int32_t, currentLevel)           \
  VALUE(cGame, int32_t, levelType)              \
  VALUE(cGame, int32_t, levelVariant)           \
  VALUE(cGame, bool, levelRestart)              \
  VALUE(cGame, bool, levelRestartLight)         \
  REF(cGame, IntArray, triggerEvent)            \
  REF(cGame, IntArray, triggerFlags)            \
  REF(cGame, IntArray, triggerMustSet)          \
  REF(cGame, IntArray, triggerMustClear)        \
  REF(cGame, IntArray, triggerMustRise)         \
  REF(cGame, IntArray, triggerMustFall)         \
  REF(cGame, IntArray, triggerOrder)            \
  REF(cGame, IntArray, variantOrder)            \
  REF(cGame, MQLibPlayer, popupPlayer)
