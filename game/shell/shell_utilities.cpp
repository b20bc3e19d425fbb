// cGame's small shell helpers: the soft-key labels, strings from the byte-array table, the hint
// number of the loading screen, the back buffer, the one-colour palette, and two arithmetic helpers
// that callers also write out inline.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/static_class.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kEmptyString = 46;  // string constant: the empty string
constexpr int32_t kPaletteSize = 256;

}  // namespace

// The right label comes first.
void cGame::setSoftKeys(int32_t right, int32_t left, int32_t flag) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_softKeyLeft = left;
  s->cGame_softKeyRight = right;
  s->cGame_softKeysFlag = flag != 0;
}

// ---- Strings and hints --------------------------------------------------------------------

// Entry i of the byte-array string table decoded with textEncoding; the empty string for an
// index outside the table (a negative one included) and for an entry that holds no bytes.
String* cGame::getTableString(int32_t i) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* table = s->MQLibPlayer_soundFormatNames;
  if (i < 0 || !NullCheck(table) || i >= table->length) return GetConstantString(kEmptyString);
  Object* entry = table->elements()[i];
  if (!NullCheck(entry) || entry->classId != cid::ByteArray) {
    return GetConstantString(kEmptyString);
  }
  return NewObject<String>(static_cast<ByteArray*>(entry), s->cGame_textEncoding);
}

// The hint table is in ascending (world, level) order: the walk stops at the first entry after
// the current level, or at the end of the shortest of its three arrays.
int32_t cGame::maxValueUpToCurrentLevel() {
  GameStatics* s = Statics<GameStatics>();
  ByteArray* worlds = s->cGame_hintWorlds;
  ByteArray* levels = s->cGame_hintLevels;
  ByteArray* values = s->cGame_hintValues;
  if (!worlds || !levels || !values) return 0;
  const int32_t entries = std::min({worlds->length, levels->length, values->length});
  int32_t best = 0;
  for (int32_t i = 0; i < entries; i++) {
    const int32_t world = worlds->elements()[i];
    const bool reached =
        world < s->cGame_currentWorld ||
        (world == s->cGame_currentWorld && levels->elements()[i] <= s->cGame_currentLevel);
    if (!reached) break;
    best = std::max<int32_t>(best, values->elements()[i]);
  }
  return best;
}

// ---- Back buffer and palette --------------------------------------------------------------

void cGame::drawBackBuffer(javax_microedition_lcdui_Graphics* g) {
  if (NullCheck(g)) g->drawImage(Statics<GameStatics>()->cGame_backBuffer, 0, 0, 0);
}

void cGame::clearBackBuffer(int32_t colour) {
  GameStatics* s = Statics<GameStatics>();
  javax_microedition_lcdui_Image* image = s->cGame_backBuffer;
  javax_microedition_lcdui_Graphics* g = s->cGame_backBufferGraphics;
  if (!NullCheck(image) || !NullCheck(g)) return;
  g->setColor(colour);
  g->fillRect(0, 0, image->getWidth(), image->getHeight());
}

void cGame::makeSolidPalette(int32_t colour) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_solidPalette && colour == s->cGame_solidPaletteColour) return;
  s->cGame_solidPaletteColour = colour;
  if (!s->cGame_solidPalette) s->cGame_solidPalette = NewIntArray(kPaletteSize);
  IntArray* palette = s->cGame_solidPalette;
  if (palette) std::fill(palette->elements(), palette->elements() + palette->length, colour);
}

// ---- Level type and arithmetic ------------------------------------------------------------

bool cGame::isLevelTypeNot2() {
  return Statics<GameStatics>()->cGame_levelType != 2;
}

int32_t cGame::distanceSquared(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int32_t dx = x1 - x2;
  const int32_t dy = y1 - y2;
  return dx * dx + dy * dy;
}

int32_t cGame::clamp(int32_t v, int32_t lo, int32_t hi) {
  if (v < lo) return lo;
  return v <= hi ? v : hi;
}
