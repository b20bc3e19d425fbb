// Bubbles painted on a 480 x 640 memory image from the data set's bubble, change and badge
// sprites: the frame each kind and look chooses, the shake, the marker and the change sparkle,
// the field's three passes and the lesson highlight. Each expected picture is the same frames
// placed straight from the sprites.
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
constexpr int32_t kChangeSlot = 39, kBadgeSlot = 49;
constexpr int32_t kEffectsPack = 80, kHudPack = 88;
constexpr int32_t kChangeEntry = 3, kBadgeEntry = 1;
constexpr int32_t kX = 200, kY = 300;

std::vector<uint16_t> PixelsOf(const Canvas& canvas) {
  std::vector<uint16_t> pixels;
  for (int32_t y = 0; y < canvas.image->height; y++) {
    for (int32_t x = 0; x < canvas.image->width; x++) pixels.push_back(canvas.at(x, y));
  }
  return pixels;
}

class BubblePaintTest : public BunchTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    LoadEffectSprites();
    PlantPacks({"effects", "hud", "tables"});
    cGame::openPack(GetConstantString(kEffectsPack));
    s->cGame_spriteTable->elements()[kChangeSlot] =
        cGame::loadSprite(kChangeEntry, 1, 0, 0, true, false, 0, nullptr);
    cGame::closeResourceStream();
    cGame::openPack(GetConstantString(kHudPack));
    s->cGame_spriteTable->elements()[kBadgeSlot] =
        cGame::loadSprite(kBadgeEntry, 0x7F, 0, 0, true, false, 0, nullptr);
    cGame::closeResourceStream();
    cGame::loadMathTables();
    cGame::startBoard();
    ASSERT_NE(s->cGame_bubbleSprite, nullptr);
    ASSERT_NE(s->cGame_changeSprite, nullptr);
    ASSERT_NE(Slot(kBadgeSlot), nullptr);
    s->cGame_playTop = 0;
    screen_ = Fresh();
    s->cGame_drawGraphics = screen_->graphics;
  }
  void TearDown() override {
    delete screen_;
    BunchTest::TearDown();
  }
  static Canvas* Fresh() {
    auto* canvas = new Canvas(480, 640);
    canvas->fill(kGround);
    return canvas;
  }
  // A loose bubble of the colour and flags at (x, y) px, in play.
  static Bubble* Loose(int32_t colour, int32_t flags = 0, int32_t x = kX, int32_t y = kY) {
    Bubble* b = Bubble::allocate();
    b->colour = colour;
    b->flags |= flags;
    b->bunch = Bubble::kLoose;
    b->setPosition(x, y);
    b->syncPixelFromPosition();
    return b;
  }
  ASprite* Bubbles() const { return s->cGame_bubbleSprite; }
  ASprite* Change() const { return s->cGame_changeSprite; }
  void ExpectScreen(const Canvas& expected, const char* what) {
    EXPECT_TRUE(PixelsOf(*screen_) == PixelsOf(expected))
        << what << ": " << screen_->count(kGround) << " ground pixels, expected "
        << expected.count(kGround);
  }

  Canvas* screen_ = nullptr;
};

// ---- The frame of a kind and look ----------------------------------------------------------

TEST_F(BubblePaintTest, EachKindAndLookPaintsItsFrame) {
  struct Case {
    const char* what;
    int32_t colour, flags, changeSteps, targetAppearance, objectIndex, frame;
  };
  constexpr int32_t kMasked = Bubble::kColourMasked, kHidden = Bubble::kHiddenColour;
  constexpr int32_t kRoot = Bubble::kCompoundRoot, kSteel = Bubble::kIndestructible;
  const Case kCases[] = {
      {"a plain colour", 3, 0, 0, 0, -1, 3},
      {"a bomb", 7, 0, 0, 0, -1, 7},
      {"indestructible", 6, kSteel, 0, 0, -1, 41},
      {"indestructible during a change", 6, kSteel, 9, 2, -1, 41},
      {"masked, change step 9", 2, kMasked, 9, 2, -1, 2},
      {"masked, change step 5", 2, kMasked, 5, 2, -1, 2},
      {"masked, change step 4", 2, kMasked, 4, 2, -1, 42},
      {"masked, no change", 2, kMasked, 0, 2, -1, 42},
      {"hidden colour", 1, kHidden, 0, 1, -1, 42},
      {"a change to another look", 1, 0, 7, 5, -1, 5},
      {"compound root of colour 3", 3, kRoot, 0, 0, -1, 50},
      {"compound root, masked", 3, kRoot | kMasked, 0, 3, -1, 54},
      {"compound root of a special", 8, kRoot, 0, 0, -1, 8},
      {"kind 36, target lit", 36, 0, 0, 0, 0, 45},
      {"kind 36, target done", 36, 0, 0, 0, 1, 46},
      {"kind 36, target waiting", 36, 0, 0, 0, 2, 36},
      {"kind 36 without a target", 36, 0, 0, 0, -1, 36},
      {"kind 36 past the targets", 36, 0, 0, 0, 3, 36},
  };
  s->cGame_targetState = NewIntArray(5);
  s->cGame_targetState->elements()[0] = 1;
  s->cGame_targetState->elements()[1] = 4;
  s->cGame_targetState->elements()[3] = 2;  // beyond the count
  s->cGame_targetCount = 3;
  for (const Case& c : kCases) {
    screen_->fill(kGround);
    Bubble* b = Loose(c.colour, c.flags);
    b->changeSteps = c.changeSteps;
    b->changeDelay = 1;  // no sparkle
    b->targetAppearance = c.targetAppearance;
    b->objectIndex = c.objectIndex;
    b->paint();
    EXPECT_EQ(b->appearance, c.frame) << c.what;
    Canvas* expected = Fresh();
    Bubbles()->paintFrame(expected->graphics, c.frame, kX, kY, 0, 0, 0);
    ExpectScreen(*expected, c.what);
    delete expected;
    b->flags |= Bubble::kDead;
  }
}

