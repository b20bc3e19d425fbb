// actor_bench: one play frame of the actor layers with 300 live actors of every type over the
// 8 layers, drawn with the data builder's sprites and body font: updateAll, resortLayer (1)
// over 30 kept-sorted rising bubbles that move each frame, and paintLayer 0 to 7 into a
// 480 x 640 image. Actors that end (one-shot pops, texts, emitters) are spawned again after
// the frame, so the count stays; that spawning is timed too. While no particle emitter can
// start, the 20 emitter actors stay free and their spawns are tried again each frame. The last
// line is "actor_frame_ms: X", the median frame.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/bench_main.h"
#include "engine/mqlib_player.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/application_impl.h"
#include "runtime/string.h"
#include "tools/databuild/bitmap_fonts.h"
#include "tools/databuild/effect_sprites.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/sprite_writer.h"

namespace {

using Image = javax_microedition_lcdui_Image;

constexpr int kRepetitions = 9;
constexpr double kMinSeconds = 0.2;
constexpr int32_t kFrameMs = 40;
constexpr int32_t kPopSlot = 35, kRisingSlot = 25, kFontSlot = 3, kSpriteSlots = 63;

enum class Kind { kSorted, kLooping, kOneShot, kFollowUp, kText, kBox, kEmitter, kMarker };

struct Share {
  Kind kind;
  int count;
};

// 300 in all.
constexpr Share kShares[] = {
    {Kind::kSorted, 30}, {Kind::kLooping, 100}, {Kind::kOneShot, 60}, {Kind::kFollowUp, 20},
    {Kind::kText, 20},   {Kind::kBox, 20},      {Kind::kEmitter, 20}, {Kind::kMarker, 30},
};

ASprite* LoadSprite(const databuild::SpriteData& data) {
  const std::vector<uint8_t> bytes = databuild::WriteSprite(data);
  ByteArray* raw = NewByteArray(static_cast<int32_t>(bytes.size()));
  std::memcpy(raw->elements(), bytes.data(), bytes.size());
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(raw, 0, 0, 0);
  sprite->buildModuleImages(0, 0, -1, -1);
  return sprite;
}

struct Entry {
  Kind kind;
  int index;  // among its kind: spreads places, layers and colours
  cActor* actor;
};

struct Scene {
  ApplicationImpl context;
  GameStatics* s = nullptr;
  Image* screen = nullptr;
  std::vector<Entry> entries;
  int frame = 0;

  Scene() {
    context.init();
    s = Statics<GameStatics>();
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 640;
    s->cGame_effectsEnabled = true;
    ASprite::staticInit();
    s->ASprite_gcOnLoad = false;
    MQPixEffects::init();
    MQLibPlayer::staticInit();
    cActor::staticInit();
    s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
    s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
    ObjectArray* slots = s->cGame_spriteTable;
    slots->elements()[kPopSlot] = LoadSprite(databuild::PopSprite());
    slots->elements()[kRisingSlot] = LoadSprite(databuild::RisingBubbleSprite());
    ASprite* font = LoadSprite(databuild::FontSprite(databuild::FontKind::kBody));
    slots->elements()[kFontSlot] = font;
    const std::vector<int32_t> map = databuild::FontCharMap();
    ShortArray* table = NewShortArray(static_cast<int32_t>(map.size()));
    for (size_t i = 0; i < map.size(); i++) table->elements()[i] = static_cast<int16_t>(map[i]);
    cGame::buildFontCharMap(font, table);
    LoadTexts();
    screen = Image::createImage(480, 640);
    s->cGame_drawGraphics = screen->getGraphics();
    cActor::createPool();
    for (const Share& share : kShares) {
      for (int i = 0; i < share.count; i++) entries.push_back({share.kind, i, nullptr});
    }
    for (Entry& e : entries) e.actor = Spawn(e);
  }

