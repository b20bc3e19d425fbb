// The particle emitter definitions: parsed from a pack entry into particleDefsA and
// particleDefsB, one short[] row each per definition, and read back as copies. Every row
// holds at least the values the particle code reads; a cut entry keeps the definitions that
// lie wholly before the cut.
#include "engine/particle_tables.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "platform/device_path.h"
#include "runtime/string.h"
#include "runtime/exceptions.h"
#include "runtime/static_class.h"
#include "runtime/trace.h"

namespace particles {

namespace {

// The entry is a sequence of records:
//   u8         type: 1 opens the next definition (its A values); 2 gives the B values of the
//              definition opened last; any other type is this one byte alone
//   u8         value count n, unsigned (types 1 and 2)
//   n x s16    the values, little-endian
constexpr int32_t kOpenRecord = 1;
constexpr int32_t kBRecord = 2;
constexpr int32_t kRecordHead = 2;

// What the first pass finds: how many definitions are whole and where the second pass stops.
struct Scan {
  int32_t definitions = 0;
  int32_t end = 0;
};

int32_t Unsigned(ByteArray* data, int32_t at) {
  return static_cast<uint8_t>(data->elements()[at]);
}

// Walks the records. A record cut off by the end of the data ends the walk, with the
// definition it belongs to: the definitions before it are kept.
Scan ScanRecords(ByteArray* data) {
  Scan scan;
  int32_t open = -1;  // offset of the last type-1 record
  int32_t at = 0;
  while (at < data->length) {
    const int32_t type = Unsigned(data, at);
    if (type != kOpenRecord && type != kBRecord) {
      at += 1;
      continue;
    }
    const int64_t end = at + kRecordHead + (at + 1 < data->length ? 2 * Unsigned(data, at + 1) : 0);
    if (at + kRecordHead > data->length || end > data->length) {
      const bool dropsOpen = type == kBRecord && open >= 0;
      if (dropsOpen) scan.definitions--;
      scan.end = dropsOpen ? open : at;
      DebugLog(
          "cGame::loadParticleDefinitions: pack \"%s\", the definitions entry of %d bytes: "
          "the record at offset %d runs past its end; %d definitions are kept",
          PrintablePath(Statics<GameStatics>()->cGame_packName).c_str(), data->length, at,
          scan.definitions);
      return scan;
    }
    if (type == kOpenRecord) {
      scan.definitions++;
      open = at;
    }
    at = static_cast<int32_t>(end);
  }
  scan.end = data->length;
  return scan;
}

// A row of max(n, least) values: the record's n values at the cursor, the rest 0.
ShortArray* ReadRow(ByteArray* data, int32_t n, int32_t least) {
  ShortArray* row = NewShortArray(n > least ? n : least);
  for (int32_t i = 0; i < n; i++) {
    const int32_t v = cGame::readShort(data);
    if (row) row->elements()[i] = static_cast<int16_t>(v);
  }
  return row;
}

// B[3] and B[5] are stored as percentages of B[2] and B[4].
void ScaleSpreads(ShortArray* b) {
  int16_t* v = b->elements();
  v[kLifeSpread] = static_cast<int16_t>(v[kLifeMs] * v[kLifeSpread] / 100);
  v[kB5Spread] = static_cast<int16_t>(v[kB4] * v[kB5Spread] / 100);
}

// The second pass: the rows of the first `count` definitions, from records before `end`.
void ReadRows(ByteArray* data, const Scan& scan, ObjectArray* a, ObjectArray* b) {
  int32_t def = -1;
  cGame::setDataCursor(0);
  while (Statics<GameStatics>()->cGame_dataCursor < scan.end) {
    const int32_t type = cGame::readByte(data) & 0xFF;
    if (type != kOpenRecord && type != kBRecord) continue;
    const int32_t n = cGame::readByte(data) & 0xFF;
    if (type == kOpenRecord) def++;
    if (def < 0) {  // B values before any definition
      cGame::setDataCursor(Statics<GameStatics>()->cGame_dataCursor + 2 * n);
      continue;
    }
    if (def >= a->length) return;
    if (type == kOpenRecord) {
      a->elements()[def] = ReadRow(data, n, kAValues);
      b->elements()[def] = NewShortArray(kBValues);
    } else {
      b->elements()[def] = ReadRow(data, n, kBValues);
    }
  }
}

}  // namespace

bool ReadDefinition(int32_t def, Definition* out) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* as = s->cGame_particleDefsA;
  ObjectArray* bs = s->cGame_particleDefsB;
  if (!as || !bs || def < 0 || def >= as->length || def >= bs->length) return false;
  auto* a = static_cast<ShortArray*>(as->elements()[def]);
  auto* b = static_cast<ShortArray*>(bs->elements()[def]);
  if (!a || !b || a->length < kAValues || b->length < kBValues) return false;
  for (int32_t i = 0; i < kAValues; i++) out->a[i] = a->elements()[i];
  for (int32_t i = 0; i < kBValues; i++) out->b[i] = b->elements()[i];
  return true;
}

int32_t DefinitionCount() {
  ObjectArray* as = Statics<GameStatics>()->cGame_particleDefsA;
  return as ? as->length : 0;
}

IntArray* EmitterRow(int32_t e) {
  ObjectArray* rows = Statics<GameStatics>()->cGame_particleEmitters;
  if (!rows || e < 0 || e >= kEmitters || e >= rows->length) return nullptr;
  auto* row = static_cast<IntArray*>(rows->elements()[e]);
  return row && row->length >= kWords ? row : nullptr;
}

IntArray* ParticleRow(int32_t slot) {
  ObjectArray* rows = Statics<GameStatics>()->cGame_particlePool;
  if (!rows || slot < 0 || slot >= rows->length) return nullptr;
  auto* row = static_cast<IntArray*>(rows->elements()[slot]);
  return row && row->length >= kWords ? row : nullptr;
}

}  // namespace particles

using namespace particles;

// Two passes: the first counts the whole definitions, the second reads their rows. A type-2
// record before any type-1 is skipped; a definition without one has B values of 0.
void cGame::loadParticleDefinitions(ByteArray* data) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_particleDefsA = nullptr;
  s->cGame_particleDefsB = nullptr;
  s->cGame_particleDefsTraced = nullptr;
  if (!NullCheck(data)) return;
  const Scan scan = ScanRecords(data);
  ObjectArray* a = NewObjectArray(cid::ShortArray, scan.definitions);
  ObjectArray* b = NewObjectArray(cid::ShortArray, scan.definitions);
  ByteArray* traced = NewByteArray(scan.definitions);
  if (!a || !b || !traced) return;
  s->cGame_particleDefsA = a;
  s->cGame_particleDefsB = b;
  s->cGame_particleDefsTraced = traced;
  ReadRows(data, scan, a, b);
  for (int32_t def = 0; def < scan.definitions; def++) {
    auto* row = static_cast<ShortArray*>(b->elements()[def]);
    if (!row || !a->elements()[def]) {
      DebugLog("cGame::loadParticleDefinitions: no memory for definition %d; it stays out", def);
      continue;
    }
    ScaleSpreads(row);
  }
}
