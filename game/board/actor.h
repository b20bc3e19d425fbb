// cActor: the pooled game actor.
#pragma once

#include "runtime/object.h"

class cActor : public Object {
 public:
  static constexpr int16_t kClassId = cid::cActor;

  // IActorData is a constant interface: it has no operations, only a non-null answer matters.
  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::IActorData ? static_cast<void*>(this) : nullptr;
  }

  // ---- Class initialiser: game/board/actor_static_init.cpp ----
  // Makes the empty layer heads, the empty pool list and the spawn parameters.
  static void staticInit();
};
