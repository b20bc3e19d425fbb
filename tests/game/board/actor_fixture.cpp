#include "tests/game/board/actor_fixture.h"

#include <string>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "tools/databuild/data_set.h"

namespace {

constexpr int32_t kSpriteSlots = 63;
constexpr int32_t kEffectsPack = 80;  // string constants naming the packs
constexpr int32_t kFontPack = 274;
constexpr int32_t kTextPack = 273;
constexpr int32_t kPopEntry = 4;
constexpr int32_t kRisingEntry = 5;
constexpr int32_t kBodyFontEntry = 3;

void Store(ObjectArray* table, int32_t slot, Object* value) {
  table->elements()[slot] = value;
}

}  // namespace

void ActorTest::SetUp() {
  LibraryTest::SetUp();
  s = Statics<GameStatics>();
  s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
  s->cGame_eventCount = 0;
  s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
  s->cGame_frameTime = 0;
  cActor::createPool();
}

void ActorTest::PlantPacks(std::initializer_list<const char*> names) {
  for (const databuild::Pack& pack : databuild::DataSetPacks()) {
    for (const char* name : names) {
      if (pack.name != name) continue;
      for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
        PlantArchiveEntry(file.name, file.bytes);
      }
    }
  }
}

void ActorTest::LoadEffectSprites() {
  PlantPacks({"effects"});
  cGame::openPack(GetConstantString(kEffectsPack));
  ObjectArray* table = s->cGame_spriteTable;
  Store(table, kPopSlot, cGame::loadSprite(kPopEntry, 1, 0, 0, true, false, 0, nullptr));
  Store(table, kRisingSlot, cGame::loadSprite(kRisingEntry, 1, 0, 0, true, false, 0, nullptr));
  cGame::closeResourceStream();
  ASSERT_NE(Slot(kPopSlot), nullptr);
  ASSERT_NE(Slot(kRisingSlot), nullptr);
}

void ActorTest::LoadFontsAndTexts() {
  PlantPacks({"fonts", "text"});
  cGame::loadTextPack(GetConstantString(kTextPack), 0);
  cGame::openPack(GetConstantString(kFontPack));
  ASprite* font = cGame::loadSprite(kBodyFontEntry, 3, 0, 0, true, false, 0, nullptr);
  Store(s->cGame_spriteTable, kFontSlot, font);
  cGame::buildFontCharMap(font, cGame::readPackEntryObject(0));
  cGame::closeResourceStream();
  ASSERT_NE(Slot(kFontSlot), nullptr);
}

ASprite* ActorTest::Slot(int32_t slot) const {
  return CheckCast<ASprite>(s->cGame_spriteTable->elements()[slot]);
}

cActor* ActorTest::Pooled(int32_t i) {
  return static_cast<cActor*>(Statics<GameStatics>()->cActor_actorPool->elements()[i]);
}

std::vector<cActor*> ActorTest::Layer(int32_t L) {
  std::vector<cActor*> actors;
  cActor* before = nullptr;
  for (auto* a = static_cast<cActor*>(Statics<GameStatics>()->cActor_actorLayers->elements()[L]); a;
       a = a->next) {
    EXPECT_EQ(a->prev, before) << "layer " << L << " place " << actors.size();
    EXPECT_EQ(a->layer, L) << "layer " << L << " place " << actors.size();
    actors.push_back(a);
    before = a;
    if (actors.size() > cActor::kPoolSize) {
      ADD_FAILURE() << "layer " << L << " closes into a loop";
      break;
    }
  }
  return actors;
}

std::vector<int32_t> ActorTest::Events() {
  IntArray* queue = Statics<GameStatics>()->cGame_eventQueue;
  return std::vector<int32_t>(queue->elements(),
                              queue->elements() + Statics<GameStatics>()->cGame_eventCount);
}

int32_t ActorTest::FreeCount() {
  int32_t n = 0;
  for (int32_t i = 0; i < cActor::kPoolSize; i++) n += Pooled(i)->state == cActor::kFree;
  return n;
}

cActor* ActorTest::Sprite(int32_t x, int32_t y, int32_t z, int32_t L, int32_t anim, int32_t mode,
                          int32_t event) {
  ObjectArray* table = Statics<GameStatics>()->cGame_spriteTable;
  ASprite* sprite = CheckCast<ASprite>(table->elements()[kPopSlot]);
  return cGame::spawnActor(sprite, 0, x, y, anim, z, mode, L, event);
}

void ActorTest::Frames(int32_t dt, int32_t n) {
  Statics<GameStatics>()->cGame_frameTime = dt;
  for (int32_t i = 0; i < n; i++) cActor::updateAll();
}
