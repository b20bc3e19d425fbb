// cActor: the pooled game actor. 300 actors are made once and reused; an actor in use may sit
// in one of 8 display layers, each a doubly linked list in ascending order of the sort key, so
// that painting a layer from its head paints back to front. A free actor (state kFree) has
// layer -1 and null links; an actor in layer L has layer == L and consistent links.
#pragma once

#include <cstdint>

#include "runtime/class.h"
#include "runtime/object.h"

class ASprite;
class IntArray;
class MQLibPlayer;

class cActor : public Object {
 public:
  static constexpr int16_t kClassId = cid::cActor;
  static constexpr int32_t kLayerCount = 8;
  static constexpr int32_t kPoolSize = 300;
  static constexpr int32_t kParamCount = 8;
  static constexpr int32_t kNoLayer = -1;

  // The types (state values).
  static constexpr int32_t kFree = -1;
  static constexpr int32_t kEmitter = 1;
  static constexpr int32_t kCellMarker = 2;
  static constexpr int32_t kFloatingText = 4;
  static constexpr int32_t kGradientBox = 5;
  static constexpr int32_t kSprite = 100;
  static constexpr int32_t kSpriteThenNext = 101;  // a sprite with a follow-up animation

  // Sprite modes of state kSprite.
  static constexpr int32_t kModePlain = 0;
  static constexpr int32_t kModeOnce = 10;        // post event and release when it has ended
  static constexpr int32_t kModeLoop = 20;        // post event on each pass of its last frame
  static constexpr int32_t kModeNotifyOnce = 30;  // post event once when it has ended

  // The end event of a bubble's pop animation: id 26 with 0x100, one entry per pop queued.
  static constexpr int32_t kPopEndEvent = 0x11A;

  // Bits of flags.
  static constexpr int32_t kKeepSorted = 0x1;  // resortLayer keeps it in order of y
  static constexpr int32_t kHidden = 0x4;
  static constexpr int32_t kPaused = 0x8;  // update does not advance the player

  cActor() { RegisterReferenceFields(this, &next, &prev, &player); }

