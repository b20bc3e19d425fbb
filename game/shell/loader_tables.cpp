// The loader's lookup tables, read from their packs with the byte-array reader, and the lookups
// over them. Counts come from the data: a negative count reads nothing, a count larger than
// the entry keeps the records that lie wholly inside it, and indexes are checked before they
// are stored; each fault is one trace line naming the pack.
#include <algorithm>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

// Entry layouts (little-endian; counts are s32 read with cGame::readInt):
//   130 entry 0   count, count x {world, level, hint value}            bytes
//   136 entry 0   count, count x {index, value, music, final music}   s8, s8, s8, u8
//   207 entry 0   count, count x {world, level, boss kind}            bytes
//   234 entry 0   count, count x {world, level, lighting variant}     bytes, then
//                 count, count x {a, b, c, d}                         s8, s8, s16, s16
//   234 entry 1   sections, then per section: count c, c x {text + 1, value}   s16, s16
//   68 entry 1    per world 0..7: count, count x {x, y}               s16, s16

namespace {

constexpr int32_t kHintPack = 130, kWorldPack = 136, kPairPack = 207, kLookupPack = 234;
constexpr int32_t kWorldLevelCapacity = 13;  // the most levels a world has
constexpr int32_t kMapWorlds = 8;

// The whole entry of a pack, the stream closed and the cursor at 0; null (traced) when it
// cannot be read.
ByteArray* ReadEntry(int32_t pack, int32_t entry) {
  cGame::openPack(GetConstantString(pack));
  ByteArray* data = cGame::readPackEntry(entry);
  cGame::closeResourceStream();
  cGame::setDataCursor(0);
  if (!data) DebugLog("cGame: pack %d entry %d cannot be read; its table stays empty", pack, entry);
  return data;
}

// The records of width bytes the count promises that lie wholly in what is left of data.
int32_t WholeRecords(ByteArray* data, int32_t count, int32_t width, int32_t pack) {
  const int64_t left =
      data ? std::max<int64_t>(0, data->length - int64_t{Statics<GameStatics>()->cGame_dataCursor})
           : 0;
  const int64_t fit = left / width;
  if (count < 0 || count > fit) {
    const int32_t kept = count < 0 ? 0 : static_cast<int32_t>(fit);
    DebugLog(
        "cGame: pack %d: count %d of %d-byte records does not fit the %lld bytes left; %d kept",
        pack, count, width, static_cast<long long>(left), kept);
    return kept;
  }
  return count;
}

struct Triples {
  ByteArray* a = nullptr;
  ByteArray* b = nullptr;
  ByteArray* value = nullptr;
};

// count, then {a, b, value} bytes, into three byte[] of the records kept.
Triples ReadTriples(ByteArray* data, int32_t pack) {
  Triples t;
  if (!data) return t;
  const int32_t n = WholeRecords(data, cGame::readInt(data), 3, pack);
  t.a = NewByteArray(n);
  t.b = NewByteArray(n);
  t.value = NewByteArray(n);
  for (int32_t i = 0; t.a && t.b && t.value && i < n; i++) {
    t.a->elements()[i] = static_cast<int8_t>(cGame::readByte(data));
    t.b->elements()[i] = static_cast<int8_t>(cGame::readByte(data));
    t.value->elements()[i] = static_cast<int8_t>(cGame::readByte(data));
  }
  return t;
}

// The value of the first record of (a, b) over three parallel tables; -1 when none.
int32_t FindTriple(ByteArray* as, ByteArray* bs, ByteArray* values, int32_t a, int32_t b) {
  if (!as || !bs || !values) return -1;
  const int32_t n = std::min({as->length, bs->length, values->length});
  for (int32_t i = 0; i < n; i++) {
    if (as->elements()[i] == a && bs->elements()[i] == b) return values->elements()[i];
  }
  return -1;
}

// Skips count s16 pairs at the cursor; false (traced) when they pass the end.
bool SkipPairs(ByteArray* data, int32_t count, int32_t pack) {
  if (WholeRecords(data, count, 4, pack) != count) return false;
  cGame::setDataCursor(Statics<GameStatics>()->cGame_dataCursor + 4 * count);
  return true;
}

}  // namespace

