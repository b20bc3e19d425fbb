// The ending scene over the built data set, entered as a won last level enters it (a level
// loaded, then load kind 15 chained with kind 11), frame by frame on the test clock: the
// dialogue lines 2 s apart, the script one record a frame once its wait has passed, a skipped
// line leaving at once, phase 4's fire leaving for the main menu, the canvas's height, and the
// scene's art: every animation the phases name, and the pictures meeting where the script
// hands them over.
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>
#include <tuple>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "host/file_roots.h"
#include "javame/file.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "tests/game/shell/frame_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kLoading = 4, kMainMenu = 6, kPlay = 17, kScene = 31;
constexpr int32_t kFire = 5;
constexpr int32_t kFrameLimit = 400;

class EndingSceneTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    ReplaceStateHandler(kLoading, &cGame::stateLoading);
    ReplaceStateHandler(kScene, &cGame::stateScreen31);
    s_->cGame_canvasInstance = s_->cGame_gameCanvas;
    s_->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1234});
    s_->cGame_spriteTable = NewObjectArray(cid::Object, 63);
    s_->cGame_imageTable = NewObjectArray(cid::Object, 1);
    host::SetDataRoot(PLIMORA_DATA_PATH);
    s_->cGame_archiveFile = nullptr;
    cGame::bootLoad();
    Load(0, 5);
    Load(12, kMainMenu);  // the character sprites
    s_->cGame_currentWorld = 7;
    s_->cGame_currentLevel = 12;
    Load(2, kPlay);
    ASSERT_EQ(s_->cGame_currentState, kPlay);
    Load(15, kLoading, 11, kScene);
    ASSERT_EQ(s_->cGame_currentState, kScene);
  }
  // One frame dt ms after the last.
  void Step(int32_t dt = 40) {
    clock_.advance(static_cast<uint32_t>(dt));
    Frame();
  }
  // A load job run to its end, fire given while it waits, until a state other than 4 runs.
  void Load(int32_t kind, int32_t after, int32_t chainKind = -1, int32_t chainAfter = -1) {
    s_->cGame_loadKind = kind;
    s_->cGame_stateAfterLoad = after;
    s_->cGame_chainedLoadKind = chainKind;
    s_->cGame_chainedStateAfterLoad = chainAfter;
    cGame::setState(kLoading);
    RunOut();
  }
  void RunOut() {
    Step();
    for (int32_t n = 0;
         n < kFrameLimit && (s_->cGame_currentState == kLoading || s_->cGame_stateChangePending);
         n++) {
      s_->cGame_touchAction = kFire;
      Step();
    }
  }
  // Frames of 40 ms until a line opens (at most 100); the frames it took.
  int32_t UntilALineOpens() {
    int32_t n = 1;  // the frame that entered the scene or closed the last line counts
    EXPECT_EQ(s_->cGame_sceneClock, 40);
    while (!s_->cGame_popupOpen && n < 100) {
      Step();
      n++;
      if (!s_->cGame_popupOpen) {
        EXPECT_EQ(s_->cGame_sceneClock, 40 * n) << "frame " << n;
      }
    }
    return n;
  }
  // The open line answered with key k; frames until it has closed.
  void Answer(int32_t k) {
    s_->cGame_touchAction = k;
    Step();
    for (int32_t n = 0; n < 20 && s_->cGame_popupOpen; n++) Step();
  }
  cActor* SceneActor(int32_t i) { return CheckCast<cActor>(s_->cGame_sceneActors->elements()[i]); }
};

