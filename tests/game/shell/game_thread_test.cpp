// The application class and the game thread, started through Application::startApp: one
// canvas and one thread however often the game starts, destroy before the start, pause and
// resume with their time bases, the sleep that fills each pass to 40 ms, and the end of the
// loop that ends the application.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "game/shell/input_lock.h"
#include "game/shell/marqplim.h"
#include "game/shell/shared_statics.h"
#include "javame/thread.h"
#include "platform/application_class.h"
#include "tests/game/shell/game_thread_fixture.h"

namespace {

// Messages and frame times that state 1 received, from whichever thread.
class Received {
 public:
  void add(int32_t message, int32_t frameTime) {
    std::lock_guard<std::mutex> guard(lock_);
    (message == cGame::kStatePaint ? paints_ : others_)++;
    if (message == cGame::kStateUpdate) frameTimes_.push_back(frameTime);
  }
  int32_t paints() {
    std::lock_guard<std::mutex> guard(lock_);
    return paints_;
  }
  std::vector<int32_t> frameTimes() {
    std::lock_guard<std::mutex> guard(lock_);
    return frameTimes_;
  }

 private:
  std::mutex lock_;
  int32_t paints_ = 0;
  int32_t others_ = 0;
  std::vector<int32_t> frameTimes_;
};

class GameLoopTest : public GameThreadTest {
 protected:
  void SetUp() override {
    GameThreadTest::SetUp();
    stateOneHandler = [this](int32_t message) {
      received_.add(message, Statics<GameStatics>()->cGame_frameTime);
      if (message == cGame::kStatePaint) clock_.advance(paintCost_.load());
    };
  }

  Received received_;
  std::atomic<uint32_t> paintCost_{0};  // ms a paint of state 1 takes
};

TEST_F(GameLoopTest, TwoStartsMakeOneCanvasAndOneGameThreadAndDestroyEndsTheApplication) {
  application().startApp();
  cGame* canvas = s_->cGame_gameCanvas;
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(application().currentDisplayable, canvas);
  EXPECT_EQ(MarqPLIM::getInstance(), application().m_midlet);
  ASSERT_TRUE(WaitForPasses(3));
  EXPECT_GT(received_.paints(), 0);

  application().startApp();
  application().m_midlet->startApp();
  EXPECT_EQ(s_->cGame_gameCanvas, canvas);
  EXPECT_EQ(java_lang_Thread::activeCount(), 2) << "the main thread and one game thread";
  EXPECT_EQ(LoadShared(s_->cGame_runState), 0);

  application().destoryMIDlet();
  EXPECT_EQ(LoadShared(s_->cGame_runState), -1);
  ASSERT_TRUE(WaitFor([&] { return !context_.running; })) << "the loop ended the application";
  InputGuard guard;
  EXPECT_EQ(s_->cGame_keysLive, nullptr);
  EXPECT_EQ(s_->cGame_keysLatched, nullptr);
}

TEST_F(GameLoopTest, DestroyBeforeTheFirstStartDoesNothing) {
  auto* midlet = static_cast<MarqPLIM*>(NewApplicationObject());
  midlet->destroyApp(true);
  EXPECT_EQ(s_->cGame_gameCanvas, nullptr);
  EXPECT_EQ(LoadShared(s_->cGame_runState), 0);
  application().startApp();
  EXPECT_TRUE(WaitForPasses(3)) << "a later start still runs the game";
}

// A 10 ms paint leaves 30 ms of the budget to sleep; one of 60 ms overran it and sleeps 1 ms.
TEST_F(GameLoopTest, EachPassSleepsWhatThePaintLeftOfFortyMillisecondsAndAtLeastOne) {
  struct Case {
    uint32_t paint, sleep;
  };
  application().startApp();
  for (const Case c : {Case{10, 30}, Case{60, 1}, Case{39, 1}, Case{0, 40}}) {
    paintCost_ = c.paint;
    ASSERT_TRUE(WaitForPasses(2));
    const size_t seen = clock_.taken().size();
    ASSERT_TRUE(WaitForPasses(3));
    const std::vector<uint32_t> sleeps = clock_.taken();
    ASSERT_GE(sleeps.size(), seen + 2);
    for (size_t i = seen; i < sleeps.size(); i++) EXPECT_EQ(sleeps[i], c.sleep) << c.paint;
  }
}

TEST_F(GameLoopTest, WhilePausedThePassesOnlySleepAndNothingIsPainted) {
  application().startApp();
  ASSERT_TRUE(WaitForPasses(2));
  application().pause();
  ASSERT_TRUE(LoadShared(s_->cGame_paused));
  ASSERT_TRUE(WaitForPasses(2));
  const int32_t paints = received_.paints();
  const uint64_t presents = surface().presentCount();
  const size_t seen = clock_.taken().size();
  ASSERT_TRUE(WaitForPasses(5));
  EXPECT_EQ(received_.paints(), paints);
  EXPECT_EQ(surface().presentCount(), presents);
  const std::vector<uint32_t> sleeps = clock_.taken();
  for (size_t i = seen; i < sleeps.size(); i++) EXPECT_EQ(sleeps[i], 1u);

  application().resume();
  EXPECT_FALSE(LoadShared(s_->cGame_paused));
  EXPECT_TRUE(WaitFor([&] { return received_.paints() > paints + 2; }));
}

// The first frame after the resume (painted at once by the resume, or by the game thread when
// it gets there first) measures from the resume, not from the pause. The clock stands still
// after the ten seconds: the game thread spins on its sleeps while the resume paints.
TEST_F(GameLoopTest, AfterATenSecondPauseTheFirstFrameTimeIsAtMostOneFrame) {
  application().startApp();
  ASSERT_TRUE(WaitForPasses(3));
  application().pause();
  ASSERT_TRUE(WaitForPasses(2));
  const size_t before = received_.frameTimes().size();
  clock_.standStill();
  clock_.advance(10000);
  application().resume();
  ASSERT_TRUE(WaitFor([&] { return received_.frameTimes().size() > before; }));
  EXPECT_LE(received_.frameTimes()[before], 40);
}

// State 1's paint holds the game thread inside a frame until the test lets it go.
class HeldFrameTest : public GameThreadTest {
 protected:
  void SetUp() override {
    GameThreadTest::SetUp();
    stateOneHandler = [this](int32_t message) {
      if (message != cGame::kStatePaint) return;
      std::unique_lock<std::mutex> guard(lock_);
      held_ = true;
      changed_.notify_all();
      SafeRegion parked;
      changed_.wait(guard, [&] { return released_; });
    };
  }
  void TearDown() override {
    Release();
    GameThreadTest::TearDown();
  }
  bool WaitUntilHeld() {
    return WaitFor([&] {
      std::lock_guard<std::mutex> guard(lock_);
      return held_;
    });
  }
  int32_t LiveState(int32_t k) {
    InputGuard guard;
    return ByteArray::get(s_->cGame_keysLive, k);
  }
  void Release() {
    std::lock_guard<std::mutex> guard(lock_);
    released_ = true;
    changed_.notify_all();
  }

