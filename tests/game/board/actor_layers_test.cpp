// The actor pool and the display layers over the real pool: the sort key, insertion among
// equal keys, unlinking anywhere in a list, clearing and releasing, the update walk when
// actors release or reuse their neighbours, the y resort of kept-sorted actors, and a pool made
// again.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

// An actor that logs its updates and runs the test's hook once, the first time it is updated.
class HookActor : public cActor {
 public:
  void update() override {
    cActor::update();
    Log().push_back(this);
    if (hook) std::exchange(hook, nullptr)(this);
  }
  static std::vector<cActor*>& Log() {
    static std::vector<cActor*> log;
    return log;
  }
  std::function<void(cActor*)> hook;
};

class ActorLayersTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    HookActor::Log().clear();
  }
  // Pool entries 0 .. n-1 become hook actors, free as createPool leaves its actors.
  static void InstallHookActors(int32_t n) {
    ObjectArray* pool = Statics<GameStatics>()->cActor_actorPool;
    for (int32_t i = 0; i < n; i++) {
      HookActor* a = NewObject<HookActor>();
      a->player = NewObject<MQLibPlayer>(MQLibPlayer::Reset::kReset);
      a->state = cActor::kFree;
      a->layer = cActor::kNoLayer;
      a->emitter = -1;
      pool->elements()[i] = a;
    }
  }
  static std::vector<int32_t> Ys(int32_t L) {
    std::vector<int32_t> ys;
    for (cActor* a : Layer(L)) ys.push_back(a->y);
    return ys;
  }
};

TEST_F(ActorLayersTest, TheKeyRanksDepthThenRoundedBandsOfYAndX) {
  struct Case {
    int32_t x, y, z, key;
  };
  const Case kCases[] = {
      {0, 0, 0, 0},    {127, 0, 0, 0},         {128, 0, 0, 1},       {383, 0, 0, 1},
      {384, 0, 0, 2},  {0, 128, 0, 1024},      {0, -200, 0, -1024},  {0, -129, 0, -1024},
      {0, -128, 0, 0}, {479, 799, 3, 3148802}, {0, 0, -1, -1048576}, {0, 0, 2048, -2147483648},
  };
  for (const Case& c : kCases) {
    cActor* a = Sprite(c.x, c.y, c.z, -1);
    EXPECT_EQ(cActor::sortKey(a), c.key) << c.x << ", " << c.y << ", " << c.z;
    cActor::release(a);
  }
  EXPECT_EQ(cActor::sortKey(nullptr), 0);
}

TEST_F(ActorLayersTest, ANewActorGoesInFrontOfEqualKeysAndLowerBandsComeFirst) {
  cActor* first = Sprite(10, 10, 5, 2);
  cActor* later = Sprite(20, 30, 5, 2);  // the same key
  EXPECT_EQ(Layer(2), (std::vector<cActor*>{later, first}));
  cActor* x127 = Sprite(127, 300, 5, 3);
  cActor* x128 = Sprite(128, 300, 5, 3);
  cActor* above = Sprite(128, -200, 5, 3);
  cActor* deeper = Sprite(0, -200, 6, 3);
  EXPECT_EQ(cActor::sortKey(x128) - cActor::sortKey(x127), 1);
  EXPECT_EQ(Layer(3), (std::vector<cActor*>{above, x127, x128, deeper}));
  // Painted head first: back to front.
  EXPECT_FALSE(cActor::isLayerEmpty(3));
  EXPECT_TRUE(cActor::isLayerEmpty(4));
}

TEST_F(ActorLayersTest, UnlinkingTheHeadAMiddleActorOrTheTailKeepsTheRestLinked) {
  for (int32_t gone = 0; gone < 3; gone++) {
    cActor* a[3] = {Sprite(0, 0, 1, 0), Sprite(0, 0, 2, 0), Sprite(0, 0, 3, 0)};
    cActor::removeFromLayer(a[gone]);
    std::vector<cActor*> rest;
    for (cActor* actor : a) {
      if (actor != a[gone]) rest.push_back(actor);
    }
    EXPECT_EQ(Layer(0), rest) << gone;
    EXPECT_EQ(a[gone]->layer, cActor::kNoLayer);
    EXPECT_EQ(a[gone]->next, nullptr);
    EXPECT_EQ(a[gone]->prev, nullptr);
    EXPECT_EQ(a[gone]->state, cActor::kSprite) << "unlinked, still in use";
    cActor::release(a[gone]);
    cActor::clearLayer(0);
  }
  cActor* b[2] = {Sprite(0, 0, 1, 5), Sprite(0, 0, 2, 5)};
  cActor::unlinkLayerHead(5);
  EXPECT_EQ(Layer(5), (std::vector<cActor*>{b[1]}));
  cActor::unlinkLayerHead(5);
  cActor::unlinkLayerHead(5);
  EXPECT_TRUE(cActor::isLayerEmpty(5));
}

