// The sound manager on the null audio device: the rings and what a push cancels or refuses,
// the channel states through the six commands, loop counts, stop-all, freeing a slot, Players
// that raise, bad channels and slots, and the idle sound thread.
#include <string>
#include <vector>

#include "tests/engine/sound_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using M = MQLibPlayer;

constexpr int32_t kEffect = 13;  // a slot of the builder's effects
constexpr int32_t kOther = 14;

// ---- The rings ------------------------------------------------------------------------------

TEST_F(SoundTest, APushCancelsTheQueuedCommandsOfItsTypeUnlessTheyWinOnPriority) {
  struct Push {
    int32_t type;
    int32_t priority;
  };
  struct Case {
    const char* name;
    std::vector<Push> pushes;
    std::vector<int32_t> queued;  // types, oldest first; 0 cancelled
  };
  const Case cases[] = {
      {"a second stop cancels the first", {{M::kCommandStop, -1}, {M::kCommandStop, -1}}, {0, 4}},
      {"a start of 5 keeps a queued 3", {{M::kCommandStart, 3}, {M::kCommandStart, 5}}, {3, 3}},
      {"a start of 5 cancels a queued 7", {{M::kCommandStart, 7}, {M::kCommandStart, 5}}, {0, 3}},
      {"an equal priority cancels", {{M::kCommandStart, 5}, {M::kCommandStart, 5}}, {0, 3}},
      {"prepares alike", {{M::kCommandPrepare, 3}, {M::kCommandPrepare, 5}}, {1, 1}},
      {"a pause cancels a pause of any priority",
       {{M::kCommandPause, 3}, {M::kCommandPause, 5}},
       {0, 5}},
      {"other types stay",
       {{M::kCommandStart, 5}, {M::kCommandStop, -1}, {M::kCommandFreeChannel, -1}},
       {3, 4, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const Push& push : c.pushes) {
      M::soundQueuePush(1, push.type, kEffect, push.priority, 0, 1);
    }
    EXPECT_EQ(Queued(1), c.queued);
    EXPECT_EQ(M::soundQueueField(1, M::kFieldType), c.queued.front());
    while (Count(1) > 0) M::soundQueuePop(1);
  }
}

TEST_F(SoundTest, AFullRingDropsItsCancelledCommandsBeforeItRefusesOne) {
  TraceCapture trace;
  for (int32_t i = 0; i < 7; i++) M::soundQueuePushStop(2);
  EXPECT_EQ(Queued(2), (std::vector<int32_t>{0, 0, 0, 0, 0, 0, 4}));
  M::soundQueuePushStop(2);
  EXPECT_EQ(Queued(2), (std::vector<int32_t>{0, 4}));

  // Seven live commands: the eighth is refused and nothing queued changes.
  M::soundQueuePop(2);
  M::soundQueuePop(2);
  Start(2, kEffect, 5);
  for (int32_t type : {M::kCommandPrepare, M::kCommandStop, M::kCommandPause, M::kCommandResume,
                       M::kCommandFreeChannel}) {
    M::soundQueuePush(2, type, kEffect, 5, 0, 1);
  }
  Start(2, kEffect, 6);  // the queued start of 5 wins and stays
  const std::vector<int32_t> full = {3, 1, 4, 5, 6, 2, 3};
  ASSERT_EQ(Queued(2), full);
  EXPECT_TRUE(trace.lines().empty());
  M::soundQueuePushStop(2);
  EXPECT_EQ(Queued(2), full);
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_NE(trace.lines()[0].find("channel 2 already queues 7 commands"), std::string::npos);
}

TEST_F(SoundTest, RingIndexesWrapAroundSevenPlaces) {
  EXPECT_EQ(M::soundMod7(-1), 6);
  EXPECT_EQ(M::soundMod7(-14), 0);
  EXPECT_EQ(M::soundMod7(15), 1);
  EXPECT_EQ(M::soundRingIndex(1, 9), (7 + 2) * 5);
  // Ten pushes and pops walk the head twice past the ring's end.
  for (int32_t i = 0; i < 10; i++) {
    Start(3, kEffect, 5, i + 1);
    EXPECT_EQ(M::soundQueueField(3, M::kFieldLoops), i + 1);
    M::soundQueuePop(3);
  }
  EXPECT_EQ(S()->MQLibPlayer_soundRingHead->elements()[3], 3);
  EXPECT_EQ(Count(3), 0);
}

// ---- Channel states -------------------------------------------------------------------------

TEST_F(SoundTest, AChannelRunsThroughItsStatesWithThePlayer) {
  FillSlot(kEffect, Flat(5000));
  struct Step {
    const char* name;
    int32_t command;
    int32_t channelState;
    int32_t playerState;
    bool sounding;
  };
  const Step steps[] = {
      {"prepare", M::kCommandPrepare, M::kChannelReady, Player::kRealized, false},
      {"start", M::kCommandStart, M::kChannelPlaying, Player::kStarted, true},
      {"pause", M::kCommandPause, M::kChannelPaused, Player::kPrefetched, false},
      {"resume", M::kCommandResume, M::kChannelPlaying, Player::kStarted, true},
      {"stop", M::kCommandStop, M::kChannelReady, Player::kPrefetched, false},
  };
  EXPECT_EQ(State(0), M::kChannelFree);
  EXPECT_EQ(M::soundChannelValue(0), -1);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    M::soundQueuePush(0, step.command, kEffect, 5, 0, 1);
    M::soundUpdate();
    EXPECT_EQ(Count(0), 0);
    EXPECT_EQ(State(0), step.channelState);
    EXPECT_EQ(ChannelPlayerState(0), step.playerState);
    EXPECT_EQ(M::soundIsPlaying(0), step.playerState == Player::kStarted);
    EXPECT_EQ(Sounding(), step.sounding);
    EXPECT_EQ(M::soundChannelValue(0), kEffect);
  }
}

