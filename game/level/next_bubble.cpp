// The choice of the next bubble: the launcher's current and next kinds, a rising chance of a
// special bubble from weighted special slots, a colour the level objects want, the shot
// sequence of the level, or a random colour present on the board. Every draw of the game's
// generator counts: the same seed gives the same bubbles.
#include <bit>
#include <cstdlib>

#include "game/board/actor.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/java_arith.h"

namespace {

constexpr int32_t kAllColours = 127;  // colours 0..6
constexpr int32_t kSpecialSlots = 22;  // special kinds 7..28
constexpr int32_t kColourTries = 20;
constexpr int32_t kRowFeederType = 7;
constexpr int32_t kWaveLevel = 2, kPathLevel = 4, kDropLevel = 6;
constexpr int32_t kBunches = 10;
constexpr int32_t kQueuedState = 3;
constexpr int32_t kSwapTime = 250;  // ms of the refill animation
constexpr int32_t kPreviewDx = 62, kPreviewDy = -66;
constexpr int32_t kOffScreenY = -100;
constexpr int32_t kLoopMode = 20;

GameStatics* S() {
  return Statics<GameStatics>();
}

// One step of the game generator; its upper 16 bits, 0..65535.
int32_t Draw() {
  GameStatics* s = S();
  s->cGame_randomSeed = s->cGame_randomSeed * 1664525 + 1013904223;
  return JavaUshr(s->cGame_randomSeed, 16);
}

int32_t ByteAt(ByteArray* a, int32_t i) {
  return a && i >= 0 && i < a->length ? a->elements()[i] : 0;
}

// Weighted slot: the first slot whose running total reaches r, r drawn below the weights'
// sum. A sum of 0 or less gives an ordinary colour instead.
int32_t WeightedSpecial(GameStatics* s) {
  ByteArray* weights = s->cGame_specialWeights;
  int32_t sum = 0;
  for (int32_t i = 0; i < kSpecialSlots; i++) sum += ByteAt(weights, i);
  if (sum <= 0) return cGame::randomSetBit();
  const int32_t r = cGame::rand(sum);
  int32_t total = 0;
  int32_t slot = kSpecialSlots - 1;
  for (int32_t i = 0; i < kSpecialSlots; i++) {
    total += ByteAt(weights, i);
    if (total >= r) {
      slot = i;
      break;
    }
  }
  ShortArray* kinds = s->cGame_specialKinds;
  return kinds && slot < kinds->length ? kinds->elements()[slot] : cGame::randomSetBit();
}

// The stage's allowed slots: only bits 0..21 name a slot, so higher bits are left out; with
// none (or no stage tables) the bubble is an ordinary colour.
int32_t StageSpecial(GameStatics* s) {
  IntArray* masks = s->cGame_stageMasks;
  const int32_t stage = s->cGame_stageIndex;
  const int32_t mask = masks && stage >= 0 && stage < masks->length
                           ? masks->elements()[stage] & ((1 << kSpecialSlots) - 1)
                           : 0;
  ShortArray* kinds = s->cGame_specialKinds;
  if (mask == 0 || !kinds) return cGame::randomSetBit();
  const int32_t slot = cGame::nthSetBit(mask, cGame::rand(cGame::popCount(mask)) + 1);
  return slot >= 0 && slot < kinds->length ? kinds->elements()[slot] : cGame::randomSetBit();
}

// A colour of the mask, up to 20 draws; the last draw stands when none hits.
int32_t RandomColourIn(int32_t mask) {
  int32_t c = 0;
  for (int32_t i = 0; i < kColourTries; i++) {
    c = Draw() % 7;
    if (mask >> c & 1) break;
  }
  return c;
}

// The next kind of the level's shot sequence (stored last first); true when the pass goes on,
// so the chance does not grow. A pass that ends restarts while repeats allow it.
bool NextInSequence(GameStatics* s, int32_t* c) {
  s->cGame_shotSequencePending -= 1;
  *c = ByteAt(s->cGame_shotSequence, s->cGame_shotSequencePending);
  if (s->cGame_shotSequencePending > 0) return true;
  const int32_t repeats = s->cGame_shotSequenceRepeats;
  if (repeats == -1 || repeats > 0) {
    s->cGame_shotSequencePending = s->cGame_shotSequenceLength;
    if (repeats > 0) s->cGame_shotSequenceRepeats = repeats - 1;
  }
  return false;
}

void ShowPreview(cActor* actor, int32_t colour, int32_t x, int32_t y) {
  cActor::setAnimation(actor, colour, kLoopMode, true);
  cActor::setVisible(actor, true);
  cActor::setPosition(actor, x, y);
}

}  // namespace

// ---- Random colours ---------------------------------------------------------------------------

int32_t cGame::randomSetBit() {
  const int32_t mask = S()->cGame_boardColourMask;
  if (mask <= 0) return Draw() % 7;
  const int32_t bits = popCount(mask);
  const int32_t k = bits > 0 ? Draw() % bits : 0;
  return nthSetBit(mask, k + 1);
}

