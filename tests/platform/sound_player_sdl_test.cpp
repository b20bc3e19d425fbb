// A player on the SDL2 audio device: SDL's disk driver writes the device's 16-bit stereo
// output to a file at the real rate, so the Ogg test sound (decoded by Tremor in a binary that
// also links SDL2) must reach that file as sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "host/audio.h"
#include "host/clock.h"
#include "javame/byte_array_input_stream.h"
#include "javame/media.h"
#include "javame/media_manager.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tools/databuild/sound_fixtures.h"

namespace {

using Player = javax_microedition_media_Player;

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SdlPlayerTest : public LibraryTest {};

TEST_F(SdlPlayerTest, TheDiskDriverReceivesTheOggTestSound) {
  const std::filesystem::path output = base_ / "disk-audio.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  std::string error;
  ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kSdl, &error)) << error;

  const std::vector<uint8_t> ogg =
      ReadFile(std::string(PLIMORA_FIXTURES_DIR) + "/" + std::string(databuild::kOggToneMono.file));
  ByteArray* bytes = NewByteArray(static_cast<int32_t>(ogg.size()));
  std::memcpy(bytes->elements(), ogg.data(), ogg.size());
  Object* object = javax_microedition_media_Manager::createPlayer(
      NewObject<java_io_ByteArrayInputStream>(bytes), NewJavaString("audio/ogg"));
  Player* player = AsPlayer(object);
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

  const std::vector<uint8_t> raw = ReadFile(output);
  std::vector<int16_t> samples(raw.size() / 2);
  std::memcpy(samples.data(), raw.data(), samples.size() * 2);
  size_t sounding = 0;
  int peak = 0;
  for (const int16_t s : samples) {
    sounding += std::abs(s) > 100;
    peak = std::max(peak, std::abs(static_cast<int>(s)));
  }
  // Half a second of a 440 Hz tone at peak 12000: 22050 device frames, two samples each; a
  // sine spends about 1% of its time within 100 of zero.
  EXPECT_GT(sounding, 2u * 22050 * 9 / 10);
  EXPECT_NEAR(peak, 12000, 1200);
}

}  // namespace
