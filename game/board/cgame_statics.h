// The static fields of cGame that belong to the bubble board: bubbles, the grid, the shooter, the
// bunches and the actors, as one declaration list for the static block (runtime/static_fields.h
// says how an entry is written), and the types that this folder's cGame members and statics name
// (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ASprite;
class Bubble;
class ByteArray;
class IntArray;
class ObjectArray;
class ShortArray;
class cActor;
class cGame_CBubbleBunch;

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
#define PLIMORA_STATICS_cGame_board_area(REF, VALUE) \
  VALUE(cGame, int32_t, playMarginLeft)              \
  VALUE(cGame, int32_t, playMarginRight)             \
  VALUE(cGame, int32_t, playLeftPx)                  \
  VALUE(cGame, int32_t, playRightMarginPx)           \
  VALUE(cGame, int32_t, playLeft)                    \
  VALUE(cGame, int32_t, playRight)                   \
  REF(cGame, cActor, trackedActor)                   \
  PLIMORA_STATICS_cGame_board_bunches(REF, VALUE)

// The bunch table (game/board/bunch_table.cpp): bunches, cGame_CBubbleBunch[10];
// bunchBubbleTotal, the bubbles in all bunches; bunchClearedAnchors, cActor[10], per slot the
// anchor of a type-0 bunch while its end animation plays; bunchScratch, int[3], cleared with
// the table; bunchSprite, the rope and handle sprite (slot 23); hitBunch, hitHandle, the
// handle the last hit test found (-1 the main handle); floodSerial, the next flood order.
// bubbleSprite, wallHitSprite, changeSprite: slots 25, 38 and 39, kept by the board's start.
// Placement (game/board/bunch_placement.cpp): boardChanged, set by every attach. The bunch
// templates, which the level reader fills: bunchTemplateCount of them; bunchTemplateSize,
// int[7], the cells of each; bunchTemplateCol, bunchTemplateRow, bunchTemplateKind,
// byte[7][20], each cell's place and kind; bunchTemplateFlags, int[7][20], its flags.
#define PLIMORA_STATICS_cGame_board_bunches(REF, VALUE) \
  REF(cGame, ObjectArray, bunches)                      \
  VALUE(cGame, int32_t, bunchBubbleTotal)               \
  REF(cGame, ObjectArray, bunchClearedAnchors)          \
  REF(cGame, IntArray, bunchScratch)                    \
  REF(cGame, ASprite, bunchSprite)                      \
  VALUE(cGame, int32_t, hitBunch)                       \
  VALUE(cGame, int32_t, hitHandle)                      \
  VALUE(cGame, int32_t, floodSerial)                    \
  REF(cGame, ASprite, bubbleSprite)                     \
  REF(cGame, ASprite, wallHitSprite)                    \
  REF(cGame, ASprite, changeSprite)                     \
  VALUE(cGame, int8_t, boardChanged)                    \
  VALUE(cGame, int32_t, bunchTemplateCount)             \
  REF(cGame, IntArray, bunchTemplateSize)               \
  REF(cGame, ObjectArray, bunchTemplateCol)             \
  REF(cGame, ObjectArray, bunchTemplateRow)             \
  REF(cGame, ObjectArray, bunchTemplateKind)            \
  REF(cGame, ObjectArray, bunchTemplateFlags)           \
  PLIMORA_STATICS_cGame_board_landing(REF, VALUE)

// A shot's landing and what follows it (game/board/landing.cpp, bunch_hits.cpp):
// shotHasLanded, set by every landing; landedShotCount, the shots that landed; landX, landY,
// where the last one landed (px); settleTimer, ms of calm after a landing before the danger
// line counts; popsPending, something started to pop since the last landing; popStreak,
// missStreak, landings in a row that did / did not start a pop; wallBounced, the shot
// bounced off a wall; currentObjective, the lesson step 0..2 (its objectives met are the
// world's objectiveFlags). The level's tallies: matchCount, bigMatchCount (matches of five or
// more), bestMatchSize, burstCount (bursts and freed attachments that scored), handleHitCount
// (handle hits of an accepted colour). rowParityShift: the row parity of a type-12 bunch's
// edge columns.
#define PLIMORA_STATICS_cGame_board_landing(REF, VALUE) \
  VALUE(cGame, int8_t, shotHasLanded)                   \
  VALUE(cGame, int32_t, landedShotCount)                \
  VALUE(cGame, int32_t, landX)                          \
  VALUE(cGame, int32_t, landY)                          \
  VALUE(cGame, int32_t, settleTimer)                    \
  VALUE(cGame, int8_t, popsPending)                     \
  VALUE(cGame, int32_t, popStreak)                      \
  VALUE(cGame, int32_t, missStreak)                     \
  VALUE(cGame, int8_t, wallBounced)                     \
  VALUE(cGame, int32_t, currentObjective)               \
  VALUE(cGame, int32_t, matchCount)                     \
  VALUE(cGame, int32_t, bigMatchCount)                  \
  VALUE(cGame, int32_t, bestMatchSize)                  \
  VALUE(cGame, int32_t, burstCount)                     \
  VALUE(cGame, int32_t, handleHitCount)                 \
  VALUE(cGame, int8_t, rowParityShift)                  \
  PLIMORA_STATICS_cGame_board_flight(REF, VALUE)

// The shot's flight and the bubble update (game/board/shot_flight.cpp): shotColour, the flying
// shot's colour, copied every frame; shotSide, 3 or 0 by the shot's vx once it went below
// bandTop (the carriers read it); wallBounceCount, shots that bounced, each counted at its
// first bounce; lastPopX, lastPopY, the pixel place of the last bubble that popped (free
// flyers excepted); bombPopCount, bombs of kinds 7, 8 and 9 that went off. Read here and set
// by others: bandTop, the play bands' top row in pixels (the launcher's shotSpeed and the
// bubble update's bubblesMoved and bubbleUpdateStart are the world's).
#define PLIMORA_STATICS_cGame_board_flight(REF, VALUE) \
  VALUE(cGame, int32_t, shotColour)                    \
  VALUE(cGame, int32_t, shotSide)                      \
  VALUE(cGame, int32_t, wallBounceCount)               \
  VALUE(cGame, int32_t, lastPopX)                      \
  VALUE(cGame, int32_t, lastPopY)                      \
  VALUE(cGame, int32_t, bombPopCount)                  \
  VALUE(cGame, int32_t, bandTop)
