// A bubble's pop over the real pool and the data set's pop sprite: the sound of each kind, the
// depth and the dull pop of a lost level, one end event 0x11A and one count per pop, and the
// six neighbour pops of a compound root at the unturned cell offsets.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kBurstFrames = 6;  // the pop sprite's animation 0, 40 ms a frame
constexpr int32_t kBurstFrameMs = 40;

class PopEffectTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    s->Bubble_neighbourDx = FillByteArray(NewByteArray(6), 6, 1, 1, 0, -1, -1, 0);
    s->Bubble_neighbourDy = FillByteArray(NewByteArray(6), 6, 0, -1, -1, 0, 1, 1);
    s->Bubble_popAnimCount = 0;
  }
  static Bubble* Popping(int32_t colour, int32_t x = 240, int32_t y = 300, int32_t flags = 0) {
    Bubble* bubble = NewObject<Bubble>();
    bubble->colour = colour;
    bubble->pixelX = x;
    bubble->pixelY = y;
    bubble->flags = flags;
    return bubble;
  }
};

// Without sound data the one-track player says which sound it was asked for.
TEST_F(PopEffectTest, EachKindPopsWithItsSoundWhenSoundEffectsAreOn) {
  const std::pair<int32_t, int32_t> kCases[] = {
      {0, 15},  {6, 15},  {7, 20},  {9, 20},  {10, 15}, {13, 15},
      {14, 24}, {20, 24}, {21, 24}, {27, 24}, {28, 15}, {43, 15},
  };
  s->cGame_sfxEnabled = true;
  for (const auto& [colour, sound] : kCases) {
    TraceCapture trace;
    Popping(colour)->popEffect(0);
    EXPECT_TRUE(trace.contains("cGame::playSound: sound " + std::to_string(sound) +
                               " has no data; nothing plays"))
        << colour;
  }
  s->cGame_sfxEnabled = false;
  TraceCapture quiet;
  Popping(7)->popEffect(0);
  // The pop still starts its emitter (traced while no definitions are loaded); no sound asked.
  for (const std::string& line : quiet.lines())
    EXPECT_EQ(line.find("playSound"), std::string::npos) << line;
}

TEST_F(PopEffectTest, ThePopsDepthFollowsItsAnimationAndALostLevelShowsTheDullPop) {
  struct Case {
    int32_t anim;
    bool levelOver, levelWon;
    int32_t z, shown;
  };
  const Case kCases[] = {
      {1, false, false, 100, 1}, {0, false, false, 200, 0}, {1, true, false, 100, 2},
      {0, true, false, 200, 2},  {1, true, true, 100, 1},   {-1, false, false, 200, -1},
  };
  for (const Case& c : kCases) {
    cActor::releaseAll();
    s->cGame_levelOver = c.levelOver;
    s->cGame_levelWon = c.levelWon;
    Popping(3, 120, 340)->popEffect(c.anim);
    const std::vector<cActor*> layer = Layer(1);
    ASSERT_EQ(layer.size(), 1u) << c.anim;
    cActor* pop = layer[0];
    EXPECT_EQ(std::tie(pop->x, pop->y, pop->z, pop->mode, pop->event),
              std::make_tuple(120, 340, c.z, cActor::kModeOnce, cActor::kPopEndEvent))
        << c.anim;
    EXPECT_EQ(cActor::getAnim(pop), c.shown) << c.anim;
    EXPECT_EQ(cActor::getSprite(pop), Slot(kPopSlot));
  }
}

TEST_F(PopEffectTest, EachPopIsCountedAndEndsWithItsOwnEndEvent) {
  Popping(1, 100, 100)->popEffect(0);
  Popping(2, 300, 100)->popEffect(0);
  EXPECT_EQ(s->Bubble_popAnimCount, 2);
  EXPECT_EQ(Events(), (std::vector<int32_t>{22}));
  Frames(kBurstFrameMs, kBurstFrames);
  EXPECT_EQ(Events(), (std::vector<int32_t>{22, 0x11A, 0x11A}));
  EXPECT_TRUE(cActor::isLayerEmpty(1));
  EXPECT_EQ(s->Bubble_popAnimCount, 2) << "the consumer of event 26 counts them off";
}

// Rows are 33 px apart and each row up shifts half a column (18.5 px, floored) right.
TEST_F(PopEffectTest, ACompoundRootPopsItsSixNeighbourCellsToo) {
  Popping(4, 240, 300, Bubble::kCompoundRoot)->popEffect(1);
  std::vector<std::tuple<int32_t, int32_t, int32_t>> pops;
  for (cActor* a : Layer(1)) pops.emplace_back(a->x - 240, a->y - 300, a->event);
  std::sort(pops.begin(), pops.end());
  const std::vector<std::tuple<int32_t, int32_t, int32_t>> expected = {
      {-37, 0, 0},  {-19, -33, 0}, {-19, 33, 0}, {0, 0, cActor::kPopEndEvent},
      {18, -33, 0}, {18, 33, 0},   {37, 0, 0},
  };
  EXPECT_EQ(pops, expected);
  EXPECT_EQ(s->Bubble_popAnimCount, 1);
  for (cActor* a : Layer(1))
    EXPECT_EQ(std::make_tuple(a->z, cActor::getAnim(a)), std::make_tuple(100, 1));
}

TEST_F(PopEffectTest, WithEveryActorInUseAPopIsNeitherShownNorCounted) {
  for (int32_t i = 0; i < cActor::kPoolSize; i++) Sprite(i, 0, 0, -1);
  TraceCapture trace;
  Popping(2, 100, 100, Bubble::kCompoundRoot)->popEffect(0);
  EXPECT_EQ(s->Bubble_popAnimCount, 0);
  EXPECT_EQ(Events(), (std::vector<int32_t>{22}));
  EXPECT_EQ(trace.lines().size(), 7u) << "the pop and its six neighbours";
}

}  // namespace
