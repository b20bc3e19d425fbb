// The callbacks on the main thread against the latches on the game thread, as fast as both
// go: no release is lost (the key reads up two latches after its last release), and every
// latched tap's x and y come from one release. The thread sanitizer pass runs it too.
#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "game/shell/input_lock.h"
#include "javame/thread.h"
#include "tests/game/shell/game_thread_fixture.h"

namespace {

// What each frame's update saw: the latched state of the fire key, and the taps.
class Seen {
 public:
  void frame(int32_t fireState, int32_t tapX, int32_t tapY) {
    std::lock_guard<std::mutex> guard(lock_);
    fireStates_.push_back(fireState);
    if (tapX < 0) return;
    taps_++;
    if (tapY != 2 * tapX) mixedTaps_++;
  }
  size_t frames() {
    std::lock_guard<std::mutex> guard(lock_);
    return fireStates_.size();
  }
  std::vector<int32_t> fireStates() {
    std::lock_guard<std::mutex> guard(lock_);
    return fireStates_;
  }
  int32_t taps() {
    std::lock_guard<std::mutex> guard(lock_);
    return taps_;
  }
  int32_t mixedTaps() {
    std::lock_guard<std::mutex> guard(lock_);
    return mixedTaps_;
  }

 private:
  std::mutex lock_;
  std::vector<int32_t> fireStates_;
  int32_t taps_ = 0;
  int32_t mixedTaps_ = 0;
};

// The record outlives the test body: the game thread runs frames until the fixture's TearDown
// ends it.
class InputStressTest : public GameThreadTest {
 protected:
  Seen seen;
};

TEST_F(InputStressTest, NoReleaseIsLostAndEveryTapIsWhole) {
  stateOneHandler = [this](int32_t message) {
    if (message != cGame::kStateUpdate) return;
    int32_t fire;
    {
      InputGuard guard;
      fire = ByteArray::get(Statics<GameStatics>()->cGame_keysLatched, 5);
    }
    seen.frame(fire, Statics<GameStatics>()->cGame_tapX, Statics<GameStatics>()->cGame_tapY);
  };
  application().startApp();
  cGame* canvas = s_->cGame_gameCanvas;
  ASSERT_TRUE(WaitForPasses(2));

  // Each tap's y is twice its x: a tap put together from two releases shows.
  constexpr int kRounds = 20000;
  for (int i = 0; i < kRounds; i++) {
    const int32_t x = i % 400;
    canvas->keyPressed(-5);
    canvas->pointerPressed(x, 2 * x);
    canvas->pointerDragged(x + 7, 2 * x);
    canvas->keyReleased(-5);
    canvas->pointerReleased(x, 2 * x);
    if (i % 64 == 0) java_lang_Thread::yield();  // a safe point for the game's collections
  }
  const size_t lastRelease = seen.frames();
  ASSERT_TRUE(WaitFor([&] { return seen.frames() >= lastRelease + 3; }));

  const std::vector<int32_t> states = seen.fireStates();
  for (size_t i = lastRelease + 2; i < states.size(); i++) {
    ASSERT_EQ(states[i], 0) << "frame " << i << ", " << i - lastRelease << " after the release";
  }
  EXPECT_GT(seen.taps(), 0);
  EXPECT_EQ(seen.mixedTaps(), 0);
}

}  // namespace
