// cGame's builder of a bitmap font's character table: buckets of (character, frame) pairs
// from one short[] of the fonts pack. The table is outside data: every count and index is
// checked before use, and a fault stops the build with the buckets made so far.
//
//   [0]                 bucket count B (1 or more)
//   [1 .. 2B]           B pairs (character, frame): the first pair of buckets 0 .. B-1
//   then, to the end    groups: bucket b (0 .. B-1), count n (0 or more), n further pairs;
//                       bucket b becomes its first pair followed by the n pairs
#include "engine/sprite.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

namespace {

// A new bucket of the first pair and n pairs from table[from ..].
ShortArray* Bucket(ShortArray* table, int32_t firstCharacter, int32_t firstFrame, int32_t from,
                   int32_t n) {
  ShortArray* bucket = NewShortArray(2 * (n + 1));
  if (!bucket) return nullptr;
  int16_t* out = bucket->elements();
  const int16_t* in = table->elements();
  out[0] = static_cast<int16_t>(firstCharacter);
  out[1] = static_cast<int16_t>(firstFrame);
  for (int32_t i = 0; i < 2 * n; i++) out[2 + i] = in[from + i];
  return bucket;
}

void Stop(const char* what, int32_t at) {
  DebugLog("cGame::buildFontCharMap: %s at entry %d; the table stops there", what, at);
}

// Reads the groups after the first pairs into font's buckets.
void BuildGroups(ASprite* font, ShortArray* table, int32_t at) {
  const int32_t buckets = font->charMapBuckets;
  while (at < table->length) {
    if (at + 2 > table->length) return Stop("a group's head runs past the table", at);
    const int32_t b = table->elements()[at];
    const int32_t n = table->elements()[at + 1];
    if (b < 0 || b >= buckets) return Stop("a group names a bucket outside the table", at);
    if (n < 0 || at + 2 + 2 * static_cast<int64_t>(n) > table->length) {
      return Stop("a group's pairs run past the table", at);
    }
    auto* first = static_cast<ShortArray*>(font->charMap->elements()[b]);
    const int32_t character = first ? first->elements()[0] : 0;
    const int32_t frame = first ? first->elements()[1] : 1;
    ShortArray* bucket = Bucket(table, character, frame, at + 2, n);
    if (!bucket) return;
    font->charMap->elements()[b] = bucket;
    at += 2 + 2 * n;
  }
}

}  // namespace

void cGame::buildFontCharMap(ASprite* font, Object* table) {
  if (!NullCheck(font) || !NullCheck(table)) return;
  if (table->classId != cid::ShortArray) {
    DebugLog("cGame::buildFontCharMap: the character table is not a short[]; the font has none");
    return font->initFontMetrics();
  }
  auto* shorts = static_cast<ShortArray*>(table);
  const int32_t buckets = shorts->length > 0 ? shorts->elements()[0] : 0;
  if (buckets < 1) {
    Stop("a bucket count below 1", 0);
    return font->initFontMetrics();
  }
  font->charMap = NewObjectArray(cid::ShortArray, buckets);
  font->charMapBuckets = font->charMap ? buckets : 0;
  for (int32_t b = 0; font->charMap && b < buckets; b++) {
    const int32_t at = 1 + 2 * b;
    if (at + 2 > shorts->length) {
      Stop("the first pairs run past the table", at);
      return font->initFontMetrics();
    }
    font->charMap->elements()[b] =
        Bucket(shorts, shorts->elements()[at], shorts->elements()[at + 1], at, 0);
  }
  if (font->charMap) BuildGroups(font, shorts, 1 + 2 * buckets);
  font->initFontMetrics();
}
