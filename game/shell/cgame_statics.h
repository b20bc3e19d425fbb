// The static fields of cGame that belong to the shell, as one declaration list for the static
// block (runtime/static_fields.h says how an entry is written), and the types that the shell's
// cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class BoolArray;
class ByteArray;
class IntArray;
class cGame;
class java_io_InputStream;
class java_util_Hashtable;
class java_util_Random;
class javax_microedition_lcdui_Display;
class javax_microedition_lcdui_Graphics;
class javax_microedition_lcdui_Image;
class javax_microedition_midlet_MIDlet;
class MQLibPlayer;
class Object;
class ObjectArray;
class String;
class cActor;
class javax_microedition_rms_RecordStore;

// canvasWidth, canvasHeight: the logical canvas size in pixels (480 x 800), set by
// cGame::clinitTables before the initialisers that derive sizes from it run.
// Canvas and game thread (game/shell/game_thread.cpp): gameCanvas is made by the first
// MarqPLIM::startApp, canvasInstance by the canvas itself; runState -1 not started or ending,
// 0 running. runState, paused, inPaint, repaintRequested and the two tick counts are shared
// with the platform thread (game/shell/shared_statics.h). Ticks are milliseconds of the tick
// count; frameBudget is a pass's length in ms.
// Frame loop (game/shell/frame_loop.cpp): frameTime is the ms between the last two frames,
// 0..1000; frameGraphics is the Graphics of the paint under way, null between frames;
// drawGraphics and screenGraphics are the frame's targets; spriteTable holds the loaded
// sprites by slot.
// State machine (game/shell/state_machine.cpp): states 1..32; nextState -1 when none is asked.
// Keys (game/shell/key_input.cpp): keysLive and keysLatched are byte[20], one state per game
// key; keysLive, lastKeyCode and the two arrays' references are shared with the callbacks
// under the input lock. Pointer (game/shell/pointer_input.cpp): positions are screen pixels,
// -1 none; the press, current and release positions and the two pointer flags are shared with
// the callbacks under the input lock. touchAction and touchSoftKey are game keys, 257 none.
// softKeyLeft, softKeyRight: the soft-key labels (-1 hidden). backBuffer, backBufferGraphics: the
// canvas-sized back buffer. solidPalette: int[256] all of solidPaletteColour. hintWorlds,
// hintLevels, hintValues: the loading screen's (world, level, hint) records in ascending order.
// touchMarginX .. levelIntroTextsEnabled: the shell's start-up values (static_init.cpp).
// menuStartTable .. buttonPointsB: constant tables. colourTable .. bannerSpeed: the later
// initialiser steps' values (static_layout.cpp), the layout ones taken from the start-up canvas
// and never recomputed. shellStrings, shellStringTable, shellName, defaultText: the text
// statics, string constants 277..291, 292..301, 302 and 46.
// Timed transitions (game/shell/transitions.cpp): pendingAction 0 none, 1 the loading state,
// 2 open the popup, 3 close it, 4 stateAfterLoad; fadeDirection -1 out, 1 in, 0 idle; fadeTime
// the fade clock in ms (0 fully out, the fade's length fully in); popupSlideOffset 120 when
// the menu fade opens the popup; screenId the current menu screen 0..20. loadKind, the
// loader's job (-1 none), stateAfterLoad the state it enters when done.
// The sound track (game/shell/sound_track.cpp): currentSound the one media Player (null
// none), currentSoundId its sound (-1 none) and currentSoundLoops; worldMusicIds and
// worldFinalMusicIds: each world's music, and that of its last level, as sound ids - 4.
// loadingBarPlayer: the sparkle that rides the loading bar (sprite slot 9, animation 28).
// The progress tables (game/shell/saved_progress.cpp, game/shell/level_progression.cpp):
// selectedWorld: the world shown on the level-select map, -1 none.
// mapCursorByWorld (alias worldSelection): int[12], per world the map item last selected;
//   -2 the map was never opened, -1 nothing selected yet.
// worldsUnlocked: the highest world opened so far, 0..7. progressAux: a kept value, reset with
//   lastCompletedLevel. firstPlayHints: 1 while the first-play hints are still to be shown.
// awardFlags: int[25], 1 = earned. unlockFlags: int[unlockFlagCount], 1 = unlocked.
// levelResults: 12 rows of int[14]; column 0 a spare, column 1 + n level n: -2 locked, -1
//   open, 0..2 the best result.
// totalScore; statBubblesPopped, statPlayTime (ms), statBubblesDropped, statAttachmentsFreed,
//   statChains (alias statLifetime0..4): lifetime totals.
// statBestBossTime, statBestTime (alias fastestBossTime, fastestPlainTime): the lowest time
//   in ms of a won level with and without a boss, -1 none.
// statBestSurvivalTime, statBestStage (alias bestWaveTime, bestWave): the bests of type-2
//   levels. spriteSetOption, hudOrderOption: two options, 0 or 1. world0Level12Seen: one-shot.
// levelIntroTextsEnabled: the setting, on by default.
// openStore: the store held open between rmsOpen and rmsClose. loadedRecord: the record of the
//   last rmsOpenInputStream. rmsLoadFailed (ours): the last rmsLoad met a record-store
//   exception. progressUnreadable (ours): the stored progress exists but could not be read at
//   the load, so no save may replace it.
// lastCompletedLevel, newUnlocksPending, selectedLevel: flags of level progression.
#define PLIMORA_STATICS_cGame_shell(REF, VALUE)                     \
  VALUE(cGame, int32_t, canvasWidth)                                \
  VALUE(cGame, int32_t, canvasHeight)                               \
  REF(cGame, cGame, gameCanvas)                                     \
  REF(cGame, cGame, canvasInstance)                                 \
  REF(cGame, javax_microedition_midlet_MIDlet, gameMidlet)          \
  REF(cGame, javax_microedition_lcdui_Display, gameDisplay)         \
  REF(cGame, java_util_Random, sharedRandom)                        \
  VALUE(cGame, int32_t, runState)                                   \
  VALUE(cGame, bool, paused)                                        \
  VALUE(cGame, bool, inPaint)                                       \
  VALUE(cGame, bool, repaintRequested)                              \
  VALUE(cGame, int64_t, frameTick)                                  \
  VALUE(cGame, int64_t, lastFrameTick)                              \
  VALUE(cGame, int32_t, frameBudget)                                \
  VALUE(cGame, int32_t, frameTime)                                  \
  REF(cGame, javax_microedition_lcdui_Graphics, frameGraphics)      \
  REF(cGame, javax_microedition_lcdui_Graphics, screenGraphics)     \
  REF(cGame, javax_microedition_lcdui_Graphics, drawGraphics)       \
  VALUE(cGame, bool, fullRedraw)                                    \
  VALUE(cGame, bool, controlBarShown)                               \
  VALUE(cGame, bool, controlBarLeftLit)                             \
  VALUE(cGame, bool, controlBarCentreLit)                           \
  VALUE(cGame, bool, controlBarRightLit)                            \
  REF(cGame, ObjectArray, spriteTable)                              \
  VALUE(cGame, int32_t, currentState)                               \
  VALUE(cGame, int32_t, previousState)                              \
  VALUE(cGame, int32_t, nextState)                                  \
  VALUE(cGame, bool, stateChangePending)                            \
  VALUE(cGame, bool, stateEntering)                                 \
  VALUE(cGame, int32_t, stateFrames)                                \
  VALUE(cGame, int32_t, stateTime)                                  \
  VALUE(cGame, int32_t, lastDispatchedState)                        \
  REF(cGame, MQLibPlayer, sharedAnimPlayer)                         \
  REF(cGame, java_util_Hashtable, keyTableDigits)                   \
  REF(cGame, java_util_Hashtable, keyTableDirections)               \
  REF(cGame, ByteArray, keysLive)                                   \
  REF(cGame, ByteArray, keysLatched)                                \
  VALUE(cGame, int32_t, lastKeyCode)                                \
  VALUE(cGame, int32_t, lastHeldKey)                                \
  VALUE(cGame, int32_t, keyPressedThisFrame)                        \
  VALUE(cGame, int64_t, keyPressTick)                               \
  VALUE(cGame, int32_t, pointerPressX)                              \
  VALUE(cGame, int32_t, pointerPressY)                              \
  VALUE(cGame, int32_t, pointerX)                                   \
  VALUE(cGame, int32_t, pointerY)                                   \
  VALUE(cGame, int32_t, pointerReleaseX)                            \
  VALUE(cGame, int32_t, pointerReleaseY)                            \
  VALUE(cGame, int32_t, tapX)                                       \
  VALUE(cGame, int32_t, tapY)                                       \
  VALUE(cGame, bool, pointerReleased)                               \
  VALUE(cGame, bool, pointerDragging)                               \
  VALUE(cGame, bool, pointerHidden)                                 \
  VALUE(cGame, int32_t, touchAction)                                \
  VALUE(cGame, int32_t, touchSoftKey)                               \
  VALUE(cGame, bool, touchActionTaken)                              \
  VALUE(cGame, bool, touchListSelect)                               \
  VALUE(cGame, int32_t, softKeyLeft)                                \
  VALUE(cGame, int32_t, softKeyRight)                               \
  VALUE(cGame, bool, softKeysFlag)                                  \
  REF(cGame, javax_microedition_lcdui_Image, backBuffer)            \
  REF(cGame, javax_microedition_lcdui_Graphics, backBufferGraphics) \
  REF(cGame, IntArray, solidPalette)                                \
  VALUE(cGame, int32_t, solidPaletteColour)                         \
  REF(cGame, ByteArray, hintWorlds)                                 \
  REF(cGame, ByteArray, hintLevels)                                 \
  REF(cGame, ByteArray, hintValues)                                 \
  VALUE(cGame, int32_t, touchMarginX)                               \
  VALUE(cGame, int32_t, touchMarginY)                               \
  VALUE(cGame, int32_t, chainedLoadKind)                            \
  VALUE(cGame, int32_t, chainedStateAfterLoad)                      \
  VALUE(cGame, bool, loadChained)                                   \
  VALUE(cGame, bool, loadFresh)                                     \
  VALUE(cGame, bool, musicEnabled)                                  \
  VALUE(cGame, bool, sfxEnabled)                                    \
  VALUE(cGame, bool, levelIntroTextsEnabled)                        \
  REF(cGame, IntArray, menuStartTable)                              \
  REF(cGame, IntArray, levelsPerWorld)                              \
  REF(cGame, ObjectArray, worldTexts)                               \
  REF(cGame, IntArray, buttonPointsA)                               \
  REF(cGame, IntArray, buttonPointsB)                               \
  REF(cGame, IntArray, colourTable)                                 \
  REF(cGame, IntArray, optionValuesA)                               \
  REF(cGame, IntArray, optionValuesB)                               \
  REF(cGame, IntArray, optionValuesC)                               \
  REF(cGame, IntArray, optionValuesD)                               \
  REF(cGame, IntArray, optionValuesE)                               \
  REF(cGame, IntArray, optionValuesF)                               \
  REF(cGame, IntArray, optionValuesG)                               \
  REF(cGame, IntArray, optionValuesH)                               \
  REF(cGame, IntArray, optionValuesI)                               \
  REF(cGame, IntArray, listedAwardIds)                              \
  VALUE(cGame, int32_t, screenCentreX)                              \
  VALUE(cGame, int32_t, quarterX)                                   \
  VALUE(cGame, int32_t, canvasWidthAtStart)                         \
  VALUE(cGame, int32_t, canvasHeightAtStart)                        \
  VALUE(cGame, int32_t, mapPanelX)                                  \
  VALUE(cGame, int32_t, mapPanelY)                                  \
  VALUE(cGame, int32_t, mapWalkSpeed)                               \
  REF(cGame, IntArray, edgeLayout)                                  \
  VALUE(cGame, int32_t, scaleUnit2)                                 \
  VALUE(cGame, int32_t, scaleUnit4)                                 \
  VALUE(cGame, int32_t, scaleUnit)                                  \
  VALUE(cGame, int32_t, scaleUnitHalf)                              \
  REF(cGame, IntArray, panelRect)                                   \
  VALUE(cGame, bool, constantFalse)                                 \
  VALUE(cGame, bool, constantTrue)                                  \
  VALUE(cGame, int32_t, layoutFactor)                               \
  VALUE(cGame, int32_t, bottomRowY)                                 \
  VALUE(cGame, int32_t, bannerSpeed)                                \
  REF(cGame, ObjectArray, shellStrings)                             \
  REF(cGame, ObjectArray, shellStringTable)                         \
  REF(cGame, String, shellName)                                     \
  REF(cGame, String, defaultText)                                   \
  VALUE(cGame, int32_t, pendingAction)                              \
  VALUE(cGame, int32_t, fadeDirection)                              \
  VALUE(cGame, int64_t, fadeTime)                                   \
  VALUE(cGame, int32_t, popupSlideOffset)                           \
  VALUE(cGame, int32_t, screenId)                                   \
  VALUE(cGame, int32_t, loadKind)                                   \
  VALUE(cGame, int32_t, stateAfterLoad)                             \
  REF(cGame, Object, currentSound)                                  \
  VALUE(cGame, int32_t, currentSoundId)                             \
  VALUE(cGame, int32_t, currentSoundLoops)                          \
  REF(cGame, ByteArray, worldMusicIds)                              \
  REF(cGame, ByteArray, worldFinalMusicIds)                         \
  REF(cGame, MQLibPlayer, loadingBarPlayer)                         \
  VALUE(cGame, int32_t, selectedWorld)                              \
  REF(cGame, IntArray, mapCursorByWorld)                            \
  VALUE(cGame, int32_t, worldsUnlocked)                             \
  VALUE(cGame, int32_t, progressAux)                                \
  VALUE(cGame, int32_t, firstPlayHints)                             \
  REF(cGame, IntArray, awardFlags)                                  \
  REF(cGame, ObjectArray, levelResults)                             \
  VALUE(cGame, int32_t, totalScore)                                 \
  REF(cGame, IntArray, unlockFlags)                                 \
  VALUE(cGame, int32_t, statBubblesPopped)                          \
  VALUE(cGame, int32_t, statPlayTime)                               \
  VALUE(cGame, int32_t, statBubblesDropped)                         \
  VALUE(cGame, int32_t, statAttachmentsFreed)                       \
  VALUE(cGame, int32_t, statChains)                                 \
  VALUE(cGame, int32_t, statBestBossTime)                           \
  VALUE(cGame, int32_t, statBestTime)                               \
  VALUE(cGame, int32_t, statBestSurvivalTime)                       \
  VALUE(cGame, int32_t, statBestStage)                              \
  VALUE(cGame, int32_t, spriteSetOption)                            \
  VALUE(cGame, int32_t, hudOrderOption)                             \
  VALUE(cGame, int32_t, world0Level12Seen)                          \
  REF(cGame, javax_microedition_rms_RecordStore, openStore)         \
  REF(cGame, ByteArray, loadedRecord)                               \
  VALUE(cGame, bool, rmsLoadFailed)                                 \
  VALUE(cGame, bool, progressUnreadable)                            \
  VALUE(cGame, int32_t, lastCompletedLevel)                         \
  VALUE(cGame, int32_t, newUnlocksPending)                          \
  VALUE(cGame, int32_t, selectedLevel)                              \
  PLIMORA_STATICS_cGame_shell_loader(REF, VALUE)

