// The static fields of cGame that belong to the levels: level data, rules, events, the popup and
// the HUD, as one declaration list for the static block (runtime/static_fields.h says how an entry
// is written), and the types that this folder's cGame members and statics name (game/cgame.h
// includes it before the class).
#pragma once

#include <cstdint>

class ByteArray;
class CharArray;
class IntArray;
class ShortArray;
class MQLibPlayer;
class String;
class Object;
class ObjectArray;
class cActor;
class ShortArray;
class String;

// The one modal popup (game/level/popup.cpp): popupOpen while it is up; its kind 0..7, anchor
// y and measured text height in pixels, its font (a slot of the sprite table), and the answer
// of the yes/no kind (popupChoice 1 = the first button, popupAnswered once it is given; a
// dialogue's 4 when read, 3 when skipped). popupTextId, popupText: the message and its text;
// popupWrapped: the text with a line feed at each break of the box's width.
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
// The level and its header (game/level/level_data.cpp, game/level/level_header.cpp):
// levelData: the bytes of the loaded level; levelBodyStart: the offset just after its header.
// levelPack, levelEntry (ours): the pack index and entry levelData came from, for trace lines.
// currentStage, stageCount: the stage being built (0) and the level's stage count (1 until the
//   level build counts them).
// levelType (above) 0..8; levelFlags (bit 0: colours start masked); levelActorSet: the
//   level's actor set, used in place of a computed one outside type 2.
// levelValueAt4 .. levelValueAt16: header values kept by their offset; levelFlagAt14 a kept flag.
// shotSequenceRepeats: -1 forever, n > 0 restarts, 0 once. levelCountdown: the HUD clock
//   counts down from levelParams[3].
// levelUnlockItem: the level's item id, -1 none.
// fastTime: ms below which a won level gets result 2; slowTimeSpan: ms added to it for result 1;
//   timeBonus: the points of result 2.
// specialChance, specialBaseChance, specialChanceStep: percent. specialWeights and
//   specialWeightsBase: byte[22], the weights of special kinds 7..28.
// levelParams: int[13]; anchorPalette: levelParams[6], the kind a bunch handle takes.
// introCount, introTexts, introSpeakers, introValue0 (int[6]), introValue1..3 (byte[6]): the
//   intro list (alias dialogueCount, dialogueTexts, dialogueSpeakers); a text n shows text
//   480 + n, a speaker s > 0 the portrait of speaker s - 1.
// levelTailValue0..4: the five values after the intro list, kept.
// wonCount, wonTexts, wonValues (short[6]), wonValue0..2 (byte[6]): the list after a won level.
// lostCount, lostTexts, lostSpeakers (short[6]), lostValue0..2 (byte[6]): after a lost one.
#define PLIMORA_STATICS_cGame_level(REF, VALUE) \
  VALUE(cGame, bool, popupOpen)                 \
  VALUE(cGame, int32_t, popupKind)              \
  VALUE(cGame, int32_t, popupY)                 \
  VALUE(cGame, int32_t, popupTextHeight)        \
  VALUE(cGame, int32_t, popupFont)              \
  VALUE(cGame, int32_t, popupChoice)            \
  VALUE(cGame, bool, popupAnswered)             \
  VALUE(cGame, int32_t, popupTextId)            \
  REF(cGame, String, popupText)                 \
  REF(cGame, String, popupWrapped)              \
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
  REF(cGame, ObjectArray, hudAnimPlayers)       \
  REF(cGame, ByteArray, levelData)              \
  VALUE(cGame, int32_t, levelBodyStart)         \
  VALUE(cGame, int32_t, levelPack)              \
  VALUE(cGame, int32_t, levelEntry)             \
  VALUE(cGame, int32_t, currentStage)           \
  VALUE(cGame, int32_t, stageCount)             \
  VALUE(cGame, int32_t, levelFlags)             \
  VALUE(cGame, int32_t, levelActorSet)          \
  VALUE(cGame, int32_t, levelValueAt4)          \
  VALUE(cGame, int32_t, levelValueAt5)          \
  VALUE(cGame, int32_t, levelValueAt6)          \
  VALUE(cGame, int32_t, levelValueAt8)          \
  VALUE(cGame, int32_t, levelValueAt9)          \
  VALUE(cGame, int32_t, levelValueAt10)         \
  VALUE(cGame, int32_t, shotSequenceRepeats)    \
  VALUE(cGame, bool, levelCountdown)            \
  VALUE(cGame, bool, levelFlagAt14)             \
  VALUE(cGame, int32_t, levelUnlockItem)        \
  VALUE(cGame, int32_t, levelValueAt16)         \
  VALUE(cGame, int32_t, fastTime)               \
  VALUE(cGame, int32_t, timeBonus)              \
  VALUE(cGame, int32_t, slowTimeSpan)           \
  VALUE(cGame, int32_t, specialChance)          \
  VALUE(cGame, int32_t, specialBaseChance)      \
  VALUE(cGame, int32_t, specialChanceStep)      \
  REF(cGame, ByteArray, specialWeights)         \
  REF(cGame, ByteArray, specialWeightsBase)     \
  REF(cGame, IntArray, levelParams)             \
  VALUE(cGame, int32_t, anchorPalette)          \
  VALUE(cGame, int32_t, introCount)             \
  REF(cGame, IntArray, introTexts)              \
  REF(cGame, IntArray, introSpeakers)           \
  REF(cGame, IntArray, introValue0)             \
  REF(cGame, ByteArray, introValue1)            \
  REF(cGame, ByteArray, introValue2)            \
  REF(cGame, ByteArray, introValue3)            \
  VALUE(cGame, int32_t, levelTailValue0)        \
  VALUE(cGame, int32_t, levelTailValue1)        \
  VALUE(cGame, int32_t, levelTailValue2)        \
  VALUE(cGame, int32_t, levelTailValue3)        \
  VALUE(cGame, int32_t, levelTailValue4)        \
  VALUE(cGame, int32_t, wonCount)               \
  REF(cGame, ShortArray, wonTexts)              \
  REF(cGame, ShortArray, wonValues)             \
  REF(cGame, ByteArray, wonValue0)              \
  REF(cGame, ByteArray, wonValue1)              \
  REF(cGame, ByteArray, wonValue2)              \
  VALUE(cGame, int32_t, lostCount)              \
  REF(cGame, ShortArray, lostTexts)             \
  REF(cGame, ShortArray, lostSpeakers)          \
  REF(cGame, ByteArray, lostValue0)             \
  REF(cGame, ByteArray, lostValue1)             \
  REF(cGame, ByteArray, lostValue2)             \
  PLIMORA_STATICS_cGame_level_popup(REF, VALUE)                          \
  PLIMORA_STATICS_cGame_level_sections(REF, VALUE) PLIMORA_STATICS_cGame_level_triggers(REF, VALUE) \
  PLIMORA_STATICS_cGame_level_next(REF, VALUE) PLIMORA_STATICS_cGame_level_aim(REF, VALUE)

