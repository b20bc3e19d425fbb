// Keys: the mapping of device codes to game keys, the key states that the callbacks and the
// latch make of presses, holds and releases, the queries over the latched states, and the
// callbacks before the game thread's key arrays exist.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/shell/frame_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using KeyInputTest = FrameTest;

TEST_F(KeyInputTest, DeviceCodesMapToTheirGameKeysAndEveryOtherCodeToKeyZero) {
  struct Case {
    int32_t code, gameKey;
  };
  const Case kCases[] = {
      {48, 6},  {49, 7},  {50, 1},  {51, 9},  {52, 3},  {53, 5}, {54, 4}, {55, 13},   {56, 2},
      {57, 15}, {35, 17}, {42, 16}, {-6, 18}, {-7, 19}, {-5, 5}, {-1, 1}, {-2, 2},    {-3, 3},
      {-4, 4},  {65, 0},  {66, 0},  {0, 0},   {-8, 0},  {58, 0}, {47, 0}, {-9999, 0},
  };
  for (const Case& c : kCases) EXPECT_EQ(cGame::mapKeyCode(c.code), c.gameKey) << c.code;
}

// Each step is a press (P), release (R) or latch (L) of one key; every latch records the key's
// latched state.
struct KeyScript {
  const char* name;
  int32_t code;
  const char* steps;
  std::vector<int32_t> latched;
};

TEST_F(KeyInputTest, PressesHoldsAndReleasesLatchAsKeyStates) {
  const KeyScript kScripts[] = {
      {"press and release between latches", -5, "PRLL", {-1, 0}},
      {"a press held", -5, "PLLLRLL", {1, 2, 3, -4, 0}},
      {"a repeat while held is ignored", -5, "PLPLPL", {1, 2, 3}},
      {"two presses before a latch count once", -5, "PPL", {1}},
      {"pressed again before its release was latched", -5, "PLRPLL", {1, 1, 2}},
      {"a release without a press changes nothing", -5, "RLL", {0, 0}},
      {"the left soft key held: pressed, released, up", -6, "PLLLRL", {1, -2, 0, 0}},
      {"the right soft key: its key-up changes nothing", -7, "PLRLL", {1, -2, 0}},
  };
  for (const KeyScript& script : kScripts) {
    SCOPED_TRACE(script.name);
    cGame::clearKeyStates();
    const int32_t k = cGame::mapKeyCode(script.code);
    std::vector<int32_t> latched;
    for (const char* step = script.steps; *step; step++) {
      if (*step == 'P') canvas()->keyPressed(script.code);
      if (*step == 'R') canvas()->keyReleased(script.code);
      if (*step == 'L') {
        cGame::latchKeys();
        latched.push_back(Latched(k));
      }
    }
    EXPECT_EQ(latched, script.latched);
  }
}

TEST_F(KeyInputTest, AKeyHeldTwoHundredFramesCountsToOneHundredTwentySixAndStaysThere) {
  canvas()->keyPressed(-1);
  std::vector<int32_t> held;
  for (int frame = 0; frame < 200; frame++) {
    cGame::latchKeys();
    held.push_back(Latched(1));
  }
  for (int frame = 0; frame < 200; frame++) {
    ASSERT_EQ(held[frame], std::min(frame + 1, 126)) << "frame " << frame;
  }
  canvas()->keyReleased(-1);
  cGame::latchKeys();
  EXPECT_EQ(Latched(1), -126);
  cGame::latchKeys();
  EXPECT_EQ(Latched(1), 0);
}

TEST_F(KeyInputTest, UnmappedKeysShareGameKeyZero) {
  canvas()->keyPressed('A');
  cGame::latchKeys();
  canvas()->keyPressed('B');  // the shared key is held already: ignored
  canvas()->keyReleased('A');
  cGame::latchKeys();
  EXPECT_EQ(Latched(0), -2);
  canvas()->keyReleased('B');
  cGame::latchKeys();
  EXPECT_EQ(Latched(0), 0);
  EXPECT_EQ(s_->cGame_lastKeyCode, 'B');
}

