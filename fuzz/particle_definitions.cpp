// Fuzz target: any bytes as the particle definitions entry, over the data set's three particle
// sprites; two emitters of each definition (up to 8) run 50 frames of 40 ms, each frame
// painted on a 128 x 128 image, with their owners' operations along the way (target flags,
// slot shares, a denominator of 0, a kill, a stop). Invariants: the definitions are no more
// than the type-1 records could be, every live particle has a frame time of at least 1 ms, no
// emitter walks more than its 60 slots, and the driver leaves no live count behind.
#include <cstddef>
#include <cstdint>

#include "engine/particle_tables.h"
#include "engine/sprite.h"
#include "fuzz/support/fuzz_runtime.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "javame/random.h"
#include "runtime/static_class.h"
#include "tools/databuild/maths_tables.h"
#include "tools/databuild/particle_sprites.h"
#include "tools/databuild/sprite_writer.h"

namespace {

using namespace particles;

constexpr int32_t kFuzzDataHeapSize = 16 * 1024 * 1024;
constexpr size_t kLargestInput = 4096;
constexpr int32_t kMostDefinitions = 8;
constexpr int32_t kFrames = 50;
constexpr int32_t kSide = 128;

IntArray* Ints(const std::vector<int32_t>& values) {
  IntArray* array = NewIntArray(static_cast<int32_t>(values.size()));
  for (size_t i = 0; i < values.size(); i++) array->elements()[i] = values[i];
  return array;
}

ASprite* LoadSprite(const databuild::SpriteData& data) {
  const std::vector<uint8_t> bytes = databuild::WriteSprite(data);
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(FuzzBytes(bytes.data(), bytes.size()), 0, 0, 0);
  for (int32_t p = 0; p < sprite->paletteCount; p++) sprite->buildModuleImages(p, 0, -1, -1);
  return sprite;
}

// The pools, the maths tables, the particle sprites in slots 6 to 8 with their Images, a
// 40 ms frame.
bool SetUpOnce() {
  StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
  GameStatics* s = Statics<GameStatics>();
  cGame::clinitTables();  // the particle pool and the emitter rows
  s->cGame_fixCosTable = Ints(databuild::FixedCosineTable());
  s->cGame_spriteTable = NewObjectArray(cid::Object, kFirstSpriteSlot + kSprites);
  const databuild::SpriteData sprites[] = {databuild::SparkSprite(), databuild::ShardSprite(),
                                           databuild::SmokeSprite()};
  for (int32_t i = 0; i < kSprites; i++) {
    ASprite* sprite = LoadSprite(sprites[i]);
    s->cGame_spriteTable->elements()[kFirstSpriteSlot + i] = sprite;
  }
  s->cGame_frameTime = 40;
  auto* image = javax_microedition_lcdui_Image::createImage(kSide, kSide);
  s->cGame_drawGraphics = image->getGraphics();
  return true;
}

// At most the first records: a type-1 record takes at least its two header bytes.
void CheckDefinitions(size_t size) {
  FuzzCheck(DefinitionCount() >= 0 && static_cast<size_t>(DefinitionCount()) <= size / 2);
}

void CheckPool() {
  for (int32_t e = 0; e < kEmitters; e++) {
    const int32_t* w = EmitterRow(e)->elements();
    FuzzCheck(UsedSlots(w) >= 0 && UsedSlots(w) <= kSlots);
    for (int32_t i = 0; i < kSlots; i++) {
      const int32_t* p = ParticleRow(e * kSlots + i)->elements();
      FuzzCheck(p[kLife] <= 0 || p[kFrameMs] >= 1);
    }
  }
}

// The owner's operations at some frames: halve and restore the share, a share of nothing,
// flip the target, kill one emitter, stop the other.
void OwnerStep(int32_t frame, int32_t e) {
  if (e < 0) return;
  if (frame == 5) cGame::setEmitterSlotShare(e, 1, 2);
  if (frame == 8) cGame::setEmitterSlotShare(e, 3, 0);
  if (frame == 10) cGame::setEmitterTarget(e, e % 2);
  if (frame == 20) cGame::setEmitterSlotShare(e, 1, 1);
  if (frame == 25) cGame::setEmitterPos(e, cGame::getEmitterX(e) + 7, cGame::getEmitterY(e) - 5);
  if (frame == 40) {
    if (e % 2) {
      cGame::killEmitterParticles(e);
    } else {
      cGame::stopEmitter(e);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = SetUpOnce();
  if (!started || size > kLargestInput) return 0;
  GameStatics* s = Statics<GameStatics>();
  s->cGame_sharedRandom = NewObject<java_util_Random>(static_cast<int64_t>(size));
  cGame::loadParticleDefinitions(FuzzBytes(data, size));
  CheckDefinitions(size);
  cGame::createParticlePlayers();
  int32_t emitters[2 * kMostDefinitions];
  const int32_t defs = DefinitionCount() < kMostDefinitions ? DefinitionCount() : kMostDefinitions;
  for (int32_t d = 0; d < defs; d++) {
    emitters[2 * d] = cGame::startParticleEmitter(40, 60, d, -1, d);
    emitters[2 * d + 1] = cGame::startParticleEmitter(90, 30, d, d, d);
  }
  for (int32_t frame = 0; frame < kFrames; frame++) {
    for (int32_t i = 0; i < 2 * defs; i++) OwnerStep(frame, emitters[i]);
    cGame::updateParticleEmitters();
    FuzzCheck(s->cGame_particleLiveCount == 0);
    for (int32_t e = 0; e < kEmitters; e++) {
      if (cGame::isEmitterState1(e)) cGame::paintParticleEmitter(e, frame % 9 - 1);
    }
    CheckPool();
  }
  return 0;
}