TEST_F(SoundTest, ACommandsFieldsAreKeptWhenItStarts) {
  FillSlot(kEffect, Flat(100));
  M::soundQueuePush(1, M::kCommandStart, kEffect, 4, 77, 3);
  M::soundUpdateAll();
  EXPECT_EQ(S()->MQLibPlayer_soundChannelPriority->elements()[1], 4);
  EXPECT_EQ(S()->MQLibPlayer_soundChannelParam->elements()[1], 77);
  EXPECT_EQ(S()->MQLibPlayer_soundChannelLoops->elements()[1], 3);
  EXPECT_EQ(M::soundChannelValue(1), kEffect);
}

// A 100 ms sound started with a loop field: 0 plays until stopped; the channel notices the end
// at the next update that has commands to run.
TEST_F(SoundTest, LoopFieldZeroPlaysUntilStoppedAndOthersEnd) {
  struct Case {
    int32_t loops;
    uint32_t endsAfterMs;  // 0: still playing after ten seconds
  };
  for (const Case& c : {Case{0, 0}, Case{1, 100}, Case{3, 300}}) {
    SCOPED_TRACE(c.loops);
    FillSlot(kEffect, Flat(100));
    Start(0, kEffect, 5, c.loops);
    M::soundUpdate();
    ASSERT_EQ(State(0), M::kChannelPlaying);
    Play(c.endsAfterMs == 0 ? 10000 : c.endsAfterMs - 1);
    EXPECT_TRUE(M::soundIsPlaying(0));
    if (c.endsAfterMs != 0) {
      Play(1);
      EXPECT_FALSE(M::soundIsPlaying(0));
      EXPECT_EQ(State(0), M::kChannelPlaying);
      M::soundQueuePushType(0, M::kCommandResume);  // nothing to resume
      M::soundUpdate();
      EXPECT_EQ(State(0), M::kChannelReady);
    }
    M::soundStopAll();
    EXPECT_FALSE(Sounding());
    M::soundFree(kEffect);
  }
}