  std::mutex lock_;
  std::condition_variable changed_;
  bool held_ = false;
  bool released_ = false;
};

TEST_F(HeldFrameTest, ResumeWhenNotPausedChangesNoTimeBaseKeyOrRepaintFlag) {
  application().startApp();
  cGame* canvas = s_->cGame_gameCanvas;
  canvas->keyPressed(-5);
  ASSERT_TRUE(WaitUntilHeld());
  const int64_t frameTick = LoadShared(s_->cGame_frameTick);
  const int64_t lastFrameTick = LoadShared(s_->cGame_lastFrameTick);
  const int64_t loopTick = LoadShared(canvas->loopTick);
  const uint64_t presents = surface().presentCount();
  const int32_t held = LiveState(5);
  ASSERT_GT(held, 0);
  clock_.advance(5000);

  canvas->showNotify();
  application().m_midlet->startApp();

  EXPECT_EQ(LoadShared(s_->cGame_frameTick), frameTick);
  EXPECT_EQ(LoadShared(s_->cGame_lastFrameTick), lastFrameTick);
  EXPECT_EQ(LoadShared(canvas->loopTick), loopTick);
  EXPECT_FALSE(LoadShared(s_->cGame_repaintRequested));
  EXPECT_EQ(surface().presentCount(), presents);
  EXPECT_EQ(LiveState(5), held) << "the held key stays held";
}

// Paused inside a frame, the resume asks for the repaint but leaves the painting to the frame.
TEST_F(HeldFrameTest, ResumeWhilePaintingOnlyAsksForTheRepaint) {
  application().startApp();
  cGame* canvas = s_->cGame_gameCanvas;
  canvas->keyPressed(-5);
  ASSERT_TRUE(WaitUntilHeld());
  ASSERT_GT(LiveState(5), 0);
  cGame::pause();
  const uint64_t presents = surface().presentCount();
  clock_.advance(5000);
  canvas->showNotify();
  const int64_t now = clock_.ticks();
  EXPECT_EQ(LoadShared(s_->cGame_frameTick), now);
  EXPECT_EQ(LoadShared(s_->cGame_lastFrameTick), now);
  EXPECT_EQ(LoadShared(canvas->loopTick), now);
  EXPECT_TRUE(LoadShared(s_->cGame_repaintRequested));
  EXPECT_EQ(surface().presentCount(), presents);
  EXPECT_EQ(LiveState(5), 0) << "every key state cleared";
}

}  // namespace