TEST_F(BubblePaintTest, Kind36ShowsItsOwnFrameBeforeTheTargetListsAreMade) {
  s->cGame_targetState = nullptr;
  s->cGame_targetCount = 2;
  Bubble* b = Loose(36);
  b->objectIndex = 0;
  b->paint();
  EXPECT_EQ(b->appearance, 36);
}

TEST_F(BubblePaintTest, TargetBubblesWearTheBadgeInTheirColoursPalette) {
  for (int32_t kind = 29; kind <= 35; kind++) {
    screen_->fill(kGround);
    Bubble* b = Loose(kind);
    b->paint();
    Canvas* expected = Fresh();
    Bubbles()->paintFrame(expected->graphics, kind, kX, kY, 0, 0, 0);
    Slot(kBadgeSlot)->setCurrentPalette(kind - 29);
    Slot(kBadgeSlot)->paintFrame(expected->graphics, 5, kX, kY, 0, 0, 0);
    ExpectScreen(*expected, "the badge");
    Slot(kBadgeSlot)->setCurrentPalette((kind - 29 + 1) % 7);
    Canvas* other = Fresh();
    Bubbles()->paintFrame(other->graphics, kind, kX, kY, 0, 0, 0);
    Slot(kBadgeSlot)->paintFrame(other->graphics, 5, kX, kY, 0, 0, 0);
    EXPECT_FALSE(PixelsOf(*screen_) == PixelsOf(*other)) << "kind " << kind;
    delete expected;
    delete other;
    b->flags |= Bubble::kDead;
  }
}

TEST_F(BubblePaintTest, DeadAndSpentBubblesPaintNothing) {
  Bubble* dead = Loose(2, Bubble::kDead);
  Bubble* spent = Loose(39, 0, 100, 100);
  dead->appearance = spent->appearance = -5;
  dead->paint();
  spent->paint();
  EXPECT_EQ(screen_->count(kGround), 480 * 640);
  EXPECT_EQ(dead->appearance, -5);
  EXPECT_EQ(spent->appearance, -5);
}

// ---- Shake, marker, sparkle ----------------------------------------------------------------

TEST_F(BubblePaintTest, AShakeSwingsOutAndBackOnePaintedFrameAStep) {
  Bubble* b = Loose(0);
  b->shakeFrames = 6;
  b->shakeFramesLeft = 6;
  b->shakeStrength = 10;
  b->shakeAngle = 100;
  for (int32_t left = 6; left >= 1; left--) {
    screen_->fill(kGround);
    const int32_t phase = ((6 - left) * 768) / 6;
    int32_t sine = cGame::sin1024(phase);
    if (phase > 256) sine = sine / 2 + 0x8000;  // the second half damped
    const int32_t amp = (10 * sine) >> 16;
    const int32_t dy = (cGame::sin1024(100) * amp) >> 16, dx = (cGame::sin1024(356) * amp) >> 16;
    b->paint();
    EXPECT_EQ(b->shakeFramesLeft, left - 1);
    Canvas* expected = Fresh();
    Bubbles()->paintFrame(expected->graphics, 0, kX + dx, kY + dy, 0, 0, 0);
    ExpectScreen(*expected, "the shaken place");
    delete expected;
    if (left == 6) {
      EXPECT_EQ(dx | dy, 0) << "the swing starts at rest";
    }
    if (left == 4) {
      EXPECT_GT(dx * dx + dy * dy, 64) << "a quarter swing goes out by the strength";
    }
  }
  screen_->fill(kGround);
  b->paint();
  Canvas* still = Fresh();
  Bubbles()->paintFrame(still->graphics, 0, kX, kY, 0, 0, 0);
  ExpectScreen(*still, "back at rest");
  EXPECT_EQ(b->shakeFramesLeft, 0);
  delete still;
}

