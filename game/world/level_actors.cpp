// The level's scenery and the actors every level starts with: the scenery records of a pack
// entry made into sprite and gradient-box actors in layer 4, type 4's walker creatures, the two
// carriers and the HUD meters. Each creator frees the actors it replaces first.
#include <string>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/trace.h"

using actor_support::SpriteInSlot;

// A scenery entry is a list of records, little-endian and signed, read to the entry's end:
//   u8 kind, s16 x, s16 y (pixels), then
//   kinds 1, 2, 3: s16 sprite index (kind 1 only), s16 animation, s16 p (palette and value)
//   kind 4:        s16 w, s16 h, s16 c1, s16 c2 (indexes of colourTable)
// Kind 1 is one sprite of the scenery sprite pack; kinds 2 and 3 take sprite set A or B; kind 4
// is a gradient box. Records are numbered from 1: the number is the actor's depth.

namespace {

constexpr int32_t kScenePack = 264;     // string constant: the scenery pack
constexpr int32_t kSceneSpritePack = 85;
constexpr int32_t kSetAPack = 265, kSetBPack = 266;
constexpr int32_t kSceneLayer = 4;
constexpr int32_t kBoxMode = 32;
constexpr int32_t kPaletteCount = 32;

enum RecordKind : int32_t { kOwnSprite = 1, kSetA = 2, kSetB = 3, kBox = 4 };

struct SceneRecord {
  int32_t kind, x, y;
  int32_t v[4];  // index, animation, p; or w, h, c1, c2
};

// A bounded little-endian reader over one entry.
struct EntryReader {
  ByteArray* bytes;
  int32_t at = 0;
  bool cut = false;

  int32_t left() const { return bytes->length - at; }
  int32_t u8() { return left() >= 1 ? bytes->elements()[at++] & 0xFF : (cut = true, 0); }
  int32_t s16() {
    if (left() < 2) return cut = true, 0;
    const int32_t v = (bytes->elements()[at] & 0xFF) | (bytes->elements()[at + 1] << 8);
    at += 2;
    return static_cast<int16_t>(v);
  }
};

// The records of the entry; an unknown kind or a record cut by the entry's end ends the list
// there with a trace line (a record's length is known only from its kind).
std::vector<SceneRecord> ReadSceneRecords(ByteArray* entry, int32_t number) {
  std::vector<SceneRecord> records;
  if (!entry) return records;
  EntryReader in{entry};
  while (in.left() > 0) {
    const int32_t at = in.at;
    SceneRecord r{};
    r.kind = in.u8();
    if (r.kind < kOwnSprite || r.kind > kBox) {
      DebugLog("cGame::spawnLevelActors: scenery entry %d: record kind %d at offset %d is "
               "unknown; the rest of the entry is skipped",
               number, r.kind, at);
      break;
    }
    r.x = in.s16();
    r.y = in.s16();
    const int32_t values = r.kind == kBox ? 4 : 3;
    for (int32_t k = 0; k < values; k++) r.v[k] = in.s16();
    if (in.cut) {
      DebugLog("cGame::spawnLevelActors: scenery entry %d: the record at offset %d is cut by "
               "the entry's end",
               number, at);
      break;
    }
    records.push_back(r);
  }
  return records;
}

int32_t PaletteBit(int32_t p) {
  return p >= 0 && p < kPaletteCount ? 1 << p : 0;
}

// Entry `entry` of the pack named by string constant pack.
ByteArray* ReadEntry(int32_t pack, int32_t entry) {
  cGame::openPack(GetConstantString(pack));
  ByteArray* bytes = cGame::readPackEntry(entry);
  cGame::closeResourceStream();
  return bytes;
}

ASprite* LoadFrom(int32_t pack, int32_t entry, int32_t mask) {
  cGame::openPack(GetConstantString(pack));
  ASprite* sprite = cGame::loadSpriteShort(entry, mask, 1, 0);
  cGame::closeResourceStream();
  return sprite;
}

ASprite* SetSprite(ObjectArray* set) {
  return set && set->length > 0 ? CheckCast<ASprite>(set->elements()[0]) : nullptr;
}

// A scenery actor of sprite playing anim looping; none without the sprite.
cActor* SceneActor(ASprite* sprite, const SceneRecord& r, int32_t anim, int32_t p,
                   int32_t depth) {
  if (!sprite) return nullptr;
  return cGame::spawnActor(sprite, p, r.x, r.y, anim, depth, cActor::kModeLoop, kSceneLayer, 0);
}

void Store(ObjectArray* list, int32_t& n, cActor* actor) {
  if (actor && list && n < list->length) list->elements()[n++] = actor;
}

}  // namespace

