// Level-type rule tests: the bunch fixture's real board with bunch templates of one bubble each,
// as the timed drops and the row feeder build their bunches from them.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"

class TypeRuleTest : public BunchTest {
 protected:
  // Template t holds one bubble of kinds[t] at (0, 0).
  void OneBubbleTemplates(const std::vector<int8_t>& kinds) {
    s->cGame_bunchTemplateCount = static_cast<int32_t>(kinds.size());
    for (size_t t = 0; t < kinds.size(); t++) {
      s->cGame_bunchTemplateSize->elements()[t] = 1;
      static_cast<ByteArray*>(s->cGame_bunchTemplateKind->elements()[t])->elements()[0] = kinds[t];
    }
  }
};
