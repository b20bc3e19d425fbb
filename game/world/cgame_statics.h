// The static fields of cGame that belong to the in-game world and its scene, as one declaration
// list for the static block (runtime/static_fields.h says how an entry is written), and the types
// that this folder's cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ByteArray;
class IntArray;
class ObjectArray;
class ShortArray;
class String;

// levelPassedFlag: the play state's record that the level was passed. The level's own
// counters, zeroed before each level: bubbles popped in matches, bubbles dropped from burst
// bunches, freed attachments, chain awards, and levelTime, the ms played. dangerLineY: the y of the
// HUD's danger line in pixels.
// previousRating: the result the level had before this play; standing in for the play state's
// own until it is built, it is set when the level is loaded (game/level/level_data.cpp).
// The scene screens (game/world/scene_screens.cpp, game/level/scene_services.cpp): scrollText
// and scrollTextBreaks, its line table in the body font; textScrollY its top in 8.8 px and
// scrollTextHeight its wrapped height in px. sceneActors: the actors the screen releases
// together. backgroundActors: six actors flying across the upper screen; per actor
// backgroundElapsed, ms into its flight (negative: waiting), backgroundDuration its length,
// backgroundStartY and backgroundEndY, and backgroundReverse, 1 when it flies right to left.
// chooserWorld: the level chooser's world 0..10, -1 outside it. launchState: the state that
// started the current screen or level, which later screens read to know where back leads.
#define PLIMORA_STATICS_cGame_world(REF, VALUE) \
  VALUE(cGame, int32_t, chooserWorld)           \
  VALUE(cGame, int32_t, launchState)            \
  REF(cGame, String, scrollText)                \
  REF(cGame, ShortArray, scrollTextBreaks)      \
  VALUE(cGame, int32_t, textScrollY)            \
  VALUE(cGame, int32_t, scrollTextHeight)       \
  REF(cGame, ObjectArray, sceneActors)          \
  REF(cGame, ObjectArray, backgroundActors)     \
  REF(cGame, IntArray, backgroundElapsed)       \
  REF(cGame, IntArray, backgroundDuration)      \
  REF(cGame, IntArray, backgroundStartY)        \
  REF(cGame, IntArray, backgroundEndY)          \
  REF(cGame, ByteArray, backgroundReverse)      \
  VALUE(cGame, bool, levelPassedFlag)           \
  VALUE(cGame, int32_t, poppedBubbleCount)      \
  VALUE(cGame, int32_t, droppedBubbleCount)     \
  VALUE(cGame, int32_t, freedAttachmentCount)   \
  VALUE(cGame, int32_t, chainAwardCount)        \
  VALUE(cGame, int32_t, levelTime)              \
  VALUE(cGame, int32_t, dangerLineY)            \
  VALUE(cGame, int32_t, previousRating)         \
  PLIMORA_STATICS_cGame_world_waves(REF, VALUE)

// Level type 2's waves (game/world/random_rows.cpp, game/level/slot_row.cpp). The stage
// tables, byte[20] (stageMasks int[20]) indexed by stageIndex: stageColours, the ordinary
// colours; stageShotsPerRow, shots landed per new row; stageMaxSpecialColumns;
// stageSpecialsGoal, specials to collect before the next stage; stageMasks, bit k allowing
// special slot k; stageSpecialBase and stageSpecialStep, percent and percent per row.
// rowSpecialChance: percent chance that the next row carries specials. waveRowCount: rows
// generated (its lowest bit is the row parity); waveRowY: bunch 0's y in 16.16. waveSlots:
// int[11], the colour of each column of the coming rows. pendingRows: rows still to add.
// specialState, shotHasLanded, gridRebuildRequested: what a new row tells the launcher and
// the collision grid.
#define PLIMORA_STATICS_cGame_world_waves(REF, VALUE) \
  REF(cGame, ByteArray, stageColours)                 \
  REF(cGame, ByteArray, stageShotsPerRow)             \
  REF(cGame, ByteArray, stageMaxSpecialColumns)       \
  REF(cGame, ByteArray, stageSpecialsGoal)            \
  REF(cGame, IntArray, stageMasks)                    \
  REF(cGame, ByteArray, stageSpecialBase)             \
  REF(cGame, ByteArray, stageSpecialStep)             \
  VALUE(cGame, int32_t, stageIndex)                   \
  VALUE(cGame, int32_t, rowSpecialChance)             \
  VALUE(cGame, int32_t, waveRowCount)                 \
  VALUE(cGame, int32_t, waveRowY)                     \
  REF(cGame, IntArray, waveSlots)                     \
  VALUE(cGame, int32_t, pendingRows)                  \
  VALUE(cGame, int32_t, specialState)                 \
  VALUE(cGame, int8_t, shotHasLanded)                 \
  VALUE(cGame, bool, gridRebuildRequested)
