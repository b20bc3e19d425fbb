// The game's pause and hide stop every sound channel on the main thread while the game thread
// plays and frees sound slots: both go through the sound manager's one lock, so neither sees
// the other's work half done. The thread sanitizer pass runs it too.
#include <gtest/gtest.h>

#include <atomic>

#include "javame/thread.h"
#include "tests/engine/sound_fixture.h"

namespace {

constexpr int32_t kRounds = 10000;
constexpr int32_t kSlot = 20;

// A Java thread that plays a slot and frees it again, round after round, as the loader and
// cGame::freeSounds do.
class FreeingThread : public java_lang_Thread {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimerThread;
  explicit FreeingThread(ByteArray* bytes) : wav(bytes) { RegisterReferenceFields(this, &wav); }
  void run() override {
    for (int32_t round = 0; round < kRounds; round++) {
      auto* s = Statics<GameStatics>();
      s->MQLibPlayer_soundSlotData->elements()[kSlot] = wav;
      MQLibPlayer::soundQueuePush(round % 4, MQLibPlayer::kCommandStart, kSlot, 5, 0, 1);
      MQLibPlayer::soundUpdate();
      if (MQLibPlayer::soundIsPlaying(round % 4)) played++;
      MQLibPlayer::soundFree(kSlot);
    }
    done.store(true);
  }

  ByteArray* wav;  // the WAV file it puts back into the slot each round
  std::atomic<int32_t> played{0};  // rounds whose start was playing before the free
  std::atomic<bool> done{false};
};

using SoundStopRaceTest = SoundTest;

TEST_F(SoundStopRaceTest, StopAllAgainstFreeingOnTwoThreadsLeavesEveryChannelWhole) {
  FillSlot(kSlot, Flat(20));
  auto* thread = NewObject<FreeingThread>(
      static_cast<ByteArray*>(S()->MQLibPlayer_soundSlotData->elements()[kSlot]));
  ASSERT_GE(thread->nativeStart(), 0);
  int32_t stops = 0;
  while (!thread->done.load() || stops < kRounds) {
    MQLibPlayer::soundStopAll();
    stops++;
  }
  thread->join();
  EXPECT_GT(thread->played.load(), 0);
  MQLibPlayer::soundStopAll();
  for (int32_t ch = 0; ch < kChannels; ch++) {
    EXPECT_EQ(Count(ch), 0);
    EXPECT_EQ(State(ch), MQLibPlayer::kChannelFree);
    EXPECT_EQ(ChannelPlayer(ch), nullptr);
  }
  EXPECT_FALSE(Sounding());
}

}  // namespace
