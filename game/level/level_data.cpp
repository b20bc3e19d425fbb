// Loading a level: entry `entry` of the level pack of world packIndex (pack names are the
// worldTexts string constants) into levelData, then its header. A pack or entry that cannot
// be read gives an empty level, whose header reads as all zero.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

// The name of the level pack of world packIndex; null, traced, off the table.
String* LevelPackName(int32_t packIndex) {
  ObjectArray* names = Statics<GameStatics>()->cGame_worldTexts;
  if (!names || packIndex < 0 || packIndex >= names->length) {
    DebugLog("cGame::loadLevelData: no level pack for world %d", packIndex);
    return nullptr;
  }
  return static_cast<String*>(names->elements()[packIndex]);
}

// Stands in for the play state, which keeps the result a level had before this play: the
// result stored when the level is loaded.
void KeepPreviousRating(int32_t entry, int32_t world) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* rows = s->cGame_levelResults;
  if (!rows || world < 0 || world >= rows->length) return;
  auto* row = static_cast<IntArray*>(rows->elements()[world]);
  if (row && entry >= 0 && entry + 1 < row->length)
    s->cGame_previousRating = row->elements()[entry + 1];
}

}  // namespace

void cGame::loadLevelData(int32_t entry, int32_t packIndex) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_levelPack = packIndex;
  s->cGame_levelEntry = entry;
  ByteArray* level = nullptr;
  String* name = LevelPackName(packIndex);
  if (name) {
    openPack(name);
    level = readPackEntry(entry);
    closeResourceStream();
    if (!level) {
      DebugLog(
          "cGame::loadLevelData: level %d of world %d (pack \"%s\") cannot be read; the "
          "level is empty",
          entry, packIndex, StringToCString(name).c_str());
    }
  }
  setDataCursor(0);
  s->cGame_currentStage = 0;
  s->cGame_stageCount = 1;
  if (level) {
    s->cGame_levelData = level;
    readLevelHeader(level);
  } else {
    s->cGame_levelData = NewByteArray(0);
    clearLevelHeader();
  }
  s->cGame_levelBodyStart = s->cGame_dataCursor;
  KeepPreviousRating(entry, packIndex);
}
