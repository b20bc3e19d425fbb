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
class javax_microedition_lcdui_Graphics;
class String;

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
  PLIMORA_STATICS_cGame_board_landing(REF, VALUE) PLIMORA_STATICS_cGame_board_targets(REF, VALUE) \
  PLIMORA_STATICS_cGame_board_motion(REF, VALUE)

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

// The level targets the painters read (their lists are the level objects' concern): per
// target targetState (1 lit, above 1 done) and targetEmitters, its particle emitter (-1
// none); targetCount of them in use. Absent lists leave every bubble its own look.
#define PLIMORA_STATICS_cGame_board_targets(REF, VALUE) \
  REF(cGame, IntArray, targetState)                     \
  REF(cGame, IntArray, targetEmitters)                  \
  VALUE(cGame, int32_t, targetCount)

// Board colours and the boss's cell map (game/board/board_colours.cpp, boss_cell_map.cpp):
// colourCounts, int[7], the lowest bunch's bubbles per colour (the survey writes the level's
// boardColourMask beside it); chainBunch, the type-8 bunch the chain
// boss walks (-1 none); cellColourMap, int[columns][rows], the colour of each of its cells (-1
// no bubble), indexed by (col + mapOriginCol, row + mapOriginRow); mapColourMask, the colours
// in it. The cells the searches give: bossCol/Row, pathNextCol/Row, openCol/Row, aimCol/Row,
// ringCol/Row, feedCol/Row and feedSpare (cleared with them). chainHead, the boss's chain;
// nearestDirection, the side of the last nearest occupied neighbour; bossActor. The wheel
// boss's throw (game/board/boss_walk.cpp releases it): throwActor, the thrown bubble's actor;
// throwTarget, the bubble beside which it will land.
#define PLIMORA_STATICS_cGame_board_motion(REF, VALUE) \
  REF(cGame, IntArray, colourCounts)                  \
  VALUE(cGame, int32_t, chainBunch)                   \
  REF(cGame, ObjectArray, cellColourMap)              \
  VALUE(cGame, int32_t, mapOriginCol)                 \
  VALUE(cGame, int32_t, mapOriginRow)                 \
  VALUE(cGame, int32_t, mapColourMask)                \
  VALUE(cGame, int32_t, bossCol)                      \
  VALUE(cGame, int32_t, bossRow)                      \
  VALUE(cGame, int32_t, pathNextCol)                  \
  VALUE(cGame, int32_t, pathNextRow)                  \
  VALUE(cGame, int32_t, openCol)                      \
  VALUE(cGame, int32_t, openRow)                      \
  VALUE(cGame, int32_t, aimCol)                       \
  VALUE(cGame, int32_t, aimRow)                       \
  VALUE(cGame, int32_t, ringCol)                      \
  VALUE(cGame, int32_t, ringRow)                      \
  VALUE(cGame, int32_t, feedCol)                      \
  VALUE(cGame, int32_t, feedRow)                      \
  VALUE(cGame, int32_t, feedSpare)                    \
  REF(cGame, Bubble, chainHead)                       \
  VALUE(cGame, int32_t, nearestDirection)             \
  REF(cGame, cActor, bossActor)                       \
  REF(cGame, cActor, throwActor)                      \
  REF(cGame, Bubble, throwTarget)                     \
  PLIMORA_STATICS_cGame_board_profile(REF, VALUE)

