// The static fields of cGame that belong to the bubble board: bubbles, the grid, the shooter, the
// bunches and the actors, as one declaration list for the static block (runtime/static_fields.h
// says how an entry is written), and the types that this folder's cGame members and statics name
// (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ASprite;
class Bubble;
class ByteArray;
class ShortArray;
class cActor;

// specialKinds .. boardShorts3: the board's tables of the maths pack (entry 0, in file order:
// three short arrays, four byte arrays, one short array); specialKinds, the bubble kind of each
// special slot, is then replaced by the kinds 7 .. 28.
// launcherX: the launcher's x in pixels (the held object of level type 3 keeps it).
#define PLIMORA_STATICS_cGame_board(REF, VALUE) \
  REF(cGame, ShortArray, specialKinds)          \
  REF(cGame, ShortArray, boardShorts1)          \
  REF(cGame, ShortArray, boardShorts2)          \
  REF(cGame, ByteArray, boardBytes0)            \
  REF(cGame, ByteArray, boardBytes1)            \
  REF(cGame, ByteArray, boardBytes2)            \
  REF(cGame, ByteArray, boardBytes3)            \
  REF(cGame, ShortArray, boardShorts3)          \
  VALUE(cGame, int32_t, launcherX)              \
  PLIMORA_STATICS_cGame_board_tracked(REF, VALUE) PLIMORA_STATICS_cGame_board_standIns(REF, VALUE)

// The rising bubble a spent special bubble sets off (game/board/actor_spawn.cpp), in 8.8
// pixels: trackedX, trackedY its place; trackedSpeed its upward and trackedVelocityX its
// sideways speed, per second.
#define PLIMORA_STATICS_cGame_board_tracked(REF, VALUE) \
  VALUE(cGame, int32_t, trackedX)                       \
  VALUE(cGame, int32_t, trackedY)                       \
  VALUE(cGame, int32_t, trackedSpeed)                   \
  VALUE(cGame, int32_t, trackedVelocityX)

// Stand-ins until the bubble pool lands: playMarginLeft, the left side wall's width in pixels;
// popAnimCount, the pop animations still running; trackedActor, the rising bubble's actor;
// neighbourDx, neighbourDy, byte[6], the cell step of each direction.
#define PLIMORA_STATICS_cGame_board_standIns(REF, VALUE) \
  VALUE(cGame, int32_t, playMarginLeft)                  \
  VALUE(Bubble, int32_t, popAnimCount)                   \
  REF(cGame, cActor, trackedActor)                       \
  REF(Bubble, ByteArray, neighbourDx)                    \
  REF(Bubble, ByteArray, neighbourDy)
