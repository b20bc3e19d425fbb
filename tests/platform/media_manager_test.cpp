// Manager's player selection by content type and by the data's first bytes, its type and
// protocol lists, and the silent DummyPlayer it gives for anything it cannot play.
#include <vector>

#include "javame/exception_classes.h"
#include "javame/input_stream.h"
#include "platform/direct_show_player.h"
#include "platform/dummy_player.h"
#include "tests/platform/media_fixture.h"
#include "tools/databuild/sound_fixtures.h"

namespace {

using ManagerTest = MediaTest;
using Manager = javax_microedition_media_Manager;

enum class Kind { kNone, kDummy, kWave, kOgg, kDirectShow };

Kind KindOf(Object* player) {
  if (!player) return Kind::kNone;
  if (dynamic_cast<SoundPlayerOGG*>(player)) return Kind::kOgg;
  if (dynamic_cast<SoundPlayerWAVE*>(player)) return Kind::kWave;
  if (dynamic_cast<DummyPlayer*>(player)) return Kind::kDummy;
  if (dynamic_cast<DirectShowPlayer*>(player)) return Kind::kDirectShow;
  return Kind::kNone;
}

const Bytes kPng = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13};

TEST_F(ManagerTest, APlayerIsChosenByTypeElseByTheFirstBytes) {
  const Bytes wav = databuild::WriteWav(Flat(22050, 100));
  const Bytes ogg = Fixture(databuild::kOggToneMono.file);
  const Bytes midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
  struct Case {
    const char* name;
    Bytes bytes;
    const char* type;
    Kind kind;
  };
  const Case cases[] = {
      {"empty, typed", {}, "audio/x-wav", Kind::kDummy},
      {"empty, untyped", {}, nullptr, Kind::kDummy},
      {"WAV bytes, untyped", wav, nullptr, Kind::kWave},
      {"Ogg bytes, untyped", ogg, nullptr, Kind::kOgg},
      {"WAV bytes typed as Ogg: the type wins", wav, "audio/ogg", Kind::kOgg},
      {"the WAV type in capitals", wav, "AUDIO/X-WAV", Kind::kWave},
      {"Ogg bytes typed as WAV", ogg, "audio/x-wav", Kind::kWave},
      {"PNG bytes, untyped", kPng, nullptr, Kind::kDummy},
      // The graph refuses these bytes; the player stays unrealized, but is the DirectShow one.
      {"MIDI bytes, untyped", midi, nullptr, Kind::kDirectShow},
      {"MIDI, typed", midi, "audio/midi", Kind::kDirectShow},
      {"AMR, typed", wav, "audio/amr", Kind::kDirectShow},
      {"an unknown type", wav, "audio/mpeg", Kind::kDummy},
      {"a prefix of a known type", wav, "audio/x-wa", Kind::kDummy},
      {"an empty type", wav, "", Kind::kDummy},
      {"three bytes of RIFF, untyped", {'R', 'I', 'F'}, nullptr, Kind::kDummy},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(KindOf(PlayerFor(c.bytes, c.type)), c.kind);
  }
}

TEST_F(ManagerTest, ANullStreamGivesNoPlayer) {
  EXPECT_EQ(Manager::createPlayer(static_cast<java_io_InputStream*>(nullptr), nullptr), nullptr);
}

// A stream that hands out at most `step` bytes per read and claims `claimed` available.
class TricklingStream : public java_io_InputStream {
 public:
  static constexpr int16_t kClassId = cid::java_io_InputStream;  // abstract: never made as such
  TricklingStream(Bytes* source, int32_t claimed, int32_t step, bool raise)
      : bytes(source), available_(claimed), step_(step), raise_(raise) {}

  int32_t read(ByteArray* b, int32_t off, int32_t len) override {
    if (raise_) {
      ThrowException(NewObject<java_io_IOException>());
      return -1;
    }
    const int32_t n = std::min({len, step_, static_cast<int32_t>(bytes->size()) - at});
    if (n <= 0) return -1;
    std::memcpy(b->elements() + off, bytes->data() + at, n);
    at += n;
    return n;
  }
  using java_io_InputStream::read;
  int32_t read() override { return -1; }
  int64_t skip(int64_t) override { return 0; }
  int32_t available() override { return available_; }

  Bytes* bytes;
  int32_t at = 0;

 private:
  int32_t available_;
  int32_t step_;
  bool raise_;
};

