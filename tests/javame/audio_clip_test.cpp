// AudioClip: the clip type and the byte range checked when it is made, play's loop count and
// volume checks and what it asks of the player, and which player exceptions are dropped.
#include "javame/audio_clip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "javame/exception_classes.h"
#include "javame/media.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using AudioClip = com_samsung_util_AudioClip;

std::vector<std::string> playerCalls;

// A player that records the calls a clip makes and raises from the operation named in
// raiseFrom. It has no reference fields, so it keeps Object's class id as the platform's
// players do.
class RecordingPlayer : public Object, public javax_microedition_media_Player {
 public:
  static constexpr int16_t kClassId = cid::Object;

  explicit RecordingPlayer(const char* raiseFrom = "") : raiseFrom(raiseFrom) {}

  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::javax_microedition_media_Player
               ? static_cast<javax_microedition_media_Player*>(this)
               : nullptr;
  }
  Object* getControl(String*) override { return nullptr; }
  ObjectArray* getControls() override { return nullptr; }
  void realize() override { Call("realize"); }
  void prefetch() override { Call("prefetch"); }
  void start() override { Call("start"); }
  void stop() override { Call("stop"); }
  void deallocate() override { Call("deallocate"); }
  void close() override { Call("close"); }
  int64_t setMediaTime(int64_t) override { return 0; }
  int64_t getMediaTime() override { return 0; }
  int32_t getState() override { return kPrefetched; }
  int64_t getDuration() override { return 0; }
  String* getContentType() override { return nullptr; }
  void setLoopCount(int32_t count) override { Call("setLoopCount " + std::to_string(count)); }

 private:
  void Call(const std::string& call) {
    playerCalls.push_back(call);
    if (call.starts_with(raiseFrom) && *raiseFrom) {
      ThrowException(NewObject<javax_microedition_media_MediaException>());
    }
  }

  const char* raiseFrom;
};

class AudioClipTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    playerCalls.clear();
  }
  static ByteArray* TenBytes() { return NewByteArray(10); }
  // A clip whose player is a RecordingPlayer.
  static AudioClip* RecordedClip(const char* raiseFrom = "") {
    auto* clip = NewObject<AudioClip>(AudioClip::TYPE_MIDI, TenBytes(), 0, 10);
    clip->player = NewObject<RecordingPlayer>(raiseFrom);
    return clip;
  }
};

TEST_F(AudioClipTest, OnlyClipTypesOneToThreeMakeAPlayer) {
  for (int32_t type : {AudioClip::TYPE_MMF, AudioClip::TYPE_MP3, AudioClip::TYPE_MIDI}) {
    auto* clip = NewObject<AudioClip>(type, TenBytes(), 0, 10);
    EXPECT_EQ(TakePending().classId, 0) << type;
    EXPECT_NE(AsPlayer(clip->player), nullptr) << type;
  }
  for (int32_t type : {0, 4, -1}) {
    auto* clip = NewObject<AudioClip>(type, TenBytes(), 0, 10);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException);
    EXPECT_EQ(raised.message, "Unknown clip type " + std::to_string(type));
    EXPECT_EQ(clip->player, nullptr);
  }
}

TEST_F(AudioClipTest, TheByteRangeIsCheckedAsTheStreamsCheckIt) {
  struct Case {
    bool withData;
    int32_t offset, length;
    bool player;
    bool traced;
  };
  const Case cases[] = {
      {true, 0, 10, true, false}, {true, 4, 6, true, false},
      {true, 10, 0, true, false}, {true, 8, 5, true, true},  // cut at the array's end
      {true, -1, 2, false, true}, {true, 0, -1, false, true},
      {true, 11, 0, false, true}, {false, 0, 0, false, true},  // no array: the null check's line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << " + " << c.length);
    TraceCapture trace;
    auto* clip = NewObject<AudioClip>(AudioClip::TYPE_MMF, c.withData ? TenBytes() : nullptr,
                                      c.offset, c.length);
    EXPECT_EQ(TakePending().classId, 0);
    EXPECT_EQ(clip->player != nullptr, c.player);
    EXPECT_EQ(!trace.lines().empty(), c.traced);
  }
}

TEST_F(AudioClipTest, PlayChecksTheLoopCountThenTheVolumeAndSetsOnlyRealLoops) {
  struct Case {
    int32_t loopCount, volume;
    std::string message;  // of the IllegalArgumentException; empty for none
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {256, 0, "Loop count out of range: 256", {}},
      {-1, 9, "Loop count out of range: -1", {}},
      {0, 6, "Volume out of range: 6", {}},
      {0, -1, "Volume out of range: -1", {}},
      {0, 0, "", {"start"}},
      {1, 5, "", {"start"}},
      {3, 0, "", {"setLoopCount 3", "start"}},
      {255, 5, "", {"setLoopCount 255", "start"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.loopCount << ", " << c.volume);
    AudioClip* clip = RecordedClip();
    playerCalls.clear();
    clip->play(c.loopCount, c.volume);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, c.message.empty() ? 0 : cid::java_lang_IllegalArgumentException);
    EXPECT_EQ(raised.message, c.message);
    EXPECT_EQ(playerCalls, c.calls);
  }
}

TEST_F(AudioClipTest, PauseAndResumeStopAndStartThePlayer) {
  AudioClip* clip = RecordedClip();
  playerCalls.clear();
  clip->pause();
  clip->resume();
  clip->stop();
  EXPECT_EQ(playerCalls, (std::vector<std::string>{"stop", "start", "stop"}));
}

// play and stop drop what the player raises; pause and resume leave it to their caller.
TEST_F(AudioClipTest, PlayAndStopDropThePlayersExceptions) {
  RecordedClip("setLoopCount")->play(2, 0);
  EXPECT_EQ(TakePending().classId, 0);
  RecordedClip("start")->play(0, 0);
  EXPECT_EQ(TakePending().classId, 0);
  RecordedClip("stop")->stop();
  EXPECT_EQ(TakePending().classId, 0);
  RecordedClip("stop")->pause();
  EXPECT_EQ(TakePending().classId, cid::javax_microedition_media_MediaException);
  RecordedClip("start")->resume();
  EXPECT_EQ(TakePending().classId, cid::javax_microedition_media_MediaException);
}

TEST_F(AudioClipTest, AClipOfAFileHasNoPlayerAndIgnoresPlay) {
  TraceCapture trace;
  auto* clip = NewObject<AudioClip>(AudioClip::TYPE_MMF, NewJavaString("/ring.mmf"));
  EXPECT_EQ(clip->player, nullptr);
  EXPECT_EQ(trace.lines(),
            std::vector<std::string>{"AudioClip: \"/ring.mmf\" is not played; this platform has no "
                                     "file clips"});
  clip->play(2, 3);
  clip->pause();
  clip->resume();
  clip->stop();
  EXPECT_EQ(TakePending().classId, 0);
  clip->play(300, 0);  // the checks still hold
  EXPECT_EQ(TakePending().classId, cid::java_lang_IllegalArgumentException);
}

}  // namespace
