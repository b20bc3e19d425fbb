// Actor tests: a started runtime with the real actor pool made, an empty event queue and a
// sprite table, the data set's effect sprites (slots 35 and 25) and, for texts, its body font
// (slot 3) and text table, read through the real archive and packs; small readers of the
// layers, the queue and the pool.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board/actor.h"
#include "game/game_statics.h"
#include "tests/support/library_fixture.h"

class ActorTest : public LibraryTest {
 protected:
  static constexpr int32_t kPopSlot = 35;
  static constexpr int32_t kRisingSlot = 25;
  static constexpr int32_t kFontSlot = 3;

  void SetUp() override;

  // Plants the data set's packs "effects", "fonts" and "text", then loads the effect sprites
  // into their slots (and with texts, the fonts, their character table and the text table).
  void LoadEffectSprites();
  void LoadFontsAndTexts();
  ASprite* Slot(int32_t slot) const;

  static cActor* Pooled(int32_t i);
  // Layer L from head to tail; every link is checked both ways on the way.
  static std::vector<cActor*> Layer(int32_t L);
  static std::vector<int32_t> Events();
  static int32_t FreeCount();
  // A sprite actor of slot 35 at (x, y) and depth z in layer L, playing anim in mode.
  static cActor* Sprite(int32_t x, int32_t y, int32_t z, int32_t L, int32_t anim = 0,
                        int32_t mode = cActor::kModePlain, int32_t event = 0);
  // Runs updateAll with frameTime dt, n times.
  static void Frames(int32_t dt, int32_t n = 1);

  // Plants the data set's packs of these names in the archive.
  void PlantPacks(std::initializer_list<const char*> names);

  GameStatics* s = nullptr;
};