TEST_F(SoundTest, AStartOfAHigherPriorityNumberLeavesAPlayingChannelAlone) {
  FillSlot(kEffect, Flat(5000));
  FillSlot(kOther, Flat(5000));
  Start(0, kEffect, 3);
  M::soundUpdate();
  Start(0, kOther, 5);
  M::soundUpdate();
  EXPECT_EQ(M::soundChannelValue(0), kEffect);
  Start(0, kOther, 2);
  M::soundUpdate();
  EXPECT_EQ(M::soundChannelValue(0), kOther);
  EXPECT_EQ(State(0), M::kChannelPlaying);
}

TEST_F(SoundTest, ASlotWithoutAFileLeavesTheChannelFree) {
  Start(0, kEffect);
  M::soundUpdate();
  EXPECT_EQ(State(0), M::kChannelFree);
  EXPECT_EQ(ChannelPlayer(0), nullptr);
}

// ---- Stop-all and freeing -------------------------------------------------------------------

TEST_F(SoundTest, StopAllWithoutPlayersChangesNoStateAndEmptiesEveryRing) {
  for (int32_t ch = 0; ch < kChannels; ch++) {
    M::soundQueuePushType(ch, M::kCommandPause);
    M::soundQueuePushType(ch, M::kCommandResume);
  }
  M::soundStopAll();
  for (int32_t ch = 0; ch < kChannels; ch++) {
    EXPECT_EQ(Count(ch), 0);
    EXPECT_EQ(State(ch), M::kChannelFree);
    EXPECT_EQ(ChannelPlayer(ch), nullptr);
    EXPECT_EQ(M::soundChannelValue(ch), -1);
  }
}

TEST_F(SoundTest, StopAllStopsEveryPlayingChannel) {
  for (int32_t ch = 0; ch < kChannels; ch++) {
    FillSlot(kEffect + ch, Flat(5000));
    Start(ch, kEffect + ch);
  }
  M::soundUpdate();
  EXPECT_TRUE(Sounding());
  M::soundStopAllSafe();
  for (int32_t ch = 0; ch < kChannels; ch++) EXPECT_EQ(State(ch), M::kChannelReady);
  EXPECT_FALSE(Sounding());
}

TEST_F(SoundTest, FreeingAPlayingSlotFreesItsChannelsAndTheMixGoesSilent) {
  FillSlot(kEffect, Flat(5000));
  FillSlot(kOther, Flat(5000));
  Start(0, kEffect);
  Start(2, kEffect);
  Start(1, kOther);
  M::soundUpdate();
  Object* dropped = ChannelPlayer(0);
  M::soundQueuePushType(1, M::kCommandPause);
  M::soundUpdate();
  EXPECT_TRUE(Sounding());

  M::soundFree(kEffect);
  for (int32_t ch : {0, 2}) {
    EXPECT_EQ(State(ch), M::kChannelFree);
    EXPECT_EQ(ChannelPlayer(ch), nullptr);
  }
  EXPECT_EQ(AsPlayer(dropped)->getState(), Player::kClosed);
  EXPECT_EQ(S()->MQLibPlayer_soundSlotData->elements()[kEffect], nullptr);
  EXPECT_EQ(State(1), M::kChannelPaused);
  EXPECT_FALSE(Sounding());
  // The game's own copy of the sound stays loaded.
  EXPECT_NE(S()->MQLibPlayer_soundSlotData->elements()[kOther], nullptr);
}

TEST_F(SoundTest, FreeingASlotClosesItsKeptPlayer) {
  ScriptedPlayer* kept = KeepScripted(kEffect);
  M::soundFree(kEffect);
  EXPECT_EQ(kept->closes, 1);
  EXPECT_EQ(S()->MQLibPlayer_soundSlotPlayer->elements()[kEffect], nullptr);
}