// The popup's own (game/level/popup.cpp, popup_paint.cpp): popupWrapped2 kind 5's second
// text wrapped; popupInitialChoice the choice kind 1
// opened with; popupChoiceFlag kind 1's flag (a cancel button beside the buttons);
// popupTapped set by the update in a frame a button was tapped; popupButtonY the first
// button's centre y, written by the paint for the update's hit tests; popupButtonPlayer the
// buttons' animation player on sprite slot 20, made on first use; popupTimer the ms left of
// kinds 6 and 7 and popupFireworks the fireworks still to launch; popupPortraitRect int[4],
// rectangle 3 of the portrait's frame (kind 5); popupForcedAnswer, while set, kind 1's choice
// is no (0), or yes (1) for the retry question (text 214), whatever the player picks.
// The touch overlay (game/level/touch_overlay.cpp): softKeyIdleLeft and softKeyIdleRight, a
// button's idle frame is to be painted; mapArrowPlayers Object[4], the level-select map's
// arrow players on sprite slot 32, made on first use. What the map keeps for them: mapArrowItem
// the map item the arrows belong to (-1 none), mapArrowShown and mapArrowPressed bit k - 1 for
// arrow k, mapArrowOffsets int[6] the offsets a to f of the arrows from the centre, mapItemX and
// mapItemY the selected item's position, mapWidth and mapHeight the map's size and mapScrollX
// and mapScrollY its scroll, in pixels.
#define PLIMORA_STATICS_cGame_level_popup(REF, VALUE) \
  REF(cGame, String, popupWrapped2)                   \
  VALUE(cGame, int32_t, popupInitialChoice)           \
  VALUE(cGame, bool, popupChoiceFlag)                 \
  VALUE(cGame, bool, popupTapped)                     \
  VALUE(cGame, int32_t, popupButtonY)                 \
  REF(cGame, MQLibPlayer, popupButtonPlayer)          \
  VALUE(cGame, int32_t, popupTimer)                   \
  VALUE(cGame, int32_t, popupFireworks)               \
  REF(cGame, IntArray, popupPortraitRect)             \
  VALUE(cGame, bool, popupForcedAnswer)               \
  VALUE(cGame, bool, softKeyIdleLeft)                 \
  VALUE(cGame, bool, softKeyIdleRight)                \
  REF(cGame, ObjectArray, mapArrowPlayers)            \
  VALUE(cGame, int32_t, mapArrowItem)                 \
  VALUE(cGame, int32_t, mapArrowShown)                \
  VALUE(cGame, int32_t, mapArrowPressed)              \
  REF(cGame, IntArray, mapArrowOffsets)               \
  VALUE(cGame, int32_t, mapItemX)                     \
  VALUE(cGame, int32_t, mapItemY)                     \
  VALUE(cGame, int32_t, mapWidth)                     \
  VALUE(cGame, int32_t, mapHeight)                    \
  VALUE(cGame, int32_t, mapScrollX)                   \
  VALUE(cGame, int32_t, mapScrollY)