// ---- Scenery ----------------------------------------------------------------------------------

void cGame::spawnLevelActors(bool keepSprites, int32_t entry) {
  GameStatics* s = Statics<GameStatics>();
  const std::vector<SceneRecord> records = ReadSceneRecords(ReadEntry(kScenePack, entry), entry);
  if (!s->cGame_sceneSpritesA) s->cGame_sceneSpritesA = NewObjectArray(cid::ASprite, 1);
  if (!s->cGame_sceneSpritesB) s->cGame_sceneSpritesB = NewObjectArray(cid::ASprite, 1);
  int32_t maskA = 0, maskB = 0, countA = 0, countB = 0, boxes = 0;
  int32_t depth = 0;
  for (const SceneRecord& r : records) {
    depth += 1;
    const int32_t p = r.v[2];
    switch (r.kind) {
      case kOwnSprite:
        if (!keepSprites) s->cGame_sceneSprite = LoadFrom(kSceneSpritePack, r.v[0], PaletteBit(p));
        s->cGame_sceneActor = SceneActor(s->cGame_sceneSprite, r, r.v[1], p, depth);
        break;
      case kSetA:
        maskA |= PaletteBit(p), countA += 1;
        break;
      case kSetB:
        maskB |= PaletteBit(p), countB += 1;
        break;
      default:
        boxes += 1;
        break;
    }
  }
  if (!keepSprites) {
    if (countA > 0 && s->cGame_sceneSpritesA) {
      s->cGame_sceneSpritesA->elements()[0] = LoadFrom(kSetAPack, 0, maskA);
    }
    if (countB > 0 && s->cGame_sceneSpritesB) {
      s->cGame_sceneSpritesB->elements()[0] = LoadFrom(kSetBPack, 0, maskB);
    }
  }
  s->cGame_sceneActorsA = NewObjectArray(cid::cActor, countA);
  s->cGame_sceneActorsB = NewObjectArray(cid::cActor, countB);
  s->cGame_sceneBoxes = NewObjectArray(cid::cActor, boxes);
  ASprite* setA = SetSprite(s->cGame_sceneSpritesA);
  ASprite* setB = SetSprite(s->cGame_sceneSpritesB);
  IntArray* colours = s->cGame_colourTable;
  int32_t a = 0, b = 0, n = 0;
  depth = 0;
  for (const SceneRecord& r : records) {
    depth += 1;
    if (r.kind == kSetA) Store(s->cGame_sceneActorsA, a, SceneActor(setA, r, r.v[1], r.v[2], depth));
    if (r.kind == kSetB) Store(s->cGame_sceneActorsB, b, SceneActor(setB, r, r.v[1], r.v[2], depth));
    if (r.kind != kBox) continue;
    const int32_t c1 = r.v[2], c2 = r.v[3];
    if (!colours || c1 < 0 || c2 < 0 || c1 >= colours->length || c2 >= colours->length) {
      DebugLog("cGame::spawnLevelActors: scenery entry %d: box %d's colours %d, %d are not in "
               "the colour table; no box",
               entry, depth, c1, c2);
      continue;
    }
    Store(s->cGame_sceneBoxes, n,
          spawnGradientBox(r.x, r.y, r.v[0], r.v[1], colours->elements()[c1],
                           colours->elements()[c2], kBoxMode, depth, kSceneLayer));
  }
}

// ---- Level-start actors -----------------------------------------------------------------------

