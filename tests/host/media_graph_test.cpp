// Media graphs on the null device: each decoder gives its test sound back (length, rate and
// tone), MIDI sounds and ends where its tempo map says, the graph runs, pauses and seeks, and
// data or soundfonts a decoder must not see are refused with their cause.
#include "host/media_graph.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/graph_decoders.h"
#include "tests/host/null_audio_fixture.h"
#include "tests/tools/databuild/scratch_dir.h"
#include "tools/databuild/midi_writer.h"
#include "tools/databuild/sound_fixtures.h"
#include "tools/databuild/soundfont_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes FixtureFile(std::string_view name) {
  std::ifstream in(std::string(PLIMORA_FIXTURES_DIR) + "/" + std::string(name), std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every sample the decoder gives, read as the mix would read it.
std::vector<int16_t> DecodeAll(host::graph::Decoder& decoder) {
  std::vector<int16_t> all;
  int16_t chunk[1024 * 2];
  for (;;) {
    const uint32_t got = decoder.read(chunk, 1024 / decoder.format.channels);
    all.insert(all.end(), chunk, chunk + got * decoder.format.channels);
    if (got < 1024u / decoder.format.channels) return all;
  }
}

// Sign changes of a mono signal: twice the frequency per second of sound.
int Crossings(const std::vector<int16_t>& samples) {
  int n = 0;
  for (size_t i = 1; i < samples.size(); i++) n += (samples[i - 1] < 0) != (samples[i] < 0);
  return n;
}

TEST(GraphDecoderTest, CompressedTonesDecodeToTheirLengthRateAndTone) {
  struct Case {
    databuild::ToneFixture fixture;
    std::unique_ptr<host::graph::Decoder> (*open)(const uint8_t*, size_t, std::string*);
    int minimumPeak;  // AMR's speech model gives a sine back far less exactly than MP3
  } cases[] = {
      {databuild::kMp3Tone, host::graph::OpenMp3Decoder, 10000},
      {databuild::kAmrTone, host::graph::OpenAmrDecoder, 4000},
  };
  for (const Case& c : cases) {
    const Bytes file = FixtureFile(c.fixture.file);
    std::string error;
    auto decoder = c.open(file.data(), file.size(), &error);
    ASSERT_NE(decoder, nullptr) << c.fixture.file << ": " << error;
    EXPECT_EQ(decoder->format.sampleRate, c.fixture.sampleRate) << c.fixture.file;
    EXPECT_EQ(decoder->format.channels, c.fixture.channels) << c.fixture.file;
    EXPECT_EQ(decoder->frames, c.fixture.frames) << c.fixture.file;
    const std::vector<int16_t> samples = DecodeAll(*decoder);
    EXPECT_EQ(samples.size(), c.fixture.frames) << c.fixture.file;
    EXPECT_GT(PeakOf(samples), c.minimumPeak) << c.fixture.file;
    EXPECT_LT(PeakOf(samples), 16000) << c.fixture.file;
    const int expected = 2 * 440 * static_cast<int>(c.fixture.frames) / c.fixture.sampleRate;
    EXPECT_NEAR(Crossings(samples), expected, expected / 20) << c.fixture.file;
    ASSERT_TRUE(decoder->seek(0)) << c.fixture.file;
    const std::vector<int16_t> again = DecodeAll(*decoder);
    ASSERT_EQ(again.size(), samples.size());
    // Decoding MP3 again after a seek may round a sample one off.
    size_t differing = 0;
    for (size_t i = 0; i < again.size(); i++) differing += std::abs(again[i] - samples[i]) > 1;
    EXPECT_EQ(differing, 0u) << c.fixture.file << ": a rewind gives the sound again";
  }
}

TEST(GraphDecoderTest, DataTheDecodersMustNotSeeIsRefused) {
  Bytes amrBadType = {'#', '!', 'A', 'M', 'R', '\n', 0x3C};
  amrBadType.insert(amrBadType.end(), 31, 0);
  amrBadType.push_back(0x4C);  // frame type 9
  amrBadType.insert(amrBadType.end(), 6, 0);
  const Bytes amrCut = {'#', '!', 'A', 'M', 'R', '\n', 0x3C, 1, 2, 3};
  const Bytes noise(2000, 0x5A);
  struct Case {
    const char* extension;
    Bytes data;
    const char* cause;
  } cases[] = {
      {"amr", amrBadType, "frame 1 has the type 9"},
      {"amr", amrCut, "frame 0 is cut short"},
      {"amr", {'#', '!', 'A', 'M', 'R', '\n'}, "no frame"},
      {"amr", noise, "#!AMR"},
      {"mp3", noise, "MP3 decoder refuses"},
      {"mp3", {}, "MP3 decoder refuses"},
      {"mid", {}, "MThd"},
      {"mid", noise, "MThd"},
      {"aac", noise, "\"aac\""},
      {"NULL", noise, "\"NULL\""},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(host::BuildMediaGraph(c.data.data(), c.data.size(), c.extension, &error), nullptr)
        << c.cause;
    EXPECT_NE(error.find(c.cause), std::string::npos) << c.cause << " / " << error;
  }
}

class MediaGraphTest : public NullAudioTest {
 protected:
  void TearDown() override {
    host::CloseMediaGraph(graph_);
    host::SetSoundFontPath("");
    NullAudioTest::TearDown();
  }

  host::MediaGraph* Build(const Bytes& data, const char* extension) {
    std::string error;
    graph_ = host::BuildMediaGraph(data.data(), data.size(), extension, &error);
    EXPECT_NE(graph_, nullptr) << error;
    return graph_;
  }

  host::MediaGraph* graph_ = nullptr;
};

TEST_F(MediaGraphTest, MidiSoundsAndEndsAtTheLengthOfItsTempoMap) {
  host::MediaGraph* graph = Build(databuild::WriteMidi(databuild::MidiFixtureFormat0()), "mid");
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(host::GraphDuration(graph), 1500000);
  ASSERT_TRUE(host::RunGraph(graph));
  uint32_t frames = 0;
  int peak = 0;
  while (!host::GraphCompleted(graph) && frames < 4 * host::kAudioRate) {
    peak = std::max(peak, PeakOf(StepMix(441)));
    frames += 441;
  }
  EXPECT_GT(peak, 500);
  const int64_t endedMs = int64_t{frames} * 1000 / host::kAudioRate;
  EXPECT_NEAR(endedMs, 1500, 100);
  EXPECT_EQ(host::GraphPosition(graph), 1500000);
  EXPECT_TRUE(host::WaitForGraphCompletion(graph, 0));
  EXPECT_FALSE(host::WaitForGraphCompletion(graph, 0)) << "one event per completion";
}

TEST_F(MediaGraphTest, PauseHoldsThePositionAndSeekMovesIt) {
  host::MediaGraph* graph = Build(FixtureFile(databuild::kAmrTone.file), "amr");
  ASSERT_NE(graph, nullptr);
  host::RunGraph(graph);
  StepMix(host::kAudioRate / 4);
  EXPECT_NEAR(host::GraphPosition(graph), 250000, 1000);
  host::PauseGraph(graph);
  EXPECT_EQ(host::GetGraphState(graph), host::GraphState::kPaused);
  EXPECT_EQ(SoundingFrames(StepMix(4410)), 0u);
  EXPECT_NEAR(host::GraphPosition(graph), 250000, 1000);
  ASSERT_TRUE(host::SeekGraph(graph, 900000));
  host::RunGraph(graph);
  StepMix(host::kAudioRate / 5);
  EXPECT_TRUE(host::GraphCompleted(graph));
  EXPECT_EQ(host::GraphPosition(graph), 1000000);
  ASSERT_TRUE(host::SeekGraph(graph, 0));
  EXPECT_FALSE(host::GraphCompleted(graph));
  host::SetGraphLevel(graph, 0);
  host::RunGraph(graph);
  EXPECT_EQ(SoundingFrames(StepMix(4410)), 0u) << "level 0 is silent";
}

TEST_F(MediaGraphTest, PcmGraphsPlayTheirSamples) {
  const std::vector<uint8_t> pcm(2000, 200);  // 8-bit mono, +72 around 128
  std::string error;
  graph_ = host::BuildPcmGraph({11025, 1, 8}, pcm.data(), pcm.size(), &error);
  ASSERT_NE(graph_, nullptr) << error;
  EXPECT_EQ(host::GraphDuration(graph_), int64_t{2000} * 1000000 / 11025);
  host::RunGraph(graph_);
  const std::vector<int16_t> mix = StepMix(10000);
  EXPECT_NEAR(SoundingFrames(mix), 2000 * 4, 8);
  EXPECT_NEAR(PeakOf(mix), 72 * 256, 64);
  EXPECT_TRUE(host::GraphCompleted(graph_));
}

TEST_F(MediaGraphTest, SoundfontsOtherThanSf2AreRefused) {
  const ScratchDir scratch;
  const std::filesystem::path& folder = scratch.path();
  struct Case {
    const char* file;
    Bytes bytes;
    const char* cause;
  } cases[] = {
      {"font.sf3", databuild::WriteSoundFontHeader(3, 1), "SF3"},
      {"font.sf4", databuild::WriteSoundFontHeader(4, 0), "version 4"},
      {"plain.sf2", Bytes(64, 'x'), "not a SoundFont"},
      {"missing.sf2", {}, "cannot be opened"},
  };
  const Bytes tune = databuild::WriteMidi(databuild::MidiFixtureFormat0());
  for (const Case& c : cases) {
    const std::filesystem::path path = folder / c.file;
    if (!c.bytes.empty()) {
      std::ofstream(path, std::ios::binary)
          .write(reinterpret_cast<const char*>(c.bytes.data()),
                 static_cast<std::streamsize>(c.bytes.size()));
    }
    host::SetSoundFontPath(path.string());
    std::string error;
    EXPECT_EQ(host::BuildMediaGraph(tune.data(), tune.size(), "mid", &error), nullptr) << c.file;
    EXPECT_NE(error.find(c.cause), std::string::npos) << error;
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;
  }
  host::SetSoundFontPath("");
  std::string error;
  EXPECT_TRUE(host::CheckSoundFont(host::SoundFontPath(), &error)) << error;
}

}  // namespace
