// Sound manager tests: a started runtime whose sound manager is set up by cGame::initSounds,
// the null audio device on a test clock, slots filled with the builder's WAV files, and a
// scripted Player that records what it is told and raises where a test asks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/audio.h"
#include "host/clock.h"
#include "javame/exception_classes.h"
#include "javame/media.h"
#include "runtime/array.h"
#include "tests/support/audio_mix.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/pcm_sound.h"
#include "tools/databuild/sound_content.h"
#include "tools/databuild/wav_writer.h"

using Player = javax_microedition_media_Player;

// A Player that walks through the states it is told, plays nothing, and raises a
// java_lang_IllegalStateException (or, with raiseError, a java_lang_Error) from the operation
// named in raiseOn.
class ScriptedPlayer : public Object, public javax_microedition_media_Player {
 public:
  static constexpr int16_t kClassId = cid::Object;
  enum Operation { kNothing, kRealize, kStart, kStop, kClose, kGetState };

  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::javax_microedition_media_Player ? static_cast<Player*>(this)
                                                               : nullptr;
  }
  Object* getControl(String*) override { return nullptr; }
  ObjectArray* getControls() override { return nullptr; }
  void realize() override {
    if (!raise(kRealize)) state = kRealized;
  }
  void prefetch() override { state = kPrefetched; }
  void start() override {
    starts++;
    if (!raise(kStart)) state = kStarted;
  }
  void stop() override {
    stops++;
    if (!raise(kStop) && state == kStarted) state = kPrefetched;
  }
  void deallocate() override { state = kRealized; }
  void close() override {
    closes++;
    if (!raise(kClose)) state = kClosed;
  }
  int64_t setMediaTime(int64_t now) override { return now; }
  int64_t getMediaTime() override { return -1; }
  int32_t getState() override { return raise(kGetState) ? 0 : state; }
  int64_t getDuration() override { return -1; }
  String* getContentType() override { return nullptr; }
  void setLoopCount(int32_t count) override { loopCount = count; }

  int32_t state = kUnrealized;
  Operation raiseOn = kNothing;
  bool raiseError = false;
  int32_t loopCount = 1;
  int32_t starts = 0;
  int32_t stops = 0;
  int32_t closes = 0;

 private:
  bool raise(Operation operation) {
    if (operation != raiseOn) return false;
    if (raiseError) {
      ThrowException(NewObject<java_lang_Error>());
    } else {
      ThrowException(NewObject<java_lang_IllegalStateException>());
    }
    return true;
  }
};

class SoundTest : public LibraryTest {
 protected:
  static constexpr int32_t kSlots = 38;
  static constexpr int32_t kChannels = 4;
  static constexpr int32_t kWav = 0;  // the format of "audio/x-wav"

  void SetUp() override {
    LibraryTest::SetUp();
    host::UseClock(&clock_);
    ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kNull));
    cGame::initSounds();
  }

  void TearDown() override {
    host::CloseAudioDevice();
    host::UseClock(nullptr);
    LibraryTest::TearDown();
  }

  static GameStatics* S() { return Statics<GameStatics>(); }

  // Slot `slot` holds a WAV file of the sound, in the WAV format.
  static void FillSlot(int32_t slot, const databuild::PcmSound& sound) {
    S()->MQLibPlayer_soundSlotData->elements()[slot] = ManagedBytes(databuild::WriteWav(sound));
    S()->MQLibPlayer_soundSlotType->elements()[slot] = kWav;
  }
  // The builder's own sound of that id.
  static void FillSlot(int32_t slot) { FillSlot(slot, databuild::GameSound(slot)); }
  // `ms` milliseconds of one 16-bit tone level at 22050 Hz.
  static databuild::PcmSound Flat(uint32_t ms) {
    return {22050, 1, 16, std::vector<int16_t>(22050 * ms / 1000, 8000)};
  }
  // A scripted Player kept for the slot.
  static ScriptedPlayer* KeepScripted(int32_t slot) {
    auto* player = NewObject<ScriptedPlayer>();
    S()->MQLibPlayer_soundSlotPlayer->elements()[slot] = player;
    return player;
  }

  static int32_t State(int32_t ch) { return S()->MQLibPlayer_soundChannelState->elements()[ch]; }
  static int32_t Count(int32_t ch) { return S()->MQLibPlayer_soundRingCount->elements()[ch]; }
  static Object* ChannelPlayer(int32_t ch) {
    return S()->MQLibPlayer_soundChannelPlayer->elements()[ch];
  }
  static int32_t ChannelPlayerState(int32_t ch) {
    Player* player = AsPlayer(ChannelPlayer(ch));
    return player ? player->getState() : -1;
  }
  // The types of the channel's queued commands, oldest first (0 for a cancelled one).
  static std::vector<int32_t> Queued(int32_t ch) {
    std::vector<int32_t> types;
    const int32_t head = S()->MQLibPlayer_soundRingHead->elements()[ch];
    for (int32_t k = 0; k < Count(ch); k++) {
      types.push_back(
          S()->MQLibPlayer_soundRing->elements()[MQLibPlayer::soundRingIndex(ch, head + k)]);
    }
    return types;
  }

  static void Start(int32_t ch, int32_t slot, int32_t priority = 5, int32_t loops = 1) {
    MQLibPlayer::soundQueuePush(ch, MQLibPlayer::kCommandStart, slot, priority, 0, loops);
  }

  // Lets the null device play `ms` milliseconds of the test clock.
  void Play(uint32_t ms) { clock_.advance(ms); }
  // Whether the next 10 ms of the mix make a sound; the clock moves on with them.
  bool Sounding() {
    const bool sounding = SoundingFrames(StepMix(441)) > 0;
    Play(10);
    return sounding;
  }

  host::ManualClock clock_{1000};
};