// Freeing a channel stops its Player, and closes it unless it is the kept Player of the slot
// that the freeing command carries.
TEST_F(SoundTest, FreeingAChannelClosesAllButTheCommandsKeptPlayer) {
  struct Case {
    const char* name;
    int32_t commandSlot;
    int32_t closes;
  };
  const Case cases[] = {
      {"the kept Player's own slot", kEffect, 0},
      {"a type-only command (slot -1)", -1, 1},
      {"another slot", kOther, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPlayer* kept = KeepScripted(kEffect);
    Start(3, kEffect);
    M::soundUpdate();
    ASSERT_EQ(ChannelPlayer(3), kept);
    M::soundQueuePush(3, M::kCommandFreeChannel, c.commandSlot, -1, -1, -1);
    M::soundUpdate();
    EXPECT_EQ(kept->stops, 1);
    EXPECT_EQ(kept->closes, c.closes);
    EXPECT_EQ(ChannelPlayer(3), nullptr);
    EXPECT_EQ(State(3), M::kChannelFree);
  }
}

// ---- Players that raise ---------------------------------------------------------------------

TEST_F(SoundTest, APlayerRaisingOnStartHasItsCommandPoppedAndTheNextRuns) {
  ScriptedPlayer* raising = KeepScripted(kEffect);
  raising->raiseOn = ScriptedPlayer::kStart;
  FillSlot(kOther, Flat(5000));
  Start(0, kEffect);
  M::soundQueuePush(0, M::kCommandPrepare, kOther, 5, 0, 1);
  Start(1, kOther);
  M::soundUpdate();
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_EQ(raising->starts, 1);
  EXPECT_EQ(Count(0), 0);
  EXPECT_EQ(M::soundChannelValue(0), kOther);
  EXPECT_EQ(State(0), M::kChannelReady);
  EXPECT_EQ(State(1), M::kChannelPlaying);
}

TEST_F(SoundTest, APlayerThatCannotSayItsStateEndsThePlaying) {
  ScriptedPlayer* player = KeepScripted(kEffect);
  Start(0, kEffect);
  M::soundUpdate();
  ASSERT_EQ(State(0), M::kChannelPlaying);
  player->raiseOn = ScriptedPlayer::kGetState;
  M::soundQueuePushType(0, M::kCommandResume);
  M::soundUpdate();
  EXPECT_EQ(GetPendingException(), nullptr);
  EXPECT_EQ(State(0), M::kChannelReady);
}

// An Error is no Exception: it stays pending, its command is popped, and the channels after
// it wait for the next update.
TEST_F(SoundTest, AnErrorFromAPlayerEndsTheUpdateStep) {
  ScriptedPlayer* raising = KeepScripted(kEffect);
  raising->raiseOn = ScriptedPlayer::kStart;
  raising->raiseError = true;
  Start(0, kEffect);
  M::soundQueuePushStop(1);
  M::soundUpdate();
  EXPECT_EQ(TakePending().classId, cid::java_lang_Error);
  EXPECT_EQ(Count(0), 0);
  EXPECT_EQ(Count(1), 1);
  M::soundUpdate();
  EXPECT_EQ(Count(1), 0);
}

// ---- Bad channels and slots -----------------------------------------------------------------

TEST_F(SoundTest, BadChannelsAndSlotsAreTracedAndChangeNothing) {
  FillSlot(kEffect, Flat(5000));
  Start(0, kEffect);
  M::soundUpdate();
  Object* player = ChannelPlayer(0);
  struct Case {
    const char* name;
    void (*call)();
    const char* traced;
  };
  const Case cases[] = {
      {"a push on channel 4", [] { M::soundQueuePushStop(4); }, "channel 4 is not one"},
      {"a push on channel -1", [] { M::soundQueuePushStop(-1); }, "channel -1 is not one"},
      {"a start of slot -1", [] { Start(0, -1); }, "slot -1 is not a sound slot"},
      {"a start of slot 38", [] { Start(0, 38); }, "slot 38 is not a sound slot"},
      {"a prepare of slot 38", [] { M::soundQueuePush(0, M::kCommandPrepare, 38, 5, 0, 1); },
       "slot 38 is not a sound slot"},
      {"freeing slot 38", [] { M::soundFree(38); }, "slot 38 is not a sound slot"},
      {"freeing slot -1", [] { M::soundFree(-1); }, "slot -1 is not a sound slot"},
      {"stopping channel 4", [] { M::soundStop(4); }, "channel 4 is not one"},
      {"freeing channel 4", [] { M::soundFreeChannel(4); }, "channel 4 is not one"},
      {"reading channel 4", [] { M::soundChannelValue(4); }, "channel 4 is not one"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    c.call();
    M::soundUpdate();
    ASSERT_EQ(trace.lines().size(), 1u);
    EXPECT_NE(trace.lines()[0].find(c.traced), std::string::npos) << trace.lines()[0];
    EXPECT_EQ(State(0), M::kChannelPlaying);
    EXPECT_EQ(ChannelPlayer(0), player);
    for (int32_t ch = 0; ch < kChannels; ch++) EXPECT_EQ(Count(ch), 0);
  }
}

TEST_F(SoundTest, NothingHappensBeforeTheManagerIsSetUp) {
  FillSlot(kEffect, Flat(5000));
  S()->MQLibPlayer_soundEnabled = false;
  TraceCapture trace;
  Start(0, kEffect);
  M::soundSetVolume(40);
  M::soundUpdate();
  M::soundStopAll();
  M::soundFree(kEffect);
  EXPECT_EQ(Count(0), 0);
  EXPECT_EQ(State(0), M::kChannelFree);
  EXPECT_EQ(M::soundChannelValue(0), -1);
  EXPECT_FALSE(M::soundIsPlaying(0));
  EXPECT_EQ(S()->MQLibPlayer_soundVolume, 100);
  EXPECT_NE(S()->MQLibPlayer_soundSlotData->elements()[kEffect], nullptr);
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(SoundTest, SetUpMakesEveryTableAndTheVolumeChangesNoPlayer) {
  EXPECT_TRUE(S()->MQLibPlayer_soundEnabled);
  EXPECT_EQ(S()->MQLibPlayer_soundSlotCount, kSlots);
  EXPECT_EQ(S()->MQLibPlayer_soundSlotData->length, kSlots);
  EXPECT_EQ(S()->MQLibPlayer_soundRing->length, kChannels * 7 * 5);
  for (int32_t ch = 0; ch < kChannels; ch++) {
    EXPECT_EQ(S()->MQLibPlayer_soundChannelSlot->elements()[ch], -1);
  }
  FillSlot(kEffect, Flat(5000));
  Start(0, kEffect);
  M::soundUpdate();
  const int peak = PeakOf(StepMix(441));
  M::soundSetVolume(10);
  EXPECT_EQ(S()->MQLibPlayer_soundVolume, 10);
  EXPECT_EQ(PeakOf(StepMix(441)), peak);
}

// ---- The sound thread -----------------------------------------------------------------------

TEST_F(SoundTest, TheSoundThreadIsIdleUntilItsFlagIsSet) {
  FillSlot(kEffect, Flat(5000));
  Start(0, kEffect);
  auto* runnable = NewObject<MQLibPlayer>();
  runnable->run();
  EXPECT_EQ(Count(0), 1);

  // Running, each turn updates; a Player's Error ends the loop (sleeps return at once here).
  ScriptedPlayer* raising = KeepScripted(kOther);
  raising->raiseOn = ScriptedPlayer::kStart;
  raising->raiseError = true;
  Start(1, kOther);
  S()->MQLibPlayer_soundThreadRunning = true;
  runnable->run();
  EXPECT_EQ(TakePending().classId, cid::java_lang_Error);
  EXPECT_EQ(State(0), M::kChannelPlaying);
  EXPECT_EQ(raising->starts, 1);
}

}  // namespace