// The column profile (game/board/column_profile.cpp): columnProfile, int[48], per half column
// of surfaceBunch the largest row of a bubble (-1000 none); profileCentre 24; profileFirst,
// profileLast, the usable half columns (rowParityShift, the landing's, shifts the rows by one
// half column); bossColumn, bossGround, the half column and row the boss code tests.
// The level objects (game/board/level_targets.cpp): thrownActors, thrownTargets and the five
// int lists of the thrown bubbles; the five level targets' further lists (targetCounter ..
// targetTimer, beside the painters' targetState, targetEmitters and targetCount), targetPeriod (levelParams[12]) and the goal point targetGoalX/Y; the
// three special target slots (slotActor .. slotHops); the pair lists pairFirst, pairSecond
// and pairCount; bossFlashing, hitPending, the
// boss hit's two locks; the kind-3 boss's ring centre and its weak points' radii.
#define PLIMORA_STATICS_cGame_board_profile(REF, VALUE) \
  REF(cGame, IntArray, columnProfile)                  \
  VALUE(cGame, int32_t, profileCentre)                 \
  VALUE(cGame, int32_t, profileFirst)                  \
  VALUE(cGame, int32_t, profileLast)                   \
  VALUE(cGame, int32_t, surfaceBunch)                  \
  VALUE(cGame, int32_t, bossColumn)                    \
  VALUE(cGame, int32_t, bossGround)                    \
  REF(cGame, ObjectArray, thrownActors)                \
  REF(cGame, ObjectArray, thrownTargets)               \
  REF(cGame, IntArray, thrownSide)                     \
  REF(cGame, IntArray, thrownKind)                     \
  REF(cGame, IntArray, thrownStartX)                   \
  REF(cGame, IntArray, thrownStartY)                   \
  REF(cGame, IntArray, thrownTimer)                    \
  REF(cGame, IntArray, targetCounter)                  \
  REF(cGame, ByteArray, targetFlag)                    \
  REF(cGame, ObjectArray, targetBubble)                \
  REF(cGame, IntArray, targetFrom)                     \
  REF(cGame, IntArray, targetTo)                       \
  REF(cGame, IntArray, targetTimer)                    \
  VALUE(cGame, int32_t, targetPeriod)                  \
  VALUE(cGame, int32_t, targetGoalX)                   \
  VALUE(cGame, int32_t, targetGoalY)                   \
  REF(cGame, ObjectArray, slotActor)                   \
  REF(cGame, ObjectArray, slotBubble)                  \
  REF(cGame, IntArray, slotSide)                       \
  REF(cGame, IntArray, slotKind)                       \
  REF(cGame, IntArray, slotTimer)                      \
  REF(cGame, IntArray, slotFrom)                       \
  REF(cGame, IntArray, slotHops)                       \
  REF(cGame, IntArray, pairFirst)                      \
  REF(cGame, IntArray, pairSecond)                     \
  VALUE(cGame, int32_t, pairCount)                     \
  VALUE(cGame, int8_t, bossFlashing)                   \
  VALUE(cGame, int8_t, hitPending)                     \
  VALUE(cGame, int32_t, ringCentreX)                   \
  VALUE(cGame, int32_t, ringCentreY)                   \
  REF(cGame, IntArray, weakPointRadius)                \
  PLIMORA_STATICS_cGame_board_survey(REF, VALUE)

// The board survey (game/board/board_survey.cpp), in pixels unless said (it also writes the
// world's shotInFlight and the bands' hudTimerBlink): lessonShotFired, noShotSeen; bandCount0..3, bunch bubbles whose bottom lies in each quarter
// of the bunch band; belowBandCount, those below bandBottomY (16.16, the danger line at each
// survey); bandScore; boardTopY, the topmost bunch bubble (800 none); allOnRowZero;
// pendingPopCount, bunch bubbles with a pop pending. bunchContacts (game/world/bunch_collisions.cpp):
// byte[10][10], the contact bits of each pair of bunches this frame.
#define PLIMORA_STATICS_cGame_board_survey(REF, VALUE) \
  VALUE(cGame, int8_t, lessonShotFired)               \
  VALUE(cGame, int8_t, noShotSeen)                    \
  VALUE(cGame, int32_t, bandCount0)                   \
  VALUE(cGame, int32_t, bandCount1)                   \
  VALUE(cGame, int32_t, bandCount2)                   \
  VALUE(cGame, int32_t, bandCount3)                   \
  VALUE(cGame, int32_t, belowBandCount)               \
  VALUE(cGame, int32_t, bandBottomY)                  \
  VALUE(cGame, int32_t, bandScore)                    \
  VALUE(cGame, int32_t, boardTopY)                    \
  VALUE(cGame, int8_t, allOnRowZero)                  \
  VALUE(cGame, int32_t, pendingPopCount)              \
  REF(cGame, ObjectArray, bunchContacts)