// The level-type sections (game/level/level_sections.cpp). levelBodyFailed: a section was
// refused, so the sections after it read as empty.
// The templates of types 5, 6, 7 (the board's bunch templates): bunchTemplateKindMask has
//   bit k for each kind k < 32 used, bunchTemplateKindCount its set bits.
// Type 4: pathPointX, pathPointY (pixels, pathPointCount entries); per path (pathCount)
//   pathLength steps of pathStepPoint (byte[] per path) and pathStepValue (ms, short[] per
//   path); levelObjectCount walker slots, pathWalkerPath per slot (-1 idle); objectParams
//   (objectParamCount bytes) read from objectParamCursor.
// goalTotal, goalRemaining: the level's goal count and what is left of it.
// Type 5: beltY, beltX (16.16, one per template); beltSpeed (16.16 px/s), beltBunchSize
//   (16.16 spacing), beltHalf (half the belt, 16.16), beltDelayMin/Max and beltTimer (ms);
//   beltFlyerMin/Max the range of the passing flyer's y (px), which no level record sets.
// Type 6: dropCount drops of dropTemplate, dropTime (ms), dropX (pixels), dropValue;
//   dropLastTime the latest time; dropPenalty, dropHealth (100 at the start), dropCursor,
//   dropClock (ms).
// Type 7: rowInterval, rowFirstTime (ms), rowSpeed, rowCount rows of rowTemplate; rowElapsed
//   (ms), rowFirstVisible, rowLastVisible: the rows built and shown so far.
#define PLIMORA_STATICS_cGame_level_sections(REF, VALUE) \
  VALUE(cGame, bool, levelBodyFailed)                    \
  VALUE(cGame, int32_t, bunchTemplateKindMask)           \
  VALUE(cGame, int32_t, bunchTemplateKindCount)          \
  VALUE(cGame, int32_t, pathPointCount)                  \
  REF(cGame, IntArray, pathPointX)                       \
  REF(cGame, IntArray, pathPointY)                       \
  VALUE(cGame, int32_t, pathCount)                       \
  REF(cGame, ByteArray, pathLength)                      \
  REF(cGame, ObjectArray, pathStepPoint)                 \
  REF(cGame, ObjectArray, pathStepValue)                 \
  VALUE(cGame, int32_t, levelObjectCount)                \
  REF(cGame, ByteArray, pathWalkerPath)                  \
  VALUE(cGame, int32_t, objectParamCount)                \
  REF(cGame, ByteArray, objectParams)                    \
  VALUE(cGame, int32_t, objectParamCursor)               \
  VALUE(cGame, int32_t, goalTotal)                       \
  VALUE(cGame, int32_t, goalRemaining)                   \
  REF(cGame, IntArray, beltY)                            \
  REF(cGame, IntArray, beltX)                            \
  VALUE(cGame, int32_t, beltSpeed)                       \
  VALUE(cGame, int32_t, beltBunchSize)                   \
  VALUE(cGame, int32_t, beltHalf)                        \
  VALUE(cGame, int32_t, beltDelayMin)                    \
  VALUE(cGame, int32_t, beltDelayMax)                    \
  VALUE(cGame, int32_t, beltFlyerMin)                    \
  VALUE(cGame, int32_t, beltFlyerMax)                    \
  VALUE(cGame, int32_t, beltTimer)                       \
  VALUE(cGame, int32_t, dropCount)                       \
  REF(cGame, ByteArray, dropTemplate)                    \
  REF(cGame, IntArray, dropTime)                         \
  REF(cGame, IntArray, dropX)                            \
  REF(cGame, IntArray, dropValue)                        \
  VALUE(cGame, int32_t, dropLastTime)                    \
  VALUE(cGame, int32_t, dropPenalty)                     \
  VALUE(cGame, int32_t, dropHealth)                      \
  VALUE(cGame, int32_t, dropCursor)                      \
  VALUE(cGame, int32_t, dropClock)                       \
  VALUE(cGame, int32_t, rowInterval)                     \
  VALUE(cGame, int32_t, rowFirstTime)                    \
  VALUE(cGame, int32_t, rowSpeed)                        \
  VALUE(cGame, int32_t, rowCount)                        \
  REF(cGame, IntArray, rowTemplate)                      \
  VALUE(cGame, int32_t, rowElapsed)                      \
  VALUE(cGame, int32_t, rowFirstVisible)                 \
  VALUE(cGame, int32_t, rowLastVisible)