  // The text table as the cache the game builds, from the builder's English texts.
  void LoadTexts() {
    const std::vector<std::string> texts = databuild::GameTexts();
    ObjectArray* cache = NewObjectArray(cid::String, static_cast<int32_t>(texts.size()));
    for (size_t i = 0; i < texts.size(); i++) {
      if (!texts[i].empty()) cache->elements()[i] = NewJavaString(texts[i].c_str());
    }
    s->cGame_textCache = cache;
  }

  ASprite* Slot(int32_t slot) {
    return static_cast<ASprite*>(s->cGame_spriteTable->elements()[slot]);
  }

  cActor* Spawn(const Entry& e) {
    const int32_t x = 30 + (e.index * 53) % 420, y = 40 + (e.index * 97) % 560;
    switch (e.kind) {
      case Kind::kSorted: {
        cActor* a = cGame::spawnActor(Slot(kRisingSlot), 0, x, y, databuild::kRisingLoopAnimation,
                                      500, cActor::kModeLoop, 1, 0);
        if (a) a->flags |= cActor::kKeepSorted;
        return a;
      }
      case Kind::kLooping:
        return cGame::spawnActor(Slot(kPopSlot), 0, x, y, e.index % 3, 100 + e.index % 5,
                                 cActor::kModeLoop, (e.index % 4) * 2, 0);
      case Kind::kOneShot:
        return cGame::spawnActor(Slot(kPopSlot), 0, x, y, e.index % 3, 100, cActor::kModeOnce, 1,
                                 cActor::kPopEndEvent);
      case Kind::kFollowUp: {
        cActor* a = cGame::spawnActor(Slot(kRisingSlot), 0, x, y, databuild::kRisingAppearAnimation,
                                      500, cActor::kModeNotifyOnce, 3, 0);
        cActor::setNextAnim(a, databuild::kRisingLoopAnimation, cActor::kModeLoop);
        return a;
      }
      case Kind::kText:
        return cGame::spawnFloatingText(216 + e.index % 8, x, y, 7);
      case Kind::kBox:
        return cGame::spawnGradientBox(x, y, 60, 24, 0x203060, 0x80A0E0, 32, 50, 0);
      case Kind::kEmitter:
        return cGame::spawnEmitterActor(1, e.index % 7, x, y, 150, 1);
      case Kind::kMarker: {
        cActor* a = cActor::findFreeActor();
        IntArray* params = s->cActor_actorParams;
        params->elements()[0] = e.index % 12;
        params->elements()[1] = e.index / 12;
        params->elements()[2] = e.index;
        cActor::initByType(a, cActor::kCellMarker, params);
        cActor::insertIntoLayer(a, 6);
        return a;
      }
    }
    return nullptr;
  }

  // The kept-sorted bubbles drift up and down past each other.
  void MoveSorted() {
    for (Entry& e : entries) {
      if (e.kind != Kind::kSorted || !e.actor) continue;
      e.actor->y += ((frame + e.index) % 20 < 10) == (e.index % 2 == 0) ? 7 : -7;
    }
  }

  // Every entry whose actor has ended gets a new one; the freed actors are all collected first,
  // so two entries never take the same actor.
  void TopUp() {
    std::vector<Entry*> ended;
    for (Entry& e : entries) {
      if (!e.actor || e.actor->state == cActor::kFree) ended.push_back(&e);
    }
    for (Entry* e : ended) e->actor = Spawn(*e);
    s->cGame_eventCount = 0;  // the play state consumes them
    s->Bubble_popAnimCount = 0;
  }

  void Frame() {
    s->cGame_frameTime = kFrameMs;
    MoveSorted();
    cActor::updateAll();
    cActor::resortLayer(1);
    for (int32_t L = 0; L < cActor::kLayerCount; L++) cActor::paintLayer(L);
    TopUp();
    frame++;
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_ActorFrame(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    scene.Frame();
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_ActorFrame)
    ->Repetitions(kRepetitions)
    ->MinTime(kMinSeconds)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarksForMedian(argc, argv, "actor_frame_ms");
}
