// The frame and the state machine, frame by frame with recording handlers: the order of enter,
// update, paint and exit, state changes, the popup path, the frame time, the size check,
// states without a handler, exceptions of handlers, and the control bar.
#include <gtest/gtest.h>

#include "javame/exception_classes.h"
#include "javame/graphics.h"
#include "runtime/exceptions.h"
#include "tests/game/shell/frame_fixture.h"

namespace {

using FrameLoopTest = FrameTest;

TEST_F(FrameLoopTest, TheFirstFrameEntersStateOneThenUpdatesAndPaintsIt) {
  EXPECT_EQ(FrameCalls(), "1:enter 1:update 1:paint ");
  EXPECT_EQ(FrameCalls(), "1:update 1:paint ");
  EXPECT_EQ(s_->cGame_stateFrames, 2);
  EXPECT_FALSE(s_->cGame_inPaint);
  EXPECT_EQ(s_->cGame_frameGraphics, nullptr);
}

TEST_F(FrameLoopTest, AChangeAskedInAFrameLandsInTheNextAfterTheOldStatesPaint) {
  // The message whose handler asks for state 2.
  for (const int32_t askedAt : {cGame::kStateEnter, cGame::kStateUpdate, cGame::kStatePaint}) {
    SCOPED_TRACE(askedAt);
    cGame::resetStateMachine();
    onStateCall = [&](int32_t state, int32_t message) {
      if (state == 1 && message == askedAt) cGame::setState(2);
    };
    EXPECT_EQ(FrameCalls(), "1:enter 1:update 1:paint ");
    EXPECT_EQ(s_->cGame_currentState, 1);
    EXPECT_EQ(FrameCalls(), "1:exit 2:enter 2:update 2:paint ");
    EXPECT_EQ(s_->cGame_previousState, 1);
    EXPECT_EQ(s_->cGame_nextState, -1);
    EXPECT_EQ(s_->cGame_stateFrames, 1);
  }
}

TEST_F(FrameLoopTest, TwoRequestsInOneFrameEnterOnlyTheLastWithOneExit) {
  onStateCall = [](int32_t state, int32_t message) {
    if (state != 1) return;
    if (message == cGame::kStateUpdate) cGame::setState(2);
    if (message == cGame::kStatePaint) cGame::setState(3);
  };
  Frame();
  onStateCall = nullptr;
  EXPECT_EQ(FrameCalls(), "1:exit 3:enter 3:update 3:paint ");
}

// The key held before the popup closes reads up in the closing frame's update.
TEST_F(FrameLoopTest, UnderThePopupTheStateIsOnlyPaintedUntilTheFrameThatClosesIt) {
  Frame();
  canvas()->keyPressed(-5);
  Frame();
  ASSERT_TRUE(cGame::isKeyDown(5));
  s_->cGame_popupOpen = true;
  EXPECT_EQ(FrameCalls(), "1:paint ");
  EXPECT_EQ(FrameCalls(), "1:paint ");

  bool downInUpdate = true;
  onStateCall = [&](int32_t, int32_t message) {
    if (message == cGame::kStatePaint) s_->cGame_popupOpen = false;
    if (message == cGame::kStateUpdate) downInUpdate = cGame::isKeyDown(5);
  };
  EXPECT_EQ(FrameCalls(), "1:paint 1:update ");
  EXPECT_FALSE(downInUpdate);
  EXPECT_EQ(ByteArray::get(s_->cGame_keysLive, 5), 0);
  onStateCall = nullptr;
  EXPECT_EQ(FrameCalls(), "1:update 1:paint ");
}

TEST_F(FrameLoopTest, TheFrameTimeIsTheTickStepClampedToZeroToOneSecond) {
  struct Case {
    int32_t step;  // ms the clock moves between two frames
    int32_t frameTime;
  };
  for (const Case c :
       {Case{40, 40}, Case{0, 0}, Case{-500, 0}, Case{1000, 1000}, Case{1500, 1000}}) {
    SCOPED_TRACE(c.step);
    Frame();
    const int32_t stateTime = s_->cGame_stateTime;
    clock_.set(clock_.ticks() + static_cast<uint32_t>(c.step));
    Frame();
    EXPECT_EQ(s_->cGame_frameTime, c.frameTime);
    EXPECT_EQ(s_->cGame_stateTime, stateTime + c.frameTime);
    EXPECT_EQ(s_->cGame_lastFrameTick, s_->cGame_frameTick);
    EXPECT_EQ(s_->cGame_frameTick, clock_.ticks());
  }
}

TEST_F(FrameLoopTest, ACanvasLargerThan480By800IsResetAtTheNextFrame) {
  struct Case {
    int32_t width, height, widthAfter, heightAfter;
  };
  for (const Case c : {Case{500, 900, 480, 800}, Case{481, 800, 480, 800}, Case{480, 801, 480, 800},
                       Case{480, 640, 480, 640}}) {
    canvas()->sizeChanged(c.width, c.height);
    Frame();
    EXPECT_EQ(s_->cGame_canvasWidth, c.widthAfter) << c.width << " x " << c.height;
    EXPECT_EQ(s_->cGame_canvasHeight, c.heightAfter) << c.width << " x " << c.height;
  }
}

TEST_F(FrameLoopTest, AStateWithoutAHandlerRunsNothingYetTheFrameCountsAndLatches) {
  for (const int32_t state : {0, 7, 21, 33}) {
    SCOPED_TRACE(state);
    s_->cGame_currentState = state;
    s_->cGame_stateEntering = false;
    s_->cGame_stateFrames = 0;
    canvas()->keyPressed(-3);
    canvas()->pointerPressed(12, 34);
    canvas()->pointerReleased(12, 34);
    EXPECT_EQ(FrameCalls(), "");
    EXPECT_EQ(s_->cGame_stateFrames, 1);
    EXPECT_EQ(Latched(3), 1);
    EXPECT_EQ(s_->cGame_tapX, 12);
    EXPECT_EQ(s_->cGame_tapY, 34);
    canvas()->keyReleased(-3);
    Frame();
  }
}

// An exception is printed and dropped, and the frame goes on; a throwable that is no exception
// ends the frame and stays pending, for the game loop to end on.
TEST_F(FrameLoopTest, AHandlersExceptionIsDroppedAndTheFrameGoesOn) {
  struct Case {
    const char* name;
    int32_t thrownAt;
    bool exception;
    const char* calls;
  };
  const Case kCases[] = {
      {"an exception in enter", cGame::kStateEnter, true, "1:enter 1:update 1:paint "},
      {"an exception in update", cGame::kStateUpdate, true, "1:enter 1:update 1:paint "},
      {"an exception in paint", cGame::kStatePaint, true, "1:enter 1:update 1:paint "},
      {"a throwable in update", cGame::kStateUpdate, false, "1:enter 1:update "},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    cGame::resetStateMachine();
    s_->cGame_inPaint = false;
    onStateCall = [&](int32_t, int32_t message) {
      if (message != c.thrownAt) return;
      if (c.exception) {
        ThrowException(NewObject<java_lang_RuntimeException>());
      } else {
        ThrowException(NewObject<java_lang_Throwable>());
      }
    };
    EXPECT_EQ(FrameCalls(), c.calls);
    EXPECT_EQ(GetPendingException() != nullptr, !c.exception);
    EXPECT_EQ(s_->cGame_runState, 0);
    ClearPendingException();
  }
}

uint16_t Pixel(Application& application, int32_t x, int32_t y) {
  auto* pixels = static_cast<ShortArray*>(application.screenImage->pixels);
  return static_cast<uint16_t>(pixels->elements()[y * 480 + x]);
}

TEST_F(FrameLoopTest, TheControlBarFillsTheBandBelowThePlayAreaInItsStates) {
  struct Case {
    int32_t state;
    bool shown;
    bool band;
  };
  for (const Case c : {Case{17, false, true}, Case{31, false, true}, Case{1, true, true},
                       Case{5, false, false}, Case{1, false, false}}) {
    SCOPED_TRACE(c.state);
    javax_microedition_lcdui_Graphics* g = application_.m_screenGraphics;
    g->setColor(0xFFFFFF);
    g->fillRect(0, 0, 480, 800);
    s_->cGame_currentState = c.state;
    s_->cGame_stateEntering = false;
    s_->cGame_controlBarShown = c.shown;
    Frame();
    const uint16_t expected = c.band ? 0x0000 : 0xFFFF;
    EXPECT_EQ(Pixel(application_, 0, 640), expected);
    EXPECT_EQ(Pixel(application_, 479, 799), expected);
    EXPECT_EQ(Pixel(application_, 240, 639), 0xFFFF);
  }
}

}  // namespace