TEST_F(ActorLayersTest, ClearingALayerReleasesItsActorsAndUnlinksAFreeHead) {
  cActor::clearLayer(4);  // empty: returns at once
  EXPECT_TRUE(cActor::isLayerEmpty(4));
  cActor* head = Sprite(0, 0, 1, 4);
  cActor* rest[2] = {Sprite(0, 0, 2, 4), Sprite(0, 0, 3, 4)};
  cActor* other = Sprite(0, 0, 1, 6);
  head->state = cActor::kFree;  // left linked though free
  cActor::clearLayer(4);
  EXPECT_TRUE(cActor::isLayerEmpty(4));
  for (cActor* a : {head, rest[0], rest[1]}) {
    EXPECT_EQ(a->state, cActor::kFree);
    EXPECT_EQ(a->layer, cActor::kNoLayer);
    EXPECT_EQ(a->next, nullptr);
  }
  EXPECT_EQ(Layer(6), (std::vector<cActor*>{other}));
  cActor::clearAllLayers();
  EXPECT_EQ(FreeCount(), cActor::kPoolSize);
}

TEST_F(ActorLayersTest, ReleaseResetsThePlayerAndTheEmitterEvenOutOfEveryLayer) {
  cActor* a = Sprite(40, 50, 1, -1, 1);
  a->emitter = 7;
  ASSERT_EQ(a->player->anim, 1);
  cActor::release(a);
  EXPECT_EQ(a->state, cActor::kFree);
  EXPECT_EQ(a->emitter, -1);
  EXPECT_EQ(a->player->anim, -1);
  EXPECT_EQ(a->player->sprite, nullptr);
  EXPECT_TRUE(a->player->finished);
  EXPECT_EQ(a->x, 40) << "the other fields stay until the next set-up";
  // A second release does nothing.
  a->player->anim = 2;
  a->emitter = 3;
  cActor::release(a);
  EXPECT_EQ(a->player->anim, 2);
  EXPECT_EQ(a->emitter, 3);
  cActor::release(nullptr);
}

TEST_F(ActorLayersTest, AnActorReleasingItselfLeavesTheRestOfItsLayerToRun) {
  InstallHookActors(3);
  auto* a = static_cast<HookActor*>(Sprite(0, 0, 1, 1));
  cActor* b = Sprite(0, 0, 2, 1);
  cActor* c = Sprite(0, 0, 3, 1);
  a->hook = [](cActor* self) { cActor::release(self); };
  Frames(10);
  EXPECT_EQ(HookActor::Log(), (std::vector<cActor*>{a, b, c}));
  EXPECT_EQ(Layer(1), (std::vector<cActor*>{b, c}));
}

// The hook frees its successor, and the spawn that follows reuses that very actor in layer
// 3: layer 1's walk ends, and layer 3 runs each of its actors once, the reused one included.
TEST_F(ActorLayersTest, ASuccessorReusedInAnotherLayerEndsTheWalkOfTheFirst) {
  InstallHookActors(5);
  auto* a = static_cast<HookActor*>(Sprite(0, 0, 1, 1));
  cActor* b = Sprite(0, 0, 2, 1);
  cActor* c = Sprite(0, 0, 3, 1);
  cActor* d = Sprite(0, 0, 1, 3);
  cActor* e = Sprite(0, 0, 3, 3);
  cActor* respawned = nullptr;
  a->hook = [&](cActor*) {
    cActor::release(b);
    respawned = Sprite(0, 0, 2, 3);
  };
  Frames(10);
  ASSERT_EQ(respawned, b);
  EXPECT_EQ(Layer(1), (std::vector<cActor*>{a, c}));
  EXPECT_EQ(Layer(3), (std::vector<cActor*>{d, b, e}));
  EXPECT_EQ(HookActor::Log(), (std::vector<cActor*>{a, d, b, e}));
  HookActor::Log().clear();
  Frames(10);
  EXPECT_EQ(HookActor::Log(), (std::vector<cActor*>{a, c, d, b, e}));
}