// ---- The boot load's tables -------------------------------------------------------------------

void cGame::loadByteTriples130() {
  GameStatics* s = Statics<GameStatics>();
  const Triples t = ReadTriples(ReadEntry(kHintPack, 0), kHintPack);
  s->cGame_hintWorlds = t.a;
  s->cGame_hintLevels = t.b;
  s->cGame_hintValues = t.value;
}

// Each table has one byte per record, stored at the record's index; an index outside them is
// skipped.
void cGame::loadIndexedByteTriples136() {
  GameStatics* s = Statics<GameStatics>();
  ByteArray* data = ReadEntry(kWorldPack, 0);
  if (!data) return;
  const int32_t n = WholeRecords(data, readInt(data), 4, kWorldPack);
  ByteArray* values = NewByteArray(n);
  ByteArray* music = NewByteArray(n);
  ByteArray* finalMusic = NewByteArray(n);
  for (int32_t i = 0; values && music && finalMusic && i < n; i++) {
    const int32_t index = readByte(data);
    const int32_t a = readByte(data), b = readByte(data), c = readByte(data) & 0xFF;
    if (index < 0 || index >= n) {
      DebugLog("cGame::loadIndexedByteTriples136: index %d lies outside the %d records; skipped",
               index, n);
      continue;
    }
    values->elements()[index] = static_cast<int8_t>(a);
    music->elements()[index] = static_cast<int8_t>(b);
    finalMusic->elements()[index] = static_cast<int8_t>(c);
  }
  s->cGame_worldValues = values;
  s->cGame_worldMusicIds = music;
  s->cGame_worldFinalMusicIds = finalMusic;
}

void cGame::loadByteTriples207() {
  GameStatics* s = Statics<GameStatics>();
  const Triples t = ReadTriples(ReadEntry(kPairPack, 0), kPairPack);
  s->cGame_pairWorlds = t.a;
  s->cGame_pairLevels = t.b;
  s->cGame_pairValues = t.value;
  s->cGame_bossKind = -1;
}

void cGame::loadPack234() {
  GameStatics* s = Statics<GameStatics>();
  ByteArray* data = ReadEntry(kLookupPack, 0);
  const Triples t = ReadTriples(data, kLookupPack);
  s->cGame_tripleWorlds = t.a;
  s->cGame_tripleLevels = t.b;
  s->cGame_tripleValues = t.value;
  if (!data) return;
  const int32_t n = WholeRecords(data, readInt(data), 6, kLookupPack);
  ObjectArray* records = NewObjectArray(cid::IntArray, n);
  s->cGame_quadRecords = records;
  for (int32_t i = 0; records && i < n; i++) {
    IntArray* record = NewIntArray(4);
    if (!record) return;
    record->elements()[0] = readByte(data);
    record->elements()[1] = readByte(data);
    record->elements()[2] = readShort(data);
    record->elements()[3] = readShort(data);
    records->elements()[i] = record;
  }
}

// Section n of the character lines: its records but the last as (text, value) pairs, the last
// one kept apart. A section number that names no section reads nothing.
void cGame::loadPack235(int32_t n) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_quadFound = false;
  ByteArray* data = ReadEntry(kLookupPack, 1);
  if (!data) return;
  const int32_t sections = readInt(data);
  if (n < 0 || n >= sections) {
    DebugLog("cGame::loadPack235(%d): pack %d has %d sections; nothing read", n, kLookupPack,
             sections);
    return;
  }
  for (int32_t k = 0; k < n; k++) {
    if (!SkipPairs(data, readInt(data), kLookupPack)) return;
  }
  const int32_t count = WholeRecords(data, readInt(data), 4, kLookupPack);
  if (count < 1) {
    DebugLog("cGame::loadPack235(%d): the section has no records; nothing read", n);
    return;
  }
  IntArray* texts = NewIntArray(count - 1);
  IntArray* values = NewIntArray(count - 1);
  if (!texts || !values) return;
  for (int32_t i = 0; i < count - 1; i++) {
    texts->elements()[i] = readShort(data) - 1;
    values->elements()[i] = readShort(data);
  }
  s->cGame_characterLineTexts = texts;
  s->cGame_characterLineValues = values;
  s->cGame_characterLinePairs = (count - 1) >> 1;
  s->cGame_characterLineLastText = readShort(data) - 1;
  s->cGame_characterLineLastValue = readShort(data);
  s->cGame_characterLineIndex = 0;
  s->cGame_characterLineTimer = 0;
  s->cGame_characterLineShown = 0;
}