TEST_F(KeyInputTest, QueriesReadTheLatchedStatesNeverTheLiveOnes) {
  canvas()->keyPressed(-3);
  canvas()->keyPressed(-4);
  canvas()->keyPressed('2');
  canvas()->keyReleased('2');
  EXPECT_FALSE(cGame::isKeyDown(3)) << "not latched yet";
  cGame::latchKeys();
  EXPECT_TRUE(cGame::isKeyDown(3));
  EXPECT_TRUE(cGame::isKeyJustPressed(3));
  EXPECT_FALSE(cGame::isKeyDown(1));
  EXPECT_FALSE(cGame::isKeyJustPressed(1)) << "pressed and released between latches";
  EXPECT_EQ(cGame::getKeyPressed(), 3) << "the lowest of 3 and 4";
  EXPECT_EQ(cGame::getKeyReleased(), 1);
  EXPECT_EQ(s_->cGame_keyPressedThisFrame, 4) << "the highest pressed";
  EXPECT_EQ(s_->cGame_lastHeldKey, 4);
  cGame::latchKeys();
  EXPECT_TRUE(cGame::isKeyDown(3));
  EXPECT_FALSE(cGame::isKeyJustPressed(3));
  EXPECT_EQ(cGame::getKeyPressed(), -1);
  EXPECT_EQ(cGame::getKeyReleased(), -1);
}

TEST_F(KeyInputTest, AKeyThatWentDownIsStampedWithTheTickOfThePreviousFrame) {
  Frame();
  const int64_t previous = s_->cGame_frameTick;
  clock_.advance(40);
  canvas()->keyPressed(-2);
  Frame();
  EXPECT_EQ(s_->cGame_keyPressTick, previous);
  EXPECT_EQ(s_->cGame_frameTick, previous + 40);
}

TEST_F(KeyInputTest, APendingTouchActionAnswersBeforeTheKeysAndIsClearedAfterTheFrameThatReadIt) {
  canvas()->keyPressed(-5);
  s_->cGame_touchAction = 11;
  s_->cGame_touchSoftKey = 18;
  Frame();  // nobody reads it: it stays
  EXPECT_EQ(s_->cGame_touchAction, 11);

  int32_t pressed = -1, released = -1;
  onStateCall = [&](int32_t, int32_t message) {
    if (message != cGame::kStateUpdate) return;
    pressed = cGame::getKeyPressed();
    released = cGame::getKeyReleased();
  };
  Frame();
  EXPECT_EQ(pressed, 11);
  EXPECT_EQ(released, 11);
  EXPECT_EQ(s_->cGame_touchAction, cGame::kNoTouchAction);
  EXPECT_EQ(s_->cGame_touchSoftKey, cGame::kNoTouchAction);
  EXPECT_FALSE(s_->cGame_touchActionTaken);
}

TEST_F(KeyInputTest, ClearingZeroesBothArrays) {
  canvas()->keyPressed(-5);
  cGame::latchKeys();
  cGame::clearKeyStates();
  EXPECT_EQ(Latched(5), 0);
  EXPECT_EQ(ByteArray::get(s_->cGame_keysLive, 5), 0);
}

// Before the game thread made the arrays, or after its loop dropped them, input is ignored
// without a trace.
TEST_F(KeyInputTest, CallbacksWithoutTheKeyArraysDoNothing) {
  cGame::releaseKeyArrays();
  TraceCapture trace;
  canvas()->keyPressed(-5);
  canvas()->keyReleased(-5);
  canvas()->pointerPressed(10, 10);
  canvas()->pointerDragged(40, 40);
  canvas()->pointerReleased(40, 40);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{});
  EXPECT_EQ(s_->cGame_pointerX, -1);
  EXPECT_EQ(s_->cGame_pointerReleaseX, -1);
  EXPECT_EQ(s_->cGame_lastKeyCode, -9999);
}

}  // namespace
