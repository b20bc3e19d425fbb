// The static fields of cActor as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

class IntArray;
class ObjectArray;

// actorLayers: cActor[8], the head actor of each display layer (null when empty).
// actorPool: cActor[300], the pooled actors. actorParams: int[8], the spawn parameters.
#define PLIMORA_STATICS_cActor(REF, VALUE) \
  REF(cActor, ObjectArray, actorLayers)    \
  REF(cActor, ObjectArray, actorPool)      \
  REF(cActor, IntArray, actorParams)
