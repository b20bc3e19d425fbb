// The static fields of cGame that belong to the bubble board: bubbles, the grid, the shooter, the
// bunches and the actors, as one declaration list for the static block (runtime/static_fields.h
// says how an entry is written), and the types that this folder's cGame members and statics name
// (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ASprite;
class Bubble;
class ByteArray;
class ObjectArray;
class ShortArray;
class cActor;

// specialKinds .. boardShorts3: the board's tables of the maths pack (entry 0, in file order:
// three short arrays, four byte arrays, one short array); specialKinds, the bubble kind of each
// special slot, is then replaced by the kinds 7 .. 28. The first three byte arrays are Bubble's
// neighbourDx, neighbourDy and oppositeDirection (game/board/bubble_statics.h).
// launcherX: the launcher's x in pixels (the held object of level type 3 keeps it).
#define PLIMORA_STATICS_cGame_board(REF, VALUE) \
  REF(cGame, ShortArray, specialKinds)          \
  REF(cGame, ShortArray, boardShorts1)          \
  REF(cGame, ShortArray, boardShorts2)          \
  REF(cGame, ByteArray, boardBytes3)            \
  REF(cGame, ShortArray, boardShorts3)          \
  VALUE(cGame, int32_t, launcherX)              \
  PLIMORA_STATICS_cGame_board_tracked(REF, VALUE) PLIMORA_STATICS_cGame_board_area(REF, VALUE)

// The rising bubble a spent special bubble sets off (game/board/actor_spawn.cpp), in 8.8
// pixels: trackedX, trackedY its place; trackedSpeed its upward and trackedVelocityX its
// sideways speed, per second.
#define PLIMORA_STATICS_cGame_board_tracked(REF, VALUE) \
  VALUE(cGame, int32_t, trackedX)                       \
  VALUE(cGame, int32_t, trackedY)                       \
  VALUE(cGame, int32_t, trackedSpeed)                   \
  VALUE(cGame, int32_t, trackedVelocityX)

// The play area (game/board/bubble_geometry.cpp): playMarginLeft, playMarginRight, the side
// walls' widths in pixels; playLeftPx = playMarginLeft + 18 and playRightMarginPx =
// playMarginRight + 18 keep a bubble's rim off the walls; playLeft, playRight: the bounds of a
// bubble's centre in 16.16. trackedActor: the rising bubble's actor (game/board/actor_spawn.cpp).
// bunches: cGame_CBubbleBunch[10], the bunch table.
#define PLIMORA_STATICS_cGame_board_area(REF, VALUE) \
  VALUE(cGame, int32_t, playMarginLeft)              \
  VALUE(cGame, int32_t, playMarginRight)             \
  VALUE(cGame, int32_t, playLeftPx)                  \
  VALUE(cGame, int32_t, playRightMarginPx)           \
  VALUE(cGame, int32_t, playLeft)                    \
  VALUE(cGame, int32_t, playRight)                   \
  REF(cGame, cActor, trackedActor)                   \
  REF(cGame, ObjectArray, bunches)
