// Play tests: the board's real pools started, the data set's packs planted with the maths
// tables and the launcher's sprites (slots 25, 29, 35, 36, 39) loaded, the key arrays, both
// random generators seeded, the screen at the play area's 480 x 640, and helpers that step the
// launcher or the play state one frame with keys held or pressed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/bunch_fixture.h"

class PlayTest : public BunchTest {
 protected:
  static constexpr int32_t kFrameMs = 40;
  static constexpr int32_t kEffectsPack = 80;  // string constant naming the pack

  void SetUp() override {
    BunchTest::SetUp();
    PlantDataSetPacks();
    cGame::loadMathTables();
    s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1234});
    s->cGame_randomSeed = 12345;
    LoadEffectSprites();
    cGame::openPack(GetConstantString(kEffectsPack));
    for (auto [slot, entry] : {std::pair{36, 0}, std::pair{29, 1}, std::pair{39, 3}}) {
      s->cGame_spriteTable->elements()[slot] =
          cGame::loadSprite(entry, 1, 0, 0, true, false, 0, nullptr);
    }
    cGame::closeResourceStream();
    s->cGame_keysLive = NewByteArray(cGame::kGameKeyCount);
    s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
    s->cGame_touchAction = cGame::kNoTouchAction;
    s->cGame_pointerX = s->cGame_pointerY = -1;
    s->cGame_tapX = s->cGame_tapY = -1;
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 640;
    s->cGame_nextState = -1;
    s->cGame_levelVariant = 1;  // a plain level
    s->cGame_bossKind = -1;
  }

  // The launcher as a level load leaves it, ready after its first refill.
  void LoadLauncher() {
    cGame::resetLauncherPosition();
    cGame::createShooterActors();
    cGame::createAimDots();
    s->cGame_playPhase = 9;
    for (int32_t i = 0; i < 3; i++) Shooter();
  }

  // One launcher frame of dt ms with the keys held (held keys count 2: down, not just pressed)
  // and the keys pressed in this frame.
  void Shooter(std::initializer_list<int32_t> held = {}, std::initializer_list<int32_t> pressed = {},
               int32_t dt = kFrameMs) {
    SetKeys(held, pressed);
    s->cGame_frameTime = dt;
    cGame::updateShooter();
    SetKeys({}, {});
  }

  void SetKeys(std::initializer_list<int32_t> held, std::initializer_list<int32_t> pressed) {
    for (int32_t k = 0; k < cGame::kGameKeyCount; k++) s->cGame_keysLatched->elements()[k] = 0;
    for (int32_t k : held) s->cGame_keysLatched->elements()[k] = 2;
    for (int32_t k : pressed) s->cGame_keysLatched->elements()[k] = 1;
  }

  // The game generator stepped by hand: the upper 16 bits of its next state.
  static int32_t HandDraw(int32_t* seed) {
    *seed = static_cast<int32_t>(static_cast<uint32_t>(*seed) * 1664525u + 1013904223u);
    return static_cast<int32_t>(static_cast<uint32_t>(*seed) >> 16);
  }

  bool Queued(int32_t event) const { return cGame::findEvent(event) >= 0; }
};
