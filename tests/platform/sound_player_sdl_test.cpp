// A player on the SDL2 audio device: SDL's disk driver writes the device's 16-bit stereo
// output to a file at the real rate, so the Ogg test sound (decoded by Tremor in a binary that
// also links SDL2) must reach that file as sound.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "host/audio.h"
#include "host/clock.h"
#include "javame/media.h"
#include "tests/platform/media_fixture.h"
#include "tools/databuild/sound_fixtures.h"

namespace {

class SdlPlayerTest : public LibraryTest {};

TEST_F(SdlPlayerTest, TheDiskDriverReceivesTheOggTestSound) {
  const std::filesystem::path output = base_ / "disk-audio.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  std::string error;
  ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kSdl, &error)) << error;

  Player* player = AsPlayer(PlayerFor(Fixture(databuild::kOggToneMono.file), "audio/ogg"));
  ASSERT_NE(player, nullptr);
  player->start();
  ASSERT_EQ(player->getState(), Player::kStarted);
  const uint32_t began = host::RealTickCount();
  while (player->getState() == Player::kStarted && host::RealTickCount() - began < 5000) {
    host::Sleep(10);
  }
  EXPECT_EQ(player->getState(), Player::kPrefetched);
  player->close();
  host::CloseAudioDevice();

  const std::vector<int16_t> samples = DiskAudioSamples(output);
  size_t sounding = 0;
  for (const int16_t s : samples) sounding += std::abs(s) > 100;
  // Half a second of a 440 Hz tone at peak 12000: 22050 device frames, two samples each; a
  // sine spends about 1% of its time within 100 of zero.
  EXPECT_GT(sounding, 2u * 22050 * 9 / 10);
  EXPECT_NEAR(PeakOf(samples), 12000, 1200);
}

}  // namespace