// Three kept-sorted actors of one band in the order y 10, 20, 5: the resort tests exact y but
// places by the band, so without a limit they would move each other for ever.
TEST_F(ActorLayersTest, AResortMovesEachActorAtMostOnceAndEnds) {
  for (const int32_t y : {5, 20, 10}) Sprite(100, y, 500, 1)->flags |= cActor::kKeepSorted;
  ASSERT_EQ(Ys(1), (std::vector<int32_t>{10, 20, 5}));
  cActor::resortLayer(1);
  EXPECT_EQ(Ys(1), (std::vector<int32_t>{5, 10, 20}));
  cActor::resortLayer(1);
  EXPECT_EQ(Ys(1), (std::vector<int32_t>{5, 10, 20}));
}

TEST_F(ActorLayersTest, AResortAcrossBandsFollowsTheKeyAndLeavesAnOrderedLayer) {
  cActor* a = Sprite(100, 50, 500, 1);
  cActor* b = Sprite(100, 300, 500, 1);
  cActor* c = Sprite(100, 600, 500, 1);
  cActor* deeper = Sprite(100, 0, 501, 1);
  cActor* unflagged = Sprite(100, 400, 500, 2);
  for (cActor* actor : {a, b, c}) actor->flags |= cActor::kKeepSorted;
  cActor::resortLayer(1);
  EXPECT_EQ(Layer(1), (std::vector<cActor*>{a, b, c, deeper}));
  a->y = 700;
  cActor::resortLayer(1);
  EXPECT_EQ(Layer(1), (std::vector<cActor*>{b, c, a, deeper}));
  // Without the flag nothing moves.
  Sprite(100, 200, 500, 2);
  unflagged->y = -400;
  cActor::resortLayer(2);
  EXPECT_EQ(Ys(2), (std::vector<int32_t>{200, -400}));
}

TEST_F(ActorLayersTest, LayersOutsideTheEightAreLeftAlone) {
  TraceCapture trace;
  cActor* a = Sprite(0, 0, 0, 8);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->layer, cActor::kNoLayer);
  EXPECT_EQ(trace.lines().size(), 1u);
  for (const int32_t L : {-1, 8, 1000}) {
    EXPECT_TRUE(cActor::isLayerEmpty(L));
    cActor::paintLayer(L);
    cActor::clearLayer(L);
    cActor::resortLayer(L);
    cActor::updateLayer(L);
    cActor::insertIntoLayer(a, L);
    EXPECT_EQ(a->layer, cActor::kNoLayer);
  }
}

// A free actor left linked (state written to free by its owner) is unlinked by the spawn
// that takes it, so its old neighbours stop pointing at it.
TEST_F(ActorLayersTest, ASpawnTakingAFreeActorStillLinkedUnlinksItFirst) {
  cActor* a = Sprite(0, 0, 1, 2);
  cActor* b = Sprite(0, 0, 2, 2);
  cActor* c = Sprite(0, 0, 3, 2);
  ASSERT_EQ(b, Pooled(1));
  b->state = cActor::kFree;
  cActor* taken = Sprite(0, 0, 2, 4);
  ASSERT_EQ(taken, b);
  EXPECT_EQ(Layer(2), (std::vector<cActor*>{a, c}));
  EXPECT_EQ(Layer(4), (std::vector<cActor*>{b}));
}

TEST_F(ActorLayersTest, ASecondPoolReleasesTheFirstAndEmptiesEveryLayer) {
  std::vector<cActor*> old;
  for (int32_t L = 0; L < cActor::kLayerCount; L++) old.push_back(Sprite(0, 0, L, L, 1));
  old.push_back(Sprite(0, 0, 0, -1, 1));
  Pooled(0)->state = cActor::kFree;  // a free one left linked
  cActor::createPool();
  for (int32_t L = 0; L < cActor::kLayerCount; L++) EXPECT_TRUE(cActor::isLayerEmpty(L)) << L;
  for (cActor* a : old) {
    EXPECT_EQ(a->state, cActor::kFree);
    EXPECT_EQ(a->layer, cActor::kNoLayer);
    EXPECT_EQ(a->next, nullptr);
    // Those in use were released; the free one was only unlinked.
    EXPECT_EQ(a->player->anim, a == old[0] ? 1 : -1);
  }
  EXPECT_EQ(FreeCount(), cActor::kPoolSize);
  EXPECT_NE(Pooled(0), old[0]);
  for (int32_t i = 0; i < cActor::kPoolSize; i++) {
    cActor* a = Pooled(i);
    ASSERT_NE(a->player, nullptr);
    EXPECT_EQ(a->emitter, -1);
    EXPECT_EQ(a->layer, cActor::kNoLayer);
    EXPECT_EQ(a->player->anim, -1);
    EXPECT_TRUE(a->player->finished);
  }
}

}  // namespace