// The trigger rules (game/level/trigger_rules.cpp): triggerCount rules live, triggerLatch the
// latched timer bits 0x200 and 0x800. Their condition sources: levelFrames, frames since
// play began; sinceEvent9, sinceEvent10, the periodic timers (ms); sinceFireRequest, ms since
// the launcher last let a bubble go; shotLanded, a shot landed this frame. The play mode is
// levelKind (the loader's levelVariant: 1 plain, 2 lesson, 3 boss).
#define PLIMORA_STATICS_cGame_level_triggers(REF, VALUE) \
  VALUE(cGame, int32_t, triggerCount)                    \
  VALUE(cGame, int32_t, triggerLatch)                    \
  VALUE(cGame, int32_t, levelFrames)                     \
  VALUE(cGame, int32_t, sinceEvent9)                     \
  VALUE(cGame, int32_t, sinceEvent10)                    \
  VALUE(cGame, int32_t, sinceFireRequest)                \
  VALUE(cGame, bool, shotLanded)                         \
  PLIMORA_STATICS_cGame_level_hud(REF, VALUE)

// The HUD (game/level/hud.cpp): hudFrameActor, hudTimerActor (the clock at the danger line),
// hudGoalFrameActor, hudGoalActor and bossHealthIcons (cActor[3], left to right);
// hudTimeChars, char[5] "mm:ss"; hudGoalText, hudStageText, levelLabel and timeText its texts;
// hudScore the score shown, hudProgress the progress bar's percent, bossIconCount 0..3,
// hudTimerBlink the board's danger flag; numberFormatKind the score's separator kind.
// bannerX: the banner's x in 8.8. meterCount..meterCount4: the four meters' counters. comboThresholds: ascending streak lengths of the
// streak label's tiers, {2, 4, 6, 9} from the first HUD on. The reserved goal slots, emptied
// by releaseGoalActors: goalSlotActor, goalSlotActorsA..C, goalSlotCount, goalSlotValuesA, B.
#define PLIMORA_STATICS_cGame_level_hud(REF, VALUE) \
  REF(cGame, cActor, hudFrameActor)                 \
  REF(cGame, cActor, hudTimerActor)                 \
  REF(cGame, cActor, hudGoalFrameActor)             \
  REF(cGame, cActor, hudGoalActor)                  \
  REF(cGame, ObjectArray, bossHealthIcons)          \
  REF(cGame, CharArray, hudTimeChars)               \
  REF(cGame, String, hudGoalText)                   \
  REF(cGame, String, hudStageText)                  \
  REF(cGame, String, levelLabel)                    \
  REF(cGame, String, timeText)                      \
  VALUE(cGame, int32_t, hudScore)                   \
  VALUE(cGame, int32_t, hudProgress)                \
  VALUE(cGame, int32_t, bossIconCount)              \
  VALUE(cGame, int8_t, hudTimerBlink)               \
  VALUE(cGame, int32_t, numberFormatKind)           \
  VALUE(cGame, int32_t, bannerX)                    \
  VALUE(cGame, int32_t, meterCount)                 \
  VALUE(cGame, int32_t, meterCount2)                \
  VALUE(cGame, int32_t, meterCount3)                \
  VALUE(cGame, int32_t, meterCount4)                \
  REF(cGame, IntArray, comboThresholds)             \
  REF(cGame, cActor, goalSlotActor)                 \
  REF(cGame, ObjectArray, goalSlotActorsA)          \
  REF(cGame, ObjectArray, goalSlotActorsB)          \
  REF(cGame, ObjectArray, goalSlotActorsC)          \
  VALUE(cGame, int32_t, goalSlotCount)              \
  REF(cGame, IntArray, goalSlotValuesA)             \
  REF(cGame, IntArray, goalSlotValuesB)


