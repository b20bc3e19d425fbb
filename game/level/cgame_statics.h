// The static fields of cGame that belong to the levels: level data, rules, events, the popup and
// the HUD, as one declaration list for the static block (runtime/static_fields.h says how an entry
// is written), and the types that this folder's cGame members and statics name (game/cgame.h
// includes it before the class).
#pragma once

#include <cstdint>

class IntArray;
class MQLibPlayer;
class Object;
class ObjectArray;
class cActor;

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
// gives it its sprite again when the popup closes); popupEmitters: int[5], the particle
// emitters of its fireworks, -1 empty.
// The level's helpers (game/level/level_utilities.cpp): score, the points of the level;
// levelOver, levelWon: the level ended, with its goal reached; playPhase: the play state's
// phase (9 playing). stageRowsA, stageRowsB: per stage a byte[4] and a byte[6] of ascending
// bounds. levelActorA, levelActorB: the two actors the level's reset releases. heldObject,
// heldObjectX, heldObjectValue: level type 3's held object, the launcher's x and a value.
// triggerConditions, triggerRising, triggerFalling, triggerPrevious: the trigger rules' bits.
// meterActor, meterActor2: HUD meter actors, meter2Pose the second one's stored pose;
// bannerActor: the sliding banner, bannerY and bannerEndY its y and where it stops (8.8),
// bannerFromBottom its way in; hudAnimPlayers: Object[4], the HUD's animation players.
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
  REF(cGame, MQLibPlayer, popupPlayer)          \
  REF(cGame, IntArray, popupEmitters)           \
  VALUE(cGame, int32_t, score)                  \
  VALUE(cGame, bool, levelOver)                 \
  VALUE(cGame, bool, levelWon)                  \
  VALUE(cGame, int32_t, playPhase)              \
  REF(cGame, ObjectArray, stageRowsA)           \
  REF(cGame, ObjectArray, stageRowsB)           \
  REF(cGame, cActor, levelActorA)               \
  REF(cGame, cActor, levelActorB)               \
  REF(cGame, Object, heldObject)                \
  VALUE(cGame, int32_t, heldObjectX)            \
  VALUE(cGame, int32_t, heldObjectValue)        \
  VALUE(cGame, int32_t, triggerConditions)      \
  VALUE(cGame, int32_t, triggerRising)          \
  VALUE(cGame, int32_t, triggerFalling)         \
  VALUE(cGame, int32_t, triggerPrevious)        \
  REF(cGame, cActor, meterActor)                \
  REF(cGame, cActor, meterActor2)               \
  VALUE(cGame, int32_t, meter2Pose)             \
  REF(cGame, cActor, bannerActor)               \
  VALUE(cGame, int32_t, bannerY)                \
  VALUE(cGame, int32_t, bannerEndY)             \
  VALUE(cGame, bool, bannerFromBottom)          \
  REF(cGame, ObjectArray, hudAnimPlayers)
