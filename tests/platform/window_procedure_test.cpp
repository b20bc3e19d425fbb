// The window procedure against a recording application: the key table, the keys that never
// reach the game, the volume keys' arithmetic, stylus scaling, and focus changes.
#include <gtest/gtest.h>

#include "host/audio.h"
#include "tests/platform/shell_fixture.h"

namespace {

using host::kMsgKeyDown;
using host::kMsgKeyUp;
using Calls = std::vector<std::string>;

TEST(MapVirtualKeyToMidpTest, MapsTheDeviceKeysAndLeavesEveryOtherCodeAlone) {
  const struct {
    uint32_t virtualKey;
    int32_t midp;
  } kCases[] = {
      {13, -5},  {37, -3},  {38, -1},  {39, -4},   {40, -2},   {112, -6},  {113, -7},
      {119, 42}, {120, 35}, {96, '0'}, {101, '5'}, {105, '9'}, {65, 'A'},  {90, 'Z'},
      {9, 9},    {32, 32},  {12, 12},  {121, 121}, {117, 117}, {229, 229}, {0, 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(MapVirtualKeyToMidp(c.virtualKey), c.midp) << "virtual key " << c.virtualKey;
  }
}

TEST_F(ShellTest, KeysReachTheCanvasAsMidpCodesOnDownAndUp) {
  StartShell();
  Key(kMsgKeyDown, 13);
  Key(kMsgKeyUp, 13);
  Key(kMsgKeyDown, 101);
  Key(kMsgKeyDown, 'Q');
  Key(kMsgKeyDown, 120);
  EXPECT_EQ(calls.take(), (Calls{"keyPressed -5", "keyReleased -5", "keyPressed 53",
                                 "keyPressed 81", "keyPressed 35"}));
}

// A device with an input method reports VK_PROCESSKEY; the key is the input method's.
TEST_F(ShellTest, TheProcessKeyIsReplacedByTheInputMethodsKey) {
  StartShell();
  Key(kMsgKeyDown, host::kVkProcessKey, 37);
  Key(kMsgKeyUp, host::kVkProcessKey, 37);
  EXPECT_EQ(calls.take(), (Calls{"keyPressed -3", "keyReleased -3"}));
}

TEST_F(ShellTest, SystemKeysAreSwallowedOnDownAndUp) {
  StartShell();
  for (uint32_t key : {91u, 92u, 114u, 115u, 27u, 36u}) {
    Key(kMsgKeyDown, key);
    Key(kMsgKeyUp, key);
  }
  EXPECT_EQ(calls.take(), Calls{});
}

TEST_F(ShellTest, TheVolumeKeysNeverReachTheCanvasAndMoveTheMasterVolumeOnRelease) {
  StartShell();
  const struct {
    uint32_t key;
    uint32_t imeKey;
    uint32_t before;  // right << 16 | left
    uint32_t after;
  } kCases[] = {
      {117, 0, 1000u << 16 | 60000, 7553u << 16 | 65535},  // up; a channel near full gets full
      {117, 0, 0xFFFFFFFF, 0xFFFFFFFF},
      {118, 0, 0u << 16 | 5000, 1},  // down; both at 0 gives 1
      {118, 0, 20000u << 16 | 6553, 13447u << 16 | 0},
      {host::kVkProcessKey, 117, 0, 6553u << 16 | 6553},  // the input method's key counts too
      {host::kVkProcessKey, 118, 6554u << 16 | 6554, 1u << 16 | 1},
  };
  for (const auto& c : kCases) {
    host::SetMasterVolume(c.before);
    Key(kMsgKeyDown, c.key, c.imeKey);
    EXPECT_EQ(host::GetMasterVolume(), c.before) << "key-down changes nothing";
    Key(kMsgKeyUp, c.key, c.imeKey);
    EXPECT_EQ(host::GetMasterVolume(), c.after) << "key " << c.key << " ime " << c.imeKey;
  }
  EXPECT_EQ(calls.take(), Calls{});
  host::SetMasterVolume(host::kFullVolume);
}

TEST_F(ShellTest, StylusPointsPassUnchangedOnAScreenOfTheGamesSize) {
  StartShell();
  Stylus(host::kMsgStylusDown, 100, 7);
  Stylus(host::kMsgStylusMove, 479, 799);
  Stylus(host::kMsgStylusUp, 0, 0);
  EXPECT_EQ(calls.take(),
            (Calls{"pointerPressed 100 7", "pointerDragged 479 799", "pointerReleased 0 0"}));
}

TEST_F(ShellTest, StylusPointsAreScaledFromASmallerScreen) {
  StartShell(240, 400);
  Stylus(host::kMsgStylusDown, 100, 7);
  Stylus(host::kMsgStylusUp, 239, 399);
  EXPECT_EQ(calls.take(), (Calls{"pointerPressed 200 14", "pointerReleased 478 798"}));
}

// 480 / 1440 is not exact in single precision; the rounding still gives every point back.
TEST_F(ShellTest, StylusPointsFromAThreeTimesLargerScreenRoundToTheGamesPixels) {
  StartShell(1440, 2400);
  Stylus(host::kMsgStylusDown, 300, 2397);
  Stylus(host::kMsgStylusUp, 1, 2);
  EXPECT_EQ(calls.take(), (Calls{"pointerPressed 100 799", "pointerReleased 0 1"}));
}

TEST_F(ShellTest, FocusLossPausesAndFocusGainResumesThroughMidletAndCanvas) {
  StartShell();
  window_->injectFocusLoss();
  PumpMessages();
  EXPECT_EQ(calls.take(), (Calls{"pauseApp", "hideNotify"}));
  EXPECT_FALSE(context_.paintingEnabled);
  window_->injectFocusGain();
  PumpMessages();
  EXPECT_EQ(calls.take(), (Calls{"startApp", "showNotify"}));
  EXPECT_TRUE(context_.paintingEnabled);
  EXPECT_EQ(application().paused, 0) << "focus changes leave the paused flag alone";
}

// After the focus is lost, moves and the first stylus-up are dropped; a stylus-down always
// arrives, and the up after the dropped one arrives again.
TEST_F(ShellTest, AfterFocusLossTheFirstStylusUpAndTheMovesBeforeItAreDropped) {
  StartShell();
  window_->injectFocusLoss();
  window_->injectFocusGain();
  PumpMessages();
  calls.take();
  Stylus(host::kMsgStylusDown, 10, 10);
  Stylus(host::kMsgStylusMove, 11, 11);
  Stylus(host::kMsgStylusUp, 12, 12);
  Stylus(host::kMsgStylusDown, 20, 20);
  Stylus(host::kMsgStylusMove, 21, 21);
  Stylus(host::kMsgStylusUp, 22, 22);
  EXPECT_EQ(calls.take(), (Calls{"pointerPressed 10 10", "pointerPressed 20 20",
                                 "pointerDragged 21 21", "pointerReleased 22 22"}));
}

TEST_F(ShellTest, InputBeforeTheApplicationExistsOrWithoutACanvasIsDropped) {
  StartShell();
  Shell().application = nullptr;
  Key(kMsgKeyDown, 13);
  Stylus(host::kMsgStylusDown, 1, 1);
  Shell().application = context_.application;
  application().currentDisplayable = nullptr;
  Key(kMsgKeyDown, 13);
  Stylus(host::kMsgStylusDown, 1, 1);
  window_->injectFocusLoss();
  PumpMessages();
  EXPECT_EQ(calls.take(), Calls{});
}

// A key handler that leaves an exception pending has no Java caller: the shell drops it.
TEST_F(ShellTest, AnExceptionLeftPendingByADeliveryIsTracedAndDropped) {
  class Throwing : public javax_microedition_lcdui_Canvas {
   public:
    void keyPressed(int32_t) override { ThrowException(NewObject<java_lang_Throwable>()); }
  };
  StartShell();
  application().currentDisplayable = NewObject<Throwing>();
  TraceCapture trace;
  Key(kMsgKeyDown, 13);
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_TRUE(trace.contains(
      "Application::keyPressed: java_lang_Throwable still pending when the call returned; "
      "dropped"));
}

TEST_F(ShellTest, TheCloseButtonAsksTheLoopToQuitWithCodeZero) {
  StartShell();
  Deliver({{host::kMsgClose, 0, 0}});
  EXPECT_EQ(context_.running.load(), 0);
  EXPECT_EQ(Shell().exitCode, 0);
  EXPECT_TRUE(Shell().destroyed);
  EXPECT_EQ(context_.application, nullptr) << "the runtime is shut down";
}

}  // namespace
