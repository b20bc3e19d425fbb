// cActor's class initialiser: the arrays of the display layers and the actor pool.
#include "game/board/actor.h"

#include "game/game_statics.h"
#include "runtime/array.h"

void cActor::staticInit() {
  GameStatics* s = Statics<GameStatics>();
  s->cActor_actorLayers = NewObjectArray(cid::cActor, kLayerCount);
  s->cActor_actorPool = NewObjectArray(cid::cActor, kPoolSize);
  s->cActor_actorParams = NewIntArray(kParamCount);
}
