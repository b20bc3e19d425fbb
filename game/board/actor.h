// cActor: the pooled game actor.
#pragma once

#include "runtime/class.h"
#include "runtime/object.h"

class MQLibPlayer;

class cActor : public Object {
 public:
  static constexpr int16_t kClassId = cid::cActor;
  static constexpr int32_t kFree = -1;  // the state of an actor the pool may hand out

  cActor() { RegisterReferenceFields(this, &player); }

  // IActorData is a constant interface: it has no operations, only a non-null answer matters.
  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::IActorData ? static_cast<void*>(this) : nullptr;
  }

  // ---- Class initialiser: game/board/actor_static_init.cpp ----
  // Makes the empty layer heads, the empty pool list and the spawn parameters.
  static void staticInit();

  // ---- Layers: game/board/actor_seams.cpp ----
  // Unlinks the actor from its depth-sorted layer; the layers are not built yet, so there is
  // nothing to unlink from.
  static void removeFromLayer(cActor* actor);

  // The fields the level's reset reads; the actor's others come with the board.
  int32_t state;        // -1 free
  int32_t emitter;      // the particle emitter it owns, -1 none
  MQLibPlayer* player;  // its own animation player, made with it
};