namespace {

constexpr int32_t kStartLayer = 1;

// A hidden-or-shown looping actor of slot's sprite at depth z in layer 1, at (0, 0).
cActor* StartActor(int32_t slot, int32_t z, int32_t mode, bool visible) {
  cActor* actor = cGame::spawnActor(SpriteInSlot(slot), 0, 0, 0, 0, z, mode, kStartLayer, 0);
  if (!visible) cActor::setVisible(actor, false);
  return actor;
}

// Frees the actor held in the static field and empties the field.
template <class Field>
void Free(Field& field) {
  cActor::release(field);
  field = nullptr;
}

cActor* Entry(ObjectArray* list, int32_t i) {
  return list && i < list->length ? CheckCast<cActor>(list->elements()[i]) : nullptr;
}

void FreeAll(ObjectArray* list) {
  for (int32_t i = 0; list && i < list->length; i++) {
    cActor::release(Entry(list, i));
    list->elements()[i] = nullptr;
  }
}

}  // namespace

void cGame::createLevelProps() {
  GameStatics* s = Statics<GameStatics>();
  FreeAll(s->cGame_pathWalkerBody);
  FreeAll(s->cGame_pathWalkerCarryActor);
  const int32_t slots = s->cGame_levelObjectCount > 0 ? s->cGame_levelObjectCount : 0;
  s->cGame_pathWalkerBody = NewObjectArray(cid::cActor, slots);
  s->cGame_pathWalkerCarryActor = NewObjectArray(cid::cActor, slots);
  s->cGame_pathWalkerKnocked = NewByteArray(slots);
  for (int32_t i = 0; i < slots; i++) {
    cActor* body = StartActor(24, 400, cActor::kModeNotifyOnce, true);
    if (body) body->state = cActor::kSpriteThenNext;
    if (s->cGame_pathWalkerBody) s->cGame_pathWalkerBody->elements()[i] = body;
    cActor* carried = StartActor(25, 300, cActor::kModeLoop, false);
    if (s->cGame_pathWalkerCarryActor) s->cGame_pathWalkerCarryActor->elements()[i] = carried;
    ByteArray::set(s->cGame_pathWalkerKnocked, i, 0);
  }
  s->cGame_pathWalkersEntered = 0;
}

void cGame::createFlyerActors() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_flyerState = 0;
  s->cGame_flyerTimeLeft = 0;
  Free(s->cGame_flyerActor);
  Free(s->cGame_flyerBubbleActor);
  s->cGame_flyerActor = StartActor(24, 400, cActor::kModeLoop, false);
  s->cGame_flyerBubbleActor = StartActor(25, 399, cActor::kModeLoop, false);
}

void cGame::createWalkerActors() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_walkerState = 0;
  s->cGame_walkerPending = 0;
  s->cGame_walkerFacingRight = false;
  Free(s->cGame_walkerActor);
  Free(s->cGame_walkerThrowActor);
  s->cGame_walkerActor = StartActor(46, 100, cActor::kModeLoop, false);
  s->cGame_walkerThrowActor = StartActor(25, 200, cActor::kModeLoop, false);
}

namespace {

// HUD meter i takes the sprite and place of HUD player i (initHudAnimPositions set them).
cActor* MeterActor(int32_t i, int32_t anim, int32_t z) {
  ObjectArray* players = Statics<GameStatics>()->cGame_hudAnimPlayers;
  MQLibPlayer* player =
      players && i < players->length ? CheckCast<MQLibPlayer>(players->elements()[i]) : nullptr;
  ASprite* sprite = player ? player->sprite : nullptr;
  const int32_t x = player ? player->x : 0, y = player ? player->y : 0;
  cActor* actor = cGame::spawnActor(sprite, 0, x, y, anim, z, cActor::kModeLoop, kStartLayer, 0);
  cActor::setAnimation(actor, anim, cActor::kModeLoop, true);
  return actor;
}

}  // namespace

// Departure: all four meters are freed before they are made again, not only the first: a
// level restarted without leaving kept the other three in their layer for ever.
void cGame::createMeterActors() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_meterAnim = 0;
  Free(s->cGame_meterActor);
  Free(s->cGame_meterActor2);
  Free(s->cGame_meterActor3);
  Free(s->cGame_meterActor4);
  s->cGame_meterActor = MeterActor(0, 0, 400);
  s->cGame_meterActor2 = MeterActor(1, 11, 400);
  s->cGame_meterActor3 = MeterActor(2, 0, s->cGame_selectedCharacter != 0 ? 200 : 500);
  s->cGame_meterActor4 = MeterActor(3, 0, 100);
  s->cGame_rapidFireLockout = 0;
}
