// The sound track across threads: the game thread starts a sound every frame while the main
// thread hides and shows the canvas, whose hide stops the current sound. Both hold cGame's
// class monitor, so the thread sanitizer pass (label game) sees no race and the track ends
// with at most one Player.
#include <gtest/gtest.h>

#include <atomic>

#include "game/shell/shared_statics.h"
#include "host/audio.h"
#include "javame/media.h"
#include "runtime/array.h"
#include "tests/game/shell/game_thread_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/sound_content.h"
#include "tools/databuild/wav_writer.h"

namespace {

constexpr int32_t kSounds = 6;

class SoundTrackThreadsTest : public GameThreadTest {
 protected:
  void SetUp() override {
    GameThreadTest::SetUp();
    ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kNull));
    s_->cGame_soundData = NewObjectArray(cid::ByteArray, 38);
    s_->cGame_soundLoops = NewByteArray(38);
    for (int32_t id = 0; id < kSounds; id++) {
      s_->cGame_soundData->elements()[id] =
          ManagedBytes(databuild::WriteWav(databuild::GameSound(id)));
    }
    stateOneHandler = [this](int32_t message) {
      if (message != cGame::kStateUpdate) return;
      cGame::playSound(started_++ % kSounds, 1);
    };
  }
  void TearDown() override {
    GameThreadTest::TearDown();
    host::CloseAudioDevice();
  }

  std::atomic<int32_t> started_{0};
};

TEST_F(SoundTrackThreadsTest, HidingTheCanvasStopsSoundsTheGameThreadStarts) {
  application().startApp();
  ASSERT_TRUE(WaitFor([&] { return started_ > 2; }));
  for (int round = 0; round < 40; round++) {
    const int32_t before = started_;
    s_->cGame_gameCanvas->hideNotify();
    EXPECT_TRUE(LoadShared(s_->cGame_paused));
    s_->cGame_gameCanvas->showNotify();
    ASSERT_TRUE(WaitFor([&] { return started_ > before + 1; })) << round;
  }
  // A frame under way when the canvas hides may still start its sound; once the loop only
  // sleeps, a hide leaves no Player.
  s_->cGame_gameCanvas->hideNotify();
  ASSERT_TRUE(WaitForPasses(2));
  s_->cGame_gameCanvas->hideNotify();
  EXPECT_EQ(s_->cGame_currentSound, nullptr);
  EXPECT_EQ(s_->cGame_currentSoundId, -1);
}

}  // namespace
