// Media tests: a started runtime with the null audio device on a test clock, players made from
// the builder's WAV writer or from its Ogg fixture files, and the mix stepped by hand. The
// byte and player helpers ahead of the fixture need no audio device.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/audio.h"
#include "host/clock.h"
#include "javame/byte_array_input_stream.h"
#include "javame/media.h"
#include "javame/media_manager.h"
#include "platform/sound_player_ogg.h"
#include "platform/sound_player_wave.h"
#include "runtime/array.h"
#include "tests/support/audio_mix.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/pcm_sound.h"
#include "tools/databuild/wav_writer.h"

using Bytes = std::vector<uint8_t>;
using Player = javax_microedition_media_Player;

// The player Manager makes for the bytes and the content type (none when null).
inline Object* PlayerFor(const Bytes& bytes, const char* type) {
  auto* stream = NewObject<java_io_ByteArrayInputStream>(ManagedBytes(bytes));
  return javax_microedition_media_Manager::createPlayer(stream,
                                                        type ? NewJavaString(type) : nullptr);
}

// The bytes of a file the builder program wrote into the fixtures folder.
inline Bytes Fixture(std::string_view name) {
  std::ifstream in(std::string(PLIMORA_FIXTURES_DIR) + "/" + std::string(name), std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class MediaTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    host::UseClock(&clock_);
    ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kNull));
  }

  void TearDown() override {
    host::CloseAudioDevice();
    host::UseClock(nullptr);
    LibraryTest::TearDown();
  }

  static SoundPlayerWAVE* WavePlayer(const Bytes& file) {
    return NewObject<SoundPlayerWAVE>(ManagedBytes(file), static_cast<int32_t>(file.size()));
  }
  static SoundPlayerWAVE* WavePlayer(const databuild::PcmSound& sound) {
    return WavePlayer(databuild::WriteWav(sound));
  }
  static SoundPlayerOGG* OggPlayer(const Bytes& file) {
    return NewObject<SoundPlayerOGG>(ManagedBytes(file), static_cast<int32_t>(file.size()));
  }

  // A 16-bit sound of the given samples (interleaved when stereo).
  static databuild::PcmSound Pcm16(uint32_t rate, uint16_t channels, std::vector<int16_t> samples) {
    return {rate, channels, 16, std::move(samples)};
  }
  // `frames` frames of a 16-bit mono sound at `rate`, every sample at `value`.
  static databuild::PcmSound Flat(uint32_t rate, uint32_t frames, int16_t value = 8000) {
    return Pcm16(rate, 1, std::vector<int16_t>(frames, value));
  }

  // Lets the null device play `ms` milliseconds of the test clock.
  void Play(uint32_t ms) { clock_.advance(ms); }

  host::ManualClock clock_{1000};
};