TEST_F(EndingSceneTest, EachLineOpensTwoSecondsAfterTheLastClosedAndTheScriptKeepsItsWaits) {
  EXPECT_EQ(s_->cGame_canvasHeight, 640) << "the control bar below the scene";
  EXPECT_EQ(s_->cGame_scenePhase, 0);
  // 51 frames of 40 ms: 2040 ms is the first clock past 2000.
  for (const int32_t line : {615, 616, 617}) {
    SCOPED_TRACE(line);
    EXPECT_EQ(UntilALineOpens(), 51);
    EXPECT_EQ(s_->cGame_popupTextId, line);
    EXPECT_EQ(s_->cGame_sceneClock, 0);
    Answer(kFire);
    EXPECT_FALSE(s_->cGame_popupOpen);
    EXPECT_EQ(s_->cGame_scenePhase, 0);
  }
  // After the last line the phase ends as a line would open.
  for (int32_t n = 1; n < 51; n++) {
    EXPECT_EQ(s_->cGame_scenePhase, 0) << "frame " << n;
    Step();
  }
  EXPECT_FALSE(s_->cGame_popupOpen);
  ASSERT_EQ(s_->cGame_scenePhase, 1);
  ASSERT_EQ(s_->cGame_sceneClock, 0);

  // Phase 1 on 70 ms frames: a record fires in the first frame whose clock reaches its wait,
  // the overshoot is dropped, and one record fires a frame (the 0 ms wait waits a frame).
  struct Record {
    int32_t wait, actor, anim;
  };
  const Record script[] = {{3000, 0, 1}, {0, 5, 46},    {1000, 0, 0},
                           {1500, 2, 1}, {2000, 4, 17}, {1200, 6, 15}};
  int32_t clock = 0;
  for (size_t r = 0; r < std::size(script); r++) {
    SCOPED_TRACE("record " + std::to_string(r));
    for (int32_t n = 0; n < 100; n++) {
      Step(70);
      clock += 70;
      if (clock >= script[r].wait) break;
      ASSERT_EQ(s_->cGame_sceneScriptIndex, 4 * static_cast<int32_t>(r)) << clock << " ms";
    }
    ASSERT_EQ(s_->cGame_sceneScriptIndex, 4 * static_cast<int32_t>(r + 1)) << clock << " ms";
    EXPECT_EQ(s_->cGame_sceneClock, 0);
    EXPECT_EQ(cActor::getAnim(SceneActor(script[r].actor)), script[r].anim);
    clock = 0;
  }
  for (int32_t n = 0; n < 100 && clock < 3000; n++) {
    EXPECT_EQ(s_->cGame_scenePhase, 1);
    Step(70);
    clock += 70;
  }
  EXPECT_EQ(s_->cGame_scenePhase, 2) << "the end record's wait has passed";
}

TEST_F(EndingSceneTest, ASkippedLineLeavesTheSceneAtOnce) {
  EXPECT_EQ(UntilALineOpens(), 51);
  Answer(cGame::kRightSoftKey);
  EXPECT_EQ(s_->cGame_popupChoice, 3);
  EXPECT_EQ(std::make_tuple(s_->cGame_nextState, s_->cGame_loadKind, s_->cGame_stateAfterLoad,
                            s_->cGame_chainedLoadKind, s_->cGame_chainedStateAfterLoad),
            std::make_tuple(kLoading, 22, kLoading, 1, kMainMenu));
}

TEST_F(EndingSceneTest, InTheLastPhaseFireLoadsTheMainMenuAndTheCanvasIsWholeAgain) {
  cGame::updateState31(4);
  ASSERT_NE(s_->cGame_spriteTable->elements()[44], nullptr);
  Step();
  EXPECT_EQ(s_->cGame_currentState, kScene) << "no key, no leaving";
  EXPECT_EQ(s_->cGame_softKeyLeft, 0);
  s_->cGame_touchAction = kFire;
  Step();
  EXPECT_EQ(s_->cGame_nextState, kLoading);
  RunOut();
  EXPECT_EQ(s_->cGame_currentState, kMainMenu);
  EXPECT_EQ(s_->cGame_canvasHeight, 800);
  EXPECT_EQ(s_->cGame_spriteTable->elements()[44], nullptr) << "kind 22 released the scenery";
  EXPECT_EQ(s_->cGame_backgroundActors, nullptr);
}

// The animations of each phase that its script sets after the spawn: (actor, animation).
struct ScriptedAnim {
  int32_t phase, actor, anim;
};
constexpr ScriptedAnim kScripted[] = {{1, 0, 1},  {1, 5, 46}, {1, 0, 0},  {1, 2, 1},
                                      {1, 4, 17}, {1, 6, 15}, {2, 1, 12}, {2, 2, 12}};