  // IActorData is a constant interface: it has no operations, only a non-null answer matters.
  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::IActorData ? static_cast<void*>(this) : nullptr;
  }

  // ---- Own operations after Object's six: game/board/actor_types.cpp ----
  // Slot 6: one frame of the actor's type (the player advanced, then the type's rule).
  virtual void update();
  // Slot 7: the actor's picture on drawGraphics.
  virtual void paint();

  // ---- Class initialiser: game/board/actor_static_init.cpp ----
  // Makes the empty layer heads, the empty pool list and the spawn parameters.
  static void staticInit();

  // ---- The pool: game/board/actor_pool.cpp ----
  // Releases every actor of an earlier pool and empties the layers, then makes 300 free
  // actors, each with its own player.
  static void createPool();
  // The first free actor in pool order, or null when all are in use.
  static cActor* findFreeActor();
  // Frees an actor in use: out of its layer, its player reset, its emitter stopped. Nothing
  // for null or a free actor. A pop actor freed before its end event was queued takes itself
  // off popAnimCount.
  static void release(cActor* actor);
  static void releaseAll();

  // ---- Layers: game/board/actor_layers.cpp ----
  // ((z * 1024 + R(y)) * 1024 + R(x)) with R(v) = (v + 128) >> 8, in 32-bit wrapping
  // arithmetic: z first, then 256-pixel bands of y and x.
  static int32_t sortKey(cActor* actor);
  // Links the actor before the first actor of layer L whose key is not less than its own
  // (so in front of equal keys), at the tail when none.
  static void insertIntoLayer(cActor* actor, int32_t L);
  // Unlinks the actor from its layer, if any; afterwards layer -1 and null links.
  static void removeFromLayer(cActor* actor);
  // Unlinks the head actor of layer L, whatever its state; nothing for an empty layer.
  static void unlinkLayerHead(int32_t L);
  // Releases every actor of layer L (a free one found there is unlinked all the same).
  static void clearLayer(int32_t L);
  static void clearAllLayers();
  // True when layer L holds no actor (and for a layer outside 0..7).
  static bool isLayerEmpty(int32_t L);
  // The head actor of layer L; null for an empty layer and a layer outside 0..7.
  static cActor* layerHead(int32_t L);
  // One update of every actor of layers 0..7, in layer order, head to tail.
  static void updateAll();
  // One update of every actor of layer L, head to tail.
  static void updateLayer(int32_t L);
  // Paints layer L from its head, back to front.
  static void paintLayer(int32_t L);
  // Moves each actor flagged kKeepSorted whose y is out of order with a neighbour to its
  // place by the key, at most once per call.
  static void resortLayer(int32_t L);

  // ---- Animation controls and accessors: game/board/actor_animation.cpp ----
  // Every one ignores a null actor (readers give 0 or null).
  static void setVisible(cActor* actor, bool visible);
  static void pauseAnimation(cActor* actor);
  static void resumeAnimation(cActor* actor);
  // State kSprite in `mode`, playing anim (looping for kModeLoop); with restart the running
  // anim starts again from frame 0, otherwise it goes on undisturbed.
  static void setAnimation(cActor* actor, int32_t anim, int32_t mode, bool restart);
  // Shows frame `frame` of anim, starting anim first unless it is running.
  static void setAnimationAtFrame(cActor* actor, int32_t anim, int32_t frame);
  // Posts eventA (eventB) once when the player shows frameA (frameB), then forgets the pair.
  static void postAnimEvents(cActor* actor);
  static void setEvent(cActor* actor, int32_t event);
  static void setSpriteMode(cActor* actor, int32_t mode);  // state kSprite in mode
  static void setPosition(cActor* actor, int32_t x, int32_t y);
  static int32_t getX(cActor* actor);
  static int32_t getY(cActor* actor);
  static int32_t getAnim(cActor* actor);  // the player's animation; -1 without a player
  static ASprite* getSprite(cActor* actor);
  // Rectangle r of the current animation frame, moved by the actor's place, into out as
  // {x, y, w, h} px; false, out untouched, without a sprite, a player or four entries of out.
  static bool getFrameRect(cActor* actor, int32_t r, IntArray* out);
  static void clearNextAnim(cActor* actor);
  // State kSpriteThenNext: anim plays in `mode` once the current one shows its last frame.
  static void setNextAnim(cActor* actor, int32_t anim, int32_t mode);
  static void setNextAnimIfChanged(cActor* actor, int32_t anim, int32_t mode);
  static void setFrameEvent(cActor* actor, int32_t event, int32_t frame);  // eventA, frameA
  static void setPalette(cActor* actor, int32_t palette);

  // ---- Types: game/board/actor_types.cpp ----
  // State := type, the type's fields from params (actorParams' layout); an unknown type, or
  // an emitter without a free particle emitter, leaves the actor free.
  static void initByType(cActor* actor, int32_t type, IntArray* params);

  // Fields, in the class's order.
  int32_t nextAnim;        // kSpriteThenNext: the animation after the current one; -1 none
  int32_t nextMode;        // its mode
  cActor* next;            // toward the tail of the layer; null at the tail
  cActor* prev;            // toward the head; null at the head
  int32_t layer;           // 0..7, -1 none
  int32_t state;           // the type, kFree when free
  int32_t mode;            // sprite mode of kSprite
  int32_t emitter;         // the particle emitter it owns, -1 none
  int32_t x, y;            // screen pixels
  int32_t z;               // depth: larger is painted later, in front
  int32_t a, b;            // gradient box: width and height
  int32_t c;               // gradient box: mode
  int32_t shownX, shownY;  // floating text: where it is painted
  int32_t flags;
  int32_t textId;          // floating text: its text number
  int32_t age;             // floating text: ms since its spawn
  int32_t palette;         // sprite palette; emitter paint palette; gradient box colour A
  int32_t colourB;         // gradient box colour B
  MQLibPlayer* player;     // made with the actor, never replaced
  int32_t eventA, frameA;  // posted when the player shows frameA; frameA -1 none
  int32_t eventB, frameB;
  int32_t event;  // end event of sprite modes 10, 20 and 30

 private:
  // update's rule for state kSprite, by mode (actor_types.cpp).
  void updateSpriteMode();
  // Queues the end event of a one-shot sprite; once queued it is the queue's (event 0).
  void deliverEndEvent();
};