// The next bubble (game/level/next_bubble.cpp): currentColour, nextColour the kinds in the
// launcher and waiting beside it; swapTimer ms of the refill animation left (250 at a refill).
// It reads the level build's shot sequence and stage tables (game/world/cgame_statics.h;
// stageTableE, the stage's value for the wave logic, is copied into waveStageValue at its
// selection) and the board survey's boardColourMask, bit c for each plain colour c on the
// board. waveStageCount stages of level type 2; per stage: stageShotCount shots and
// stageChainCount chains.
#define PLIMORA_STATICS_cGame_level_next(REF, VALUE) \
  VALUE(cGame, int32_t, currentColour)               \
  VALUE(cGame, int32_t, nextColour)                  \
  VALUE(cGame, int32_t, swapTimer)                   \
  VALUE(cGame, int32_t, boardColourMask)             \
  VALUE(cGame, int32_t, waveStageCount)              \
  VALUE(cGame, int32_t, waveStageValue)              \
  VALUE(cGame, int32_t, stageShotCount)              \
  VALUE(cGame, int32_t, stageChainCount)

// The aim guide (game/level/aim_guide.cpp): aimGuideMode 1 the long guide (10 dots, a screen
// height), 0 the short one (7 dots, 80 %); aimGuideAngle the launcher's angle + 512 (1024
// units a turn); aimGuideColour the dots' colour, the launcher's kind below 7, else 7. The
// dots, their slide and the guide's on flag are the launcher's (game/world/cgame_statics.h).
#define PLIMORA_STATICS_cGame_level_aim(REF, VALUE) \
  VALUE(cGame, int32_t, aimGuideMode)               \
  VALUE(cGame, int32_t, aimGuideAngle)              \
  VALUE(cGame, int32_t, aimGuideColour)
