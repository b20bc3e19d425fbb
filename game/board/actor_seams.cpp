// Stand-in for the actor layers until the board lands: no actor is ever in a layer yet.
#include "game/board/actor.h"

void cActor::removeFromLayer(cActor*) {}
