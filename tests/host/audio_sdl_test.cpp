// The SDL2 back-end: a tone written to a voice reaches the driver's output, and voices come
// and go safely while SDL's audio thread mixes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>
#include <vector>

#include "host/audio.h"
#include "host/clock.h"
#include "tests/support/audio_mix.h"

namespace {

// A 440 Hz sine, 16-bit mono at 22050 Hz, amplitude 12000.
std::vector<uint8_t> Tone(uint32_t frames) {
  std::vector<uint8_t> bytes;
  for (uint32_t i = 0; i < frames; ++i) {
    auto s = static_cast<int16_t>(std::lround(12000 * std::sin(2 * M_PI * 440 * i / 22050)));
    bytes.push_back(static_cast<uint8_t>(s & 0xFF));
    bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
  }
  return bytes;
}

// Polls on the real clock until the voice has finished or `ms` pass.
bool WaitFinished(host::Voice* voice, uint32_t ms) {
  for (uint32_t start = host::RealTickCount(); host::RealTickCount() - start < ms;) {
    if (host::VoiceFinished(voice)) return true;
    host::Sleep(5);
  }
  return host::VoiceFinished(voice);
}

}  // namespace

// SDL's disk driver writes the device's 16-bit stereo stream to a file at the real rate.
TEST(AudioSdlTest, DiskDriverReceivesTheToneWrittenToAVoice) {
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                       ("plimora-audio-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path output = folder / "out.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);

  std::string error;
  ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kSdl, &error)) << error;
  const uint32_t frames = 22050 / 4;
  host::Voice* voice = host::OpenVoice({22050, 1, 16});
  ASSERT_NE(voice, nullptr);
  std::vector<uint8_t> tone = Tone(frames);
  ASSERT_TRUE(host::PrepareVoice(voice, tone.data(), static_cast<uint32_t>(tone.size())));
  ASSERT_TRUE(host::WriteVoice(voice, 1));
  EXPECT_TRUE(WaitFinished(voice, 5000));
  host::CloseVoice(voice);
  host::CloseAudioDevice();

  const std::vector<int16_t> samples = DiskAudioSamples(output);
  size_t sounding = 0;
  for (int16_t s : samples) sounding += s != 0;
  // The tone lasts a quarter second: 11025 device frames, two samples each, a few at zero.
  EXPECT_GT(sounding, 2 * 11025 * 9 / 10);
  EXPECT_NEAR(PeakOf(samples), 12000, 2);
  std::filesystem::remove_all(folder);
}

// Opening, playing and closing voices from several threads while the device's thread mixes:
// a closed voice is never read again (the sanitizer builds check it).
TEST(AudioSdlTest, VoicesComeAndGoWhileTheDeviceMixes) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::string error;
  ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kSdl, &error)) << error;
  std::vector<uint8_t> tone = Tone(2000);
  auto churn = [&tone] {
    for (int i = 0; i < 200; ++i) {
      host::Voice* voice = host::OpenVoice({22050, 1, 16});
      ASSERT_NE(voice, nullptr);
      ASSERT_TRUE(host::PrepareVoice(voice, tone.data(), static_cast<uint32_t>(tone.size())));
      ASSERT_TRUE(host::WriteVoice(voice, host::kEndlessLoops));
      host::SetVoiceVolume(voice, 0x80008000u);
      if (i % 3 == 0) host::ResetVoice(voice);
      host::Sleep(1);
      host::CloseVoice(voice);
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(churn);
  for (std::thread& thread : threads) thread.join();
  host::CloseAudioDevice();
}
