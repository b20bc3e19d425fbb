// Level type 2, the waves: a generated row comes in after every few landed shots (or at once
// when only the fixed top row is left), and collecting the stage's specials moves the level on
// to its next stage, with a blinking banner. The stage tables are read at stageIndex, which
// selectStage keeps inside the level's stages; stageReached alone counts on past the last.
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/shared_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kWaveType = 2;
constexpr int32_t kTopRowBubbles = 11;  // the fixed row the board hangs from
constexpr int32_t kStagePoints = 200;
constexpr int32_t kBannerTime = 2000;  // ms
constexpr int32_t kBannerText = 227;
constexpr int32_t kBannerFont = 4;
constexpr int64_t kBlinkBit = 0x100;  // of the millisecond tick count: 256 ms on, 256 off
constexpr int32_t kCentred = 3;

// A stage's shots per row; a table entry of 0 or less counts as one shot, so a row still
// comes and waveStep never divides by zero.
int32_t ShotsPerRow(GameStatics* s) {
  const int32_t shots = ByteArray::get(s->cGame_stageShotsPerRow, s->cGame_stageIndex);
  return shots > 0 ? shots : 1;
}

int32_t SpecialsGoal(GameStatics* s) {
  return ByteArray::get(s->cGame_stageSpecialsGoal, s->cGame_stageIndex);
}

// One pending row onto the board. A row that finds too few free bubbles is not built
// (generateRandomLevel traces it); it stays pending with the slot row it was drawn for.
void AddPendingRow(GameStatics* s) {
  const int32_t before = s->cGame_waveRowCount;
  cGame::generateRandomLevel();
  if (s->cGame_waveRowCount == before) return;
  s->cGame_wavePressure = 0;
  s->cGame_pendingRows -= 1;
  cGame::randomizeSlotRow();
  DebugLog("wave row %d", s->cGame_waveRowCount);
}

}  // namespace

// ---- The wave rule, once a frame ---------------------------------------------------------------

// A stage whose specials goal is 0 or less never advances, and its progress reads 0.
void cGame::updateWaveMode() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kWaveType || s->cGame_levelOver) return;
  if (s->cGame_pendingRows > 0) AddPendingRow(s);
  if (s->cGame_landedShotCount >= ShotsPerRow(s) ||
      s->Bubble_activeBubbleCount == kTopRowBubbles) {
    s->cGame_specialState = 0;
    s->cGame_landedShotCount = 0;
    s->cGame_pendingRows += 1;
  }
  const int32_t goal = SpecialsGoal(s);
  if (goal > 0 && s->cGame_stageLevelBubblesPopped >= goal) {
    s->cGame_stageReached += 1;
    selectStage(s->cGame_stageReached);
    addScore(kStagePoints, false);
    s->cGame_stageBannerTimer = kBannerTime;
    s->cGame_waveStep = kTopRowBubbles / ShotsPerRow(s) + 1;
    DebugLog("wave stage %d", s->cGame_stageReached);
  }
  const int32_t shownGoal = SpecialsGoal(s);
  s->cGame_hudProgress = shownGoal > 0 ? s->cGame_stageLevelBubblesPopped * 100 / shownGoal : 0;
  if (s->cGame_stageBannerTimer > 0) s->cGame_stageBannerTimer -= s->cGame_frameTime;
}

// ---- The stage banner --------------------------------------------------------------------------

void cGame::paintWaveText() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType != kWaveType || s->cGame_levelOver) return;
  if (s->cGame_stageBannerTimer < 1 || !(LoadShared(s->cGame_frameTick) & kBlinkBit)) return;
  ASprite* font = actor_support::SpriteInSlot(kBannerFont);
  String* text = getString(kBannerText);
  if (!font || !text) return;
  font->drawPage(s->cGame_currentGraphics(), text, s->cGame_screenWidth() / 2,
                 s->cGame_screenHeight() / 2, kCentred, 0, text->length());
}