TEST_F(BubblePaintTest, KeyAndAttachmentBubblesOfAType0BunchThatHadHandlesWearTheMarker) {
  struct Case {
    const char* what;
    int32_t type, flags;
    bool hadHandles, marked;
  };
  const Case kCases[] = {
      {"a key bubble", 0, Bubble::kKey, true, true},
      {"an attachment", 0, Bubble::kAttachment, true, true},
      {"no handles yet", 0, Bubble::kKey, false, false},
      {"a plain member", 0, 0, true, false},
      {"another bunch type", 4, Bubble::kKey, true, false},
  };
  for (const Case& c : kCases) {
    screen_->fill(kGround);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Placed(0, c.type, kX, kY);
    Bubble* b = Attached(0, 0, 0, 4);
    b->flags = (b->flags & ~(Bubble::kKey | Bubble::kAttachment)) | c.flags;
    bunch->hadHandles = c.hadHandles;
    b->paint();
    Canvas* expected = Fresh();
    Bubbles()->paintFrame(expected->graphics, 4, b->pixelX, b->pixelY, 0, 0, 0);
    if (c.marked) Bubbles()->paintFrame(expected->graphics, 62, b->pixelX, b->pixelY, 0, 0, 0);
    ExpectScreen(*expected, c.what);
    delete expected;
  }
}

TEST_F(BubblePaintTest, AChangeShowsItsStepOfTheSparkleOnceItsDelayIsOver) {
  struct Case {
    const char* what;
    int32_t flags, steps, delay, anim;  // anim -1: no sparkle
  };
  const Case kCases[] = {
      {"step 3", 0, 3, 0, 0},
      {"step 9", 0, 9, 0, 0},
      {"a compound root", Bubble::kCompoundRoot, 6, 0, 4},
      {"still waiting", 0, 3, 1, -1},
      {"no change", 0, 0, 0, -1},
  };
  for (const Case& c : kCases) {
    screen_->fill(kGround);
    Bubble* b = Loose(2, c.flags);
    b->changeSteps = c.steps;
    b->changeDelay = c.delay;
    b->targetAppearance = 2;
    b->paint();
    Canvas* expected = Fresh();
    Bubbles()->paintFrame(expected->graphics, b->appearance, kX, kY, 0, 0, 0);
    if (c.anim >= 0) Change()->paintAFrame(expected->graphics, c.anim, c.steps, kX, kY, 0, 0, 0);
    ExpectScreen(*expected, c.what);
    delete expected;
    b->flags |= Bubble::kDead;
  }
}

TEST_F(BubblePaintTest, APaintClearsTheMovedFlag) {
  Bubble* b = Loose(1, Bubble::kMoved);
  b->paint();
  EXPECT_EQ(b->flags & Bubble::kMoved, 0);
}

// ---- The field -----------------------------------------------------------------------------

TEST_F(BubblePaintTest, TheFieldPaintsCompoundRootsThenPlainColoursThenSpecials) {
  // In play in the opposite order, all overlapping.
  Loose(7, 0, kX + 10, kY);
  Loose(2, 0, kX - 10, kY);
  Loose(4, Bubble::kCompoundRoot, kX, kY + 6);
  cGame::paintBubbleField();
  Canvas* expected = Fresh();
  Bubbles()->paintFrame(expected->graphics, 51, kX, kY + 6, 0, 0, 0);
  Bubbles()->paintFrame(expected->graphics, 2, kX - 10, kY, 0, 0, 0);
  Bubbles()->paintFrame(expected->graphics, 7, kX + 10, kY, 0, 0, 0);
  ExpectScreen(*expected, "roots under, specials over");
  delete expected;
}

TEST_F(BubblePaintTest, TheFieldIsClippedBelowThePlayTop) {
  s->cGame_playTop = kY;
  Loose(0);
  cGame::paintBubbleField();
  for (int32_t x = 0; x < 480; x++) ASSERT_EQ(screen_->at(x, kY - 1), kGround) << x;
  EXPECT_LT(screen_->count(kGround), 480 * 640);
}

TEST_F(BubblePaintTest, ALessonLightsTheBubblesOfTheCurrentObjective) {
  struct Case {
    const char* what;
    int32_t kind, phase, objective, marker;
    bool lit;
  };
  const Case kCases[] = {
      {"objective 1 marker", 2, 1, 1, 0x40, true},
      {"objective 0 marker", 2, 3, 0, 0x20, true},
      {"another objective's marker", 2, 1, 1, 0x20, false},
      {"the script not running", 2, 0, 1, 0x40, false},
      {"not a lesson level", 0, 1, 1, 0x40, false},
  };
  for (const Case& c : kCases) {
    screen_->fill(kGround);
    Bubble::resetPool();
    s->cGame_levelKind() = c.kind;
    s->cGame_lessonPhase = c.phase;
    s->cGame_currentObjective = c.objective;
    s->cGame_frameMod5 = 4;
    Loose(5, c.marker);
    cGame::paintBubbleField();
    Canvas* expected = Fresh();
    Bubbles()->paintFrame(expected->graphics, 5, kX, kY, 0, 0, 0);
    if (c.lit) Change()->paintAFrame(expected->graphics, 2, 2, kX, kY, 0, 0, 0);
    ExpectScreen(*expected, c.what);
    delete expected;
  }
}

}  // namespace