bool Holds(ASprite* sprite, int32_t anim) {
  return sprite && anim >= 0 && sprite->animAFrameCount && anim < sprite->animAFrameCount->length &&
         sprite->getAFrameCount(anim) > 0;
}

TEST_F(EndingSceneTest, EveryActorOfEveryPhaseAndItsScriptedAnimationsAreInTheData) {
  TraceCapture trace;
  for (int32_t phase = 0; phase < 4; phase++) {
    SCOPED_TRACE("phase " + std::to_string(phase));
    cGame::updateState31(phase);
    ObjectArray* actors = s_->cGame_sceneActors;
    ASSERT_NE(actors, nullptr);
    for (int32_t i = 0; i < actors->length; i++) {
      cActor* actor = SceneActor(i);
      ASSERT_NE(actor, nullptr) << "actor " << i;
      EXPECT_TRUE(Holds(cActor::getSprite(actor), cActor::getAnim(actor))) << "actor " << i;
    }
    for (const ScriptedAnim& step : kScripted) {
      if (step.phase != phase) continue;
      EXPECT_TRUE(Holds(cActor::getSprite(SceneActor(step.actor)), step.anim))
          << "actor " << step.actor << " animation " << step.anim;
    }
  }
  ASSERT_NE(s_->cGame_backgroundActors, nullptr);
  for (int32_t i = 0; i < s_->cGame_backgroundActors->length; i++) {
    auto* bird = CheckCast<cActor>(s_->cGame_backgroundActors->elements()[i]);
    ASSERT_NE(bird, nullptr);
    for (const int32_t flight : {0, 1}) EXPECT_TRUE(Holds(cActor::getSprite(bird), flight));
  }
  for (const std::string& line : trace.lines()) {
    EXPECT_EQ(line.find("State31"), std::string::npos) << line;
  }
}

// {minX, minY, maxX, maxY} of what animation-frame j of the actor's sprite paints at its place.
std::array<int32_t, 4> Box(cActor* actor, int32_t anim, int32_t j) {
  IntArray* out = NewIntArray(4);
  cActor::getSprite(actor)->measureAFrame(out, anim, j, cActor::getX(actor), cActor::getY(actor),
                                          0);
  return {out->elements()[0], out->elements()[1], out->elements()[2], out->elements()[3]};
}

TEST_F(EndingSceneTest, TheFloatingBubbleEndsOnTheTrappedStarWhichLandsWherePhaseTwoShowsIt) {
  cGame::updateState31(1);
  cActor* floater = SceneActor(5);
  cActor* trapped = SceneActor(6);
  ASSERT_NE(floater, nullptr);
  ASSERT_NE(trapped, nullptr);
  ASprite* bubbles = cActor::getSprite(floater);
  const int32_t steps = bubbles->getAFrameCount(46);
  ASSERT_GE(steps, 2);
  // It climbs while the script's next three records wait (1000 + 1500 + 2000 ms), then is gone.
  int32_t climb = 0;
  for (int32_t j = 0; j + 1 < steps; j++) climb += bubbles->getAFrameTime(46, j) * 40;
  EXPECT_GE(climb, 3500);
  EXPECT_LE(climb, 4500);
  EXPECT_EQ(bubbles->getFModuleCount(bubbles->getAFrameFrame(46, steps - 1)), 0);
  const auto end = Box(floater, 46, steps - 2);
  const auto glass = Box(trapped, 16, 0);
  const int32_t r = (glass[2] - glass[0]) / 2;
  const int32_t dx = (end[0] + end[2]) / 2 - (glass[0] + glass[2]) / 2;
  const int32_t dy = (end[1] + end[3]) / 2 - (glass[1] + glass[3]) / 2;
  EXPECT_LE(dx * dx + dy * dy, r * r)
      << "the flight ends " << dx << ", " << dy << " from its centre";

  const auto landed = Box(trapped, 15, cActor::getSprite(trapped)->getAFrameCount(15) - 1);
  cGame::updateState31(2);
  cActor* item = SceneActor(5);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(landed, Box(item, cActor::getAnim(item), 0));
}

}  // namespace
