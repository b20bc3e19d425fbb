// The scene paint on 480 x 800 memory images with the data set's bubble and chain sprites:
// the frozen copy of the late phases, the dim over the HUD, the bunches' links and chains,
// the chain painters' empty cases, the play-area bands and the lesson's hint line.
#include <gtest/gtest.h>

#include <vector>

#include "engine/sprite.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/platform/canvas.h"

namespace {

constexpr uint16_t kGround = 0x0841;
constexpr int32_t kChainSlot = 26, kFeaturesPack = 96;

std::vector<uint16_t> PixelsOf(const Canvas& canvas) {
  std::vector<uint16_t> pixels;
  for (int32_t y = 0; y < canvas.image->height; y++) {
    for (int32_t x = 0; x < canvas.image->width; x++) pixels.push_back(canvas.at(x, y));
  }
  return pixels;
}

class ScenePaintTest : public BunchTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    PlantPacks({"features"});
    cGame::openPack(GetConstantString(kFeaturesPack));
    s->cGame_spriteTable->elements()[kChainSlot] =
        cGame::loadSprite(0, 1, 0, 0, true, false, 0, nullptr);
    cGame::closeResourceStream();
    ASSERT_NE(Slot(kChainSlot), nullptr);
    cGame::startBoard();
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 800;
    s->cGame_playTop = 64;
    s->cGame_rectScratch = NewIntArray(4);
    s->cGame_bossKind = -1;
    cGame::createBackBuffer(480, 800);
    screen_ = new Canvas(480, 800);
    screen_->fill(kGround);
    s->cGame_frameGraphics = screen_->graphics;
    s->cGame_drawGraphics = screen_->graphics;
  }
  void TearDown() override {
    delete screen_;
    BunchTest::TearDown();
  }
  // A bunch in use at (x, y) px with one bubble.
  cGame_CBubbleBunch* Live(int32_t b, int32_t type, int32_t x, int32_t y) {
    cGame_CBubbleBunch* bunch = Placed(b, type, x, y);
    Attached(b, 0, 0, 1);
    bunch->inUse = 1;
    return bunch;
  }
  int32_t Painted() const { return 480 * 800 - screen_->count(kGround); }

  Canvas* screen_ = nullptr;
};

TEST_F(ScenePaintTest, LatePhasesShowTheFrozenCopyEvenAfterTheSceneMoved) {
  s->cGame_playPhase = 18;
  Bubble* b = Bubble::allocate();
  b->colour = 2;
  b->bunch = Bubble::kLoose;
  b->setPosition(240, 400);
  b->syncPixelFromPosition();
  cGame::paintScene(true, false, 0);  // the whole scene into the copy, phase or not
  EXPECT_EQ(Painted(), 0) << "nothing on the frame itself";
  EXPECT_EQ(s->cGame_currentGraphics(), s->cGame_frameGraphics) << "back on the frame";
  Canvas copy(480, 800);
  copy.graphics->drawImage(s->cGame_backBuffer, 0, 0, 0);
  const std::vector<uint16_t> frozen = PixelsOf(copy);
  EXPECT_GT(480 * 800 - copy.count(0), 0) << "the bubble is in the copy";
  b->setPosition(100, 200);
  b->syncPixelFromPosition();
  cGame::paintScene(false, false, 0);
  EXPECT_TRUE(PixelsOf(*screen_) == frozen);
}

TEST_F(ScenePaintTest, TheDimFillCoversEverythingTheSceneDrew) {
  s->cGame_playPhase = 9;
  Live(0, 9, 240, 300);
  cGame::paintScene(false, true, static_cast<int32_t>(0xcc000000));
  EXPECT_EQ(screen_->count(0), 480 * 800) << "opaque black: the colour's alpha is forced";
}