TEST_F(ManagerTest, TheWholeStreamIsReadWhateverEachReadGives) {
  Bytes wav = databuild::WriteWav(Flat(22050, 100));
  const int32_t size = static_cast<int32_t>(wav.size());
  auto* trickle = NewObject<TricklingStream>(&wav, size, 7, false);
  auto* player = static_cast<SoundPlayerWAVE*>(Manager::createPlayer(trickle, nullptr));
  ASSERT_EQ(KindOf(player), Kind::kWave);
  EXPECT_EQ(player->dataSize, size);

  // Claiming more than it holds: the player gets what was read.
  auto* shortStream = NewObject<TricklingStream>(&wav, size + 100, 4096, false);
  player = static_cast<SoundPlayerWAVE*>(Manager::createPlayer(shortStream, nullptr));
  ASSERT_EQ(KindOf(player), Kind::kWave);
  EXPECT_EQ(player->dataSize, size);
  player->realize();
  EXPECT_EQ(player->getState(), Player::kRealized);
}

TEST_F(ManagerTest, AReadThatRaisesGivesNoPlayerAndLeavesTheExceptionPending) {
  Bytes wav = databuild::WriteWav(Flat(22050, 100));
  auto* raising = NewObject<TricklingStream>(&wav, 100, 100, true);
  EXPECT_EQ(Manager::createPlayer(raising, nullptr), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
}

TEST_F(ManagerTest, ThePngDummyIsSilentAndHasNoDuration) {
  Object* object = PlayerFor(kPng, nullptr);
  ASSERT_EQ(KindOf(object), Kind::kDummy);
  EXPECT_EQ(object->classId, cid::Object);
  Player* player = AsPlayer(object);
  ASSERT_NE(player, nullptr);
  player->start();
  EXPECT_EQ(player->getState(), Player::kStarted);
  EXPECT_EQ(SoundingFrames(StepMix(441)), 0u);
  EXPECT_EQ(player->getDuration(), -1);
  EXPECT_EQ(player->getMediaTime(), -1);
  EXPECT_EQ(TextOf(player->getContentType()), "audio/dummy");
}

TEST_F(ManagerTest, TheDummyWalksThroughTheStatesItIsTold) {
  auto* dummy = NewObject<DummyPlayer>();
  struct Step {
    void (DummyPlayer::*operation)();
    int32_t state;
  };
  const Step steps[] = {{&DummyPlayer::realize, 200},    {&DummyPlayer::prefetch, 300},
                        {&DummyPlayer::start, 400},      {&DummyPlayer::stop, 300},
                        {&DummyPlayer::deallocate, 200}, {&DummyPlayer::close, 0},
                        {&DummyPlayer::start, 400}};
  EXPECT_EQ(dummy->getState(), 100);
  for (const Step& step : steps) {
    (dummy->*step.operation)();
    EXPECT_EQ(dummy->getState(), step.state);
  }
  dummy->finalize();
  EXPECT_EQ(dummy->getState(), 0);
}

TEST_F(ManagerTest, TheDummyAnswersItsControlsAndKeepsALevel) {
  auto* dummy = NewObject<DummyPlayer>();
  for (const char* name : {"volumecontrol", "RateControl", "TempoControl"}) {
    EXPECT_EQ(dummy->getControl(NewJavaString(name)), dummy) << name;
  }
  EXPECT_EQ(dummy->getControl(NewJavaString("ToneControl")), nullptr);
  EXPECT_EQ(dummy->getControls()->elements()[0], dummy);
  EXPECT_NE(dummy->getInterface(cid::javax_microedition_media_Player), nullptr);
  EXPECT_NE(dummy->getInterface(cid::javax_microedition_media_Controllable), nullptr);
  EXPECT_NE(dummy->getInterface(cid::javax_microedition_media_control_VolumeControl), nullptr);
  EXPECT_EQ(dummy->getInterface(cid::javax_microedition_media_control_RateControl), nullptr);
  EXPECT_EQ(dummy->setLevel(150), 100);
  EXPECT_EQ(dummy->setLevel(-5), 100);
  EXPECT_EQ(dummy->getLevel(), 0);
  dummy->setMute(true);
  EXPECT_TRUE(dummy->isMuted());
}

TEST_F(ManagerTest, TypesAndProtocolsAreListed) {
  ObjectArray* types = Manager::getSupportedContentTypes(nullptr);
  ASSERT_EQ(types->length, 4);
  EXPECT_EQ(TextOf(static_cast<String*>(types->elements()[0])), "audio/x-wav");
  EXPECT_EQ(TextOf(static_cast<String*>(types->elements()[1])), "audio/ogg");
  EXPECT_EQ(TextOf(static_cast<String*>(types->elements()[2])), "audio/midi");
  EXPECT_EQ(types->elements()[3], nullptr);
  ObjectArray* protocols = Manager::createPlayer(NewJavaString("audio/x-wav"));
  ASSERT_EQ(protocols->length, 1);
  EXPECT_EQ(TextOf(static_cast<String*>(protocols->elements()[0])), "file");
}

TEST_F(ManagerTest, TheAudioClipHookDoesNothing) {
  EXPECT_EQ(AudioClipNativeStub(), 0);
}

}  // namespace