// The loader (game/shell/loading_state.cpp, game/shell/loader_*.cpp). A job is a load kind with
// its steps: loadStep the next one from 0, loadSteps the kind's count; loadActive while a job
// is under way, loadDone once its steps have run. loadProgressCount and loadProgressTotal: the
// steps done and the steps of the whole sequence (a chained job shares its bar).
// loadShowsHint, loadShowsTip: what the loading screen shows; tipTextId the tip's text 746..760.
// imageTable: Object[1], slot 0 the title background Image.
// tintPaletteIndex: the tint palette the boot load adds to sprite slot 4.
// Level set-up: bossKind the level's boss (-1 none), lightVariant its lighting variant,
// portraitId the portrait animation of slot 30 (-1 none), levelVariantValue the variant drawn
// for the level, levelSpriteFlags boolean[7] the feature sprites it needs (null between loads),
// hudPanelHeight the HUD panel's height in pixels, playFieldLeft and playFieldRight the side
// bounds in 16.16, levelTimeCompanion and levelStartCounter the two counters the level start
// zeroes, shotPreviewActor the shot preview the level start hides.
// musicSoundId: the sound id of the world music loaded for the map; loadedSpriteSet: the
// spriteSetOption the option sprites were loaded for, -1 none.
// Tables of the table loaders (game/shell/loader_tables.cpp): worldValues, a byte per world;
// pairWorlds/pairLevels/pairValues the boss records; tripleWorlds/tripleLevels/tripleValues
// the lighting records; quadRecords Object[] of int[4]; quadFound, quadValueC, quadValueD the
// record lookupQuadRecord found; characterLineTexts, characterLineValues the value pairs of a
// light variant's section, characterLinePairs their pair count, characterLineLastText and
// characterLineLastValue its last record, characterLineIndex, characterLineTimer and
// characterLineShown the three cleared with it; worldLevelX, worldLevelY int[13] the current
// world's level list and worldLevelCount its length; loadedObjectA, loadedObjectB the two
// value trees of loadTwoObjects.
#define PLIMORA_STATICS_cGame_shell_loader(REF, VALUE) \
  VALUE(cGame, int32_t, loadStep)                      \
  VALUE(cGame, int32_t, loadSteps)                     \
  VALUE(cGame, bool, loadActive)                       \
  VALUE(cGame, bool, loadDone)                         \
  VALUE(cGame, int32_t, loadProgressCount)             \
  VALUE(cGame, int32_t, loadProgressTotal)             \
  VALUE(cGame, bool, loadShowsHint)                    \
  VALUE(cGame, bool, loadShowsTip)                     \
  VALUE(cGame, int32_t, tipTextId)                     \
  REF(cGame, ObjectArray, imageTable)                  \
  VALUE(cGame, int32_t, tintPaletteIndex)              \
  VALUE(cGame, int32_t, bossKind)                      \
  VALUE(cGame, int32_t, lightVariant)                  \
  VALUE(cGame, int32_t, portraitId)                    \
  VALUE(cGame, int32_t, levelVariantValue)             \
  REF(cGame, BoolArray, levelSpriteFlags)              \
  VALUE(cGame, int32_t, hudPanelHeight)                \
  VALUE(cGame, int32_t, playFieldLeft)                 \
  VALUE(cGame, int32_t, playFieldRight)                \
  VALUE(cGame, int32_t, levelTimeCompanion)            \
  VALUE(cGame, int32_t, levelStartCounter)             \
  REF(cGame, cActor, shotPreviewActor)                 \
  VALUE(cGame, int32_t, musicSoundId)                  \
  VALUE(cGame, int32_t, loadedSpriteSet)               \
  REF(cGame, ByteArray, worldValues)                   \
  REF(cGame, ByteArray, pairWorlds)                    \
  REF(cGame, ByteArray, pairLevels)                    \
  REF(cGame, ByteArray, pairValues)                    \
  REF(cGame, ByteArray, tripleWorlds)                  \
  REF(cGame, ByteArray, tripleLevels)                  \
  REF(cGame, ByteArray, tripleValues)                  \
  REF(cGame, ObjectArray, quadRecords)                 \
  VALUE(cGame, bool, quadFound)                        \
  VALUE(cGame, int32_t, quadValueC)                    \
  VALUE(cGame, int32_t, quadValueD)                    \
  REF(cGame, IntArray, characterLineTexts)             \
  REF(cGame, IntArray, characterLineValues)            \
  VALUE(cGame, int32_t, characterLinePairs)            \
  VALUE(cGame, int32_t, characterLineLastText)         \
  VALUE(cGame, int32_t, characterLineLastValue)        \
  VALUE(cGame, int32_t, characterLineIndex)            \
  VALUE(cGame, int32_t, characterLineTimer)            \
  VALUE(cGame, int32_t, characterLineShown)            \
  REF(cGame, IntArray, worldLevelX)                    \
  REF(cGame, IntArray, worldLevelY)                    \
  VALUE(cGame, int32_t, worldLevelCount)               \
  REF(cGame, Object, loadedObjectA)                    \
  REF(cGame, Object, loadedObjectB)