// ---- The map's level list ---------------------------------------------------------------------

// From entry 1 of the open pack, the sections of worlds 0 up to the shown one (world 0 when
// none is chosen); the last one read stays. A count past the tables stores no level.
void cGame::loadWorldLevelList() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t world = s->cGame_selectedWorld < 0 ? 0 : s->cGame_selectedWorld;
  if (world >= kMapWorlds) {
    DebugLog("cGame::loadWorldLevelList: world %d has no level list", world);
    return;
  }
  ByteArray* data = readPackEntry(1);
  setDataCursor(0);
  if (!data) return;
  if (!s->cGame_worldLevelX) s->cGame_worldLevelX = NewIntArray(kWorldLevelCapacity);
  if (!s->cGame_worldLevelY) s->cGame_worldLevelY = NewIntArray(kWorldLevelCapacity);
  IntArray* xs = s->cGame_worldLevelX;
  IntArray* ys = s->cGame_worldLevelY;
  if (!xs || !ys) return;
  for (int32_t w = 0; w <= world; w++) {
    const int32_t promised = readInt(data);
    const int32_t count = WholeRecords(data, promised, 4, 68);
    const bool fits = count <= xs->length && count <= ys->length;
    for (int32_t i = 0; i < count; i++) {
      const int32_t x = readShort(data), y = readShort(data);
      if (fits) xs->elements()[i] = x, ys->elements()[i] = y;
    }
    s->cGame_worldLevelCount = fits ? count : 0;
    if (count != promised) break;
  }
}

// ---- Two value trees ----------------------------------------------------------------------------

void cGame::loadTwoObjects(String* name, int32_t e1, int32_t e2) {
  GameStatics* s = Statics<GameStatics>();
  openPack(name);
  s->cGame_loadedObjectA = e1 >= 0 ? readPackEntryObject(e1) : nullptr;
  s->cGame_loadedObjectB = e2 >= 0 ? readPackEntryObject(e2) : nullptr;
  closeResourceStream();
}

// ---- Lookups ------------------------------------------------------------------------------------

int32_t cGame::lookupPairValue(int32_t world, int32_t level) {
  GameStatics* s = Statics<GameStatics>();
  return FindTriple(s->cGame_pairWorlds, s->cGame_pairLevels, s->cGame_pairValues, world, level);
}

int32_t cGame::lookupTripleValue(int32_t world, int32_t level) {
  GameStatics* s = Statics<GameStatics>();
  return FindTriple(s->cGame_tripleWorlds, s->cGame_tripleLevels, s->cGame_tripleValues, world,
                    level);
}

// The first record of (a, b) once; later calls keep what was found until loadPack235.
void cGame::lookupQuadRecord(int32_t a, int32_t b) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* records = s->cGame_quadRecords;
  for (int32_t i = 0; records && !s->cGame_quadFound && i < records->length; i++) {
    IntArray* record = CheckCast<IntArray>(records->elements()[i]);
    if (!record || record->length < 4) continue;
    const int32_t* r = record->elements();
    if (r[0] != a || r[1] != b) continue;
    s->cGame_quadFound = true;
    s->cGame_quadValueC = r[2];
    s->cGame_quadValueD = r[3];
  }
}