// A type-7 bunch whose lock (its second decoration) already shows c gets one fresh draw,
// unchecked.
int32_t cGame::randomColorNotBunch7(int32_t nBunches) {
  const int32_t c = randomSetBit();
  for (int32_t b = 0; b < nBunches && b < kBunches; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch || !bunch->inUse || bunch->type != kRowFeederType || !bunch->decorations) continue;
    if (bunch->decorations->length < 2) continue;
    cActor* lock = CheckCast<cActor>(bunch->decorations->elements()[1]);
    if (lock && cActor::getAnim(lock) == c) return randomSetBit();
  }
  return c;
}

// ---- The next bubble --------------------------------------------------------------------------

int32_t cGame::chooseNextBubbleColor() {
  GameStatics* s = S();
  int32_t mask = s->cGame_boardColourMask;
  if (mask == 0 || s->cGame_levelType == kPathLevel) mask = kAllColours;
  if (s->cGame_shotSequencePending == 0) {
    // The chance's diagnostic constants are fetched and dropped.
    for (int32_t n = 225; n <= 229; n++) GetConstantString(n);
    if (Draw() % 100 < s->cGame_specialChance) {
      const int32_t kind = s->cGame_levelType == kWaveLevel ? StageSpecial(s) : WeightedSpecial(s);
      s->cGame_specialChance = s->cGame_specialBaseChance;
      s->cGame_specialChance += s->cGame_specialChanceStep;
      return kind;
    }
  }
  int32_t c = -1;
  if (hasLevelObjectList()) {
    c = bestType7BunchValue();
    if (c == s->cGame_currentColour) c = -1;
  }
  if (s->cGame_levelType == kDropLevel && getRandom(0, 2) == 0) {
    const int32_t d = pickMostCommonColour(s->cGame_currentColour);
    if (d != -1) c = d;
  }
  if (c == -1) {
    if (s->cGame_shotSequencePending <= 0) {
      c = RandomColourIn(mask);
    } else if (NextInSequence(s, &c)) {
      return c;
    }
  }
  if (s->cGame_shotSequencePending == 0) s->cGame_specialChance += s->cGame_specialChanceStep;
  return c;
}

void cGame::advanceBubbleQueue() {
  GameStatics* s = S();
  s->cGame_shooterState = kQueuedState;
  s->cGame_savedShooterState = kQueuedState;
  s->cGame_currentColour = s->cGame_nextColour;
  s->cGame_nextColour = chooseNextBubbleColor();
  ShowPreview(s->cGame_currentBubbleActor, s->cGame_currentColour,
              s->cGame_launcherX + kPreviewDx, s->cGame_launcherY + kPreviewDy);
  ShowPreview(s->cGame_nextBubbleActor, s->cGame_nextColour, 0, kOffScreenY);
  s->cGame_swapTimer = kSwapTime;
}

void cGame::releaseShotPreview() {
  GameStatics* s = S();
  cActor::release(s->cGame_launcherActor());
  s->cGame_launcherActor() = nullptr;
}

// ---- Stages of level type 2 -------------------------------------------------------------------

// The stage is kept within the level's stages; a level without stages reads no stage table.
void cGame::selectStage(int32_t stage) {
  GameStatics* s = S();
  setStageNumberText(stage);
  const int32_t count = s->cGame_waveStageCount;
  s->cGame_stageIndex = stage >= count ? count - 1 : stage;
  if (s->cGame_stageIndex < 0) s->cGame_stageIndex = 0;
  s->cGame_stageShotCount = 0;
  s->cGame_stageChainCount = 0;
  s->cGame_stageLevelBubblesPopped = 0;
  for (int32_t n = 247; n <= 249; n++) GetConstantString(n);
  if (count < 1) return;
  const int32_t i = s->cGame_stageIndex;
  s->cGame_waveStageValue = ByteAt(s->cGame_stageTableE, i);
  s->cGame_specialChance = ByteAt(s->cGame_stageTableH, i);
  s->cGame_specialBaseChance = ByteAt(s->cGame_stageTableI, i);
  s->cGame_specialChanceStep = ByteAt(s->cGame_stageTableJ, i);
}

// ---- The loading screen's variant -------------------------------------------------------------

// |r| is taken in 64 bits (r may be -2^31) and the index kept inside the 8-entry table, which
// worldsUnlocked + 1 can pass.
int32_t cGame::pickRandomVariant() {
  GameStatics* s = S();
  IntArray* table = s->cGame_variantOrder;
  if (!table || table->length == 0) return 0;
  const int64_t span = static_cast<int64_t>(s->cGame_worldsUnlocked) + 1;
  int64_t index = 0;
  java_util_Random* random = s->cGame_sharedRandom;
  if (span > 0 && NullCheck(random)) {
    index = std::llabs(static_cast<int64_t>(random->next(32))) % span;
  }
  return table->elements()[index % table->length];
}