TEST_F(ScenePaintTest, Type14LinksJoinOnlyToAnActiveFollower) {
  struct Case {
    const char* what;
    int32_t first;
    bool followerLive, line;
  };
  const Case kCases[] = {{"bunch 3 and 4", 3, true, true},
                         {"follower not in use", 3, false, false},
                         {"bunch 9 has no follower", 9, true, false}};
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    screen_->fill(kGround);
    Live(c.first, 14, 100, 300);
    if (c.first + 1 < 10) {
      cGame_CBubbleBunch* f = Live(c.first + 1, 0, 300, 300);
      f->inUse = c.followerLive;
    }
    cGame::paintBunchRopes(1);
    // The marker of the type-14 bunch stays within 30 px of it; the line runs on to x 300.
    int32_t farBlack = 0;
    for (int32_t x = 140; x < 290; x++) farBlack += screen_->at(x, 300) == 0;
    EXPECT_EQ(farBlack > 0, c.line) << c.what;
  }
}

TEST_F(ScenePaintTest, AType1PairGetsOneBarFromItsLowerIndex) {
  for (const bool lowerFirst : {true, false}) {
    cGame::clearAllBunches();
    screen_->fill(kGround);
    cGame_CBubbleBunch* a = Live(2, 1, 120, 400);
    cGame_CBubbleBunch* b = Live(5, 1, 360, 400);
    a->partner = lowerFirst ? 5 : -1;
    b->partner = lowerFirst ? -1 : 2;
    cGame::paintBunchRopes(1);
    int32_t bar = 0;  // the bar runs between the two columns, near the top
    for (int32_t y = 64; y < 120; y++) {
      for (int32_t x = 200; x < 280; x++) bar += screen_->at(x, y) != kGround;
    }
    EXPECT_EQ(bar > 0, lowerFirst) << (lowerFirst ? "2 -> 5" : "5 -> 2: none");
  }
}

TEST_F(ScenePaintTest, ChainPaintersWithAnEmptyClipOrFrameDrawNothing) {
  ASprite* chain = Slot(kChainSlot);
  cGame::paintChainColumn(chain, 3, 200, 500, 400, 0);
  EXPECT_EQ(Painted(), 0) << "yBottom above yTop";
  cGame::paintChainColumn(chain, 9, 200, 100, 400, 0);  // a frame the sprite lacks
  cGame::paintChainRow(chain, 9, 100, 300, 400, 0);
  EXPECT_EQ(Painted(), 0);
  cGame::paintChainColumn(chain, 3, 200, 100, 400, 7);
  EXPECT_GT(Painted(), 0);
  int32_t below = 0;
  for (int32_t y = 401; y < 800; y++) {
    for (int32_t x = 0; x < 480; x++) below += screen_->at(x, y) != kGround;
  }
  EXPECT_EQ(below, 0) << "cut at yBottom";
}

TEST_F(ScenePaintTest, PlayBandsStayInsideThePlayAreaForAnyTopPanel) {
  for (const int32_t top : {64, 20, 0}) {
    s->cGame_playTop = top;
    cGame::computePlayBands();
    const int32_t height = 800 - (top + 37) - 136;
    EXPECT_EQ(s->cGame_bandTop, top + 37);
    EXPECT_EQ(s->cGame_bandY0, (top + 37) << 16);
    EXPECT_EQ(s->cGame_bandY75,
              s->cGame_bandY0 + static_cast<int32_t>(int64_t{height} * (75 << 16) / 100))
        << top;
    EXPECT_GT(s->cGame_bandY75, s->cGame_bandY50);
    EXPECT_GT(s->cGame_bandY50, s->cGame_bandY25);
    ASprite* chain = Slot(kChainSlot);
    EXPECT_EQ(s->cGame_pairTopY, (chain->getFrameHeight(0) + chain->getFrameHeight(4) + top + 18)
                                     << 16);
  }
}

TEST_F(ScenePaintTest, AMissingHintLineMovesTheLessonOn) {
  s->cGame_currentObjective = 2;
  s->cGame_lessonPhase = 1;
  s->cGame_lessonMessages = NewIntArray(3);  // too short for step 2
  cGame::showNextCharacterLine();
  EXPECT_EQ(s->cGame_lessonPhase, 4);
  EXPECT_FALSE(s->cGame_popupOpen);
  s->cGame_lessonMessages = nullptr;
  s->cGame_lessonPhase = 1;
  cGame::showNextCharacterLine();
  EXPECT_EQ(s->cGame_lessonPhase, 4);
  EXPECT_FALSE(s->cGame_popupOpen);
}

}  // namespace
