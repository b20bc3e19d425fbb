// The application's lifecycle: pause and resume keep the paused flag and call each side once,
// destroying the MIDlet, and the close that destroys it before anything is freed.
#include <gtest/gtest.h>

#include "tests/platform/shell_fixture.h"

namespace {

using Calls = std::vector<std::string>;

TEST_F(ShellTest, PauseTwiceCallsPauseAppOnceAndResumeUndoesIt) {
  StartShell();
  application().pause();
  application().pause();
  EXPECT_EQ(calls.take(), (Calls{"pauseApp", "hideNotify"}));
  EXPECT_EQ(application().paused, 1);
  application().resume();
  application().resume();
  EXPECT_EQ(calls.take(), (Calls{"startApp", "showNotify"}));
  EXPECT_EQ(application().paused, 0);
}

TEST_F(ShellTest, ResumeWithoutAPauseDoesNothing) {
  StartShell();
  application().resume();
  EXPECT_EQ(calls.take(), Calls{});
  EXPECT_EQ(application().paused, 0);
}

// Without both a MIDlet and a Displayable neither the calls nor the flag change happen.
TEST_F(ShellTest, PauseAndResumeNeedBothTheMidletAndTheDisplayable) {
  StartShell();
  javax_microedition_lcdui_Displayable* canvas = application().currentDisplayable;
  application().currentDisplayable = nullptr;
  application().pause();
  EXPECT_EQ(application().paused, 0);
  application().currentDisplayable = canvas;
  application().pause();
  application().m_midlet = nullptr;
  application().resume();
  EXPECT_EQ(application().paused, 1);
  EXPECT_EQ(calls.take(), (Calls{"pauseApp", "hideNotify"}));
}

TEST_F(ShellTest, DestroyingTheMidletCallsDestroyAppOrSaysThereIsNone) {
  StartShell();
  TraceCapture trace;
  application().destoryMIDlet();
  EXPECT_EQ(calls.take(), Calls{"destroyApp"});
  application().m_midlet = nullptr;
  application().destoryMIDlet();
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"Application::destoryMIDlet", "Application::destoryMIDlet",
                                      "m_midlet is already NULL."}));
}

// A MIDlet whose destroyApp still finds the objects and statics it uses: the close destroys it
// first, and its finaliser later still finds the class table.
std::vector<std::string> seenAtDestroy;

class CheckingMidlet : public javax_microedition_midlet_MIDlet {
 public:
  void destroyApp(bool) override {
    Application* application = GetApplication();
    seenAtDestroy.push_back(application->currentDisplayable ? "canvas" : "no canvas");
    seenAtDestroy.push_back(application->getStaticClass() ? "statics" : "no statics");
  }
  void finalize() override {
    Application* application = GetApplication();
    seenAtDestroy.push_back(application && application->getStaticClass()
                                ? "finalized with the statics"
                                : "finalized without the statics");
  }
};

TEST_F(ShellTest, CloseDestroysTheMidletFirstAndFinalisesBeforeTheStaticsGo) {
  StartShell();
  application().m_midlet = NewObject<CheckingMidlet>();
  seenAtDestroy.clear();
  context_.close();
  EXPECT_EQ(seenAtDestroy,
            (std::vector<std::string>{"canvas", "statics", "finalized with the statics"}));
}

TEST_F(ShellTest, TheNoEffectNativesDoNothing) {
  StartShell();
  ApplicationImpl::noop1(application().m_midlet);
  ApplicationImpl::noop2();
  EmptyNative(nullptr, nullptr);
  EXPECT_EQ(calls.take(), Calls{});
}

}  // namespace
