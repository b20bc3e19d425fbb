// The whole static block: every floor's static fields (game/game_statics.h, which derives
// from javame/device_statics.h) and the collector's table of reference statics, built from
// the same lists. The runtime makes it through NewStaticClass (runtime/static_class.h).
#pragma once

#include <cstdint>

#include "game/game_statics.h"

// Every list, in the order of the root table: the application's, then the device floor's.
#define PLIMORA_STATIC_FIELDS(REF, VALUE) \
  PLIMORA_GAME_STATIC_FIELDS(REF, VALUE) PLIMORA_DEVICE_STATIC_FIELDS(REF, VALUE)

// The number of reference statics: the length of the static root table.
constexpr int32_t kStaticRootCount =
    0 PLIMORA_STATIC_FIELDS(PLIMORA_COUNT_REF_STATIC, PLIMORA_SKIP_STATIC);

class StaticBlock final : public GameStatics {
 public:
  // Every static zero, the root table filled.
  StaticBlock();

  int32_t blockBytes() const override { return static_cast<int32_t>(sizeof(StaticBlock)); }

  // The address of every reference static, in PLIMORA_STATIC_FIELDS order.
  Object** staticRoots[kStaticRootCount];

 private:
  Object** const* staticRootSlots(int32_t* count) const override;
};
