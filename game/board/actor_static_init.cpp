// cActor's class initialiser: the arrays of the display layers and the actor pool.
#include "game/board/actor.h"

#include "runtime/array.h"
#include "runtime/static_class.h"

namespace {

constexpr int32_t kLayerCount = 8;
constexpr int32_t kPoolSize = 300;
constexpr int32_t kParamCount = 8;

}  // namespace

void cActor::staticInit() {
  StaticClass* s = Statics();
  s->cActor_actorLayers = NewObjectArray(cid::cActor, kLayerCount);
  s->cActor_actorPool = NewObjectArray(cid::cActor, kPoolSize);
  s->cActor_actorParams = NewIntArray(kParamCount);
}
