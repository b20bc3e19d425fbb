// A null audio device on a ManualClock for one test, with helpers that open voices from sample
// lists; the mix is stepped by hand with tests/support/audio_mix.h.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/audio.h"
#include "host/clock.h"
#include "tests/support/audio_mix.h"

class NullAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::UseClock(&clock_);
    ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kNull));
  }

  void TearDown() override {
    for (host::Voice* voice : voices_) host::CloseVoice(voice);
    host::CloseAudioDevice();
    host::SetMasterVolume(host::kFullVolume);
    host::UseClock(nullptr);
  }

  // A voice holding 16-bit samples (interleaved when stereo), not yet written.
  host::Voice* Voice16(uint32_t rate, uint16_t channels, const std::vector<int16_t>& samples) {
    std::vector<uint8_t> bytes;
    for (int16_t s : samples) {
      bytes.push_back(static_cast<uint8_t>(s & 0xFF));
      bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
    }
    return Prepared({rate, channels, 16}, bytes);
  }

  // A voice holding 8-bit unsigned samples, not yet written.
  host::Voice* Voice8(uint32_t rate, uint16_t channels, const std::vector<uint8_t>& samples) {
    return Prepared({rate, channels, 8}, samples);
  }

  // A 16-bit mono voice of `frames` frames all at `value`, written with `loops`.
  host::Voice* Constant(uint32_t frames, int16_t value, uint32_t loops, uint32_t rate = 44100) {
    host::Voice* voice = Voice16(rate, 1, std::vector<int16_t>(frames, value));
    EXPECT_TRUE(host::WriteVoice(voice, loops));
    return voice;
  }

  // Closes a voice before the test ends.
  void Close(host::Voice* voice) {
    std::erase(voices_, voice);
    host::CloseVoice(voice);
  }

  host::ManualClock clock_{1000};

 private:
  host::Voice* Prepared(const host::PcmFormat& format, const std::vector<uint8_t>& bytes) {
    host::Voice* voice = host::OpenVoice(format);
    EXPECT_NE(voice, nullptr);
    if (!voice) return nullptr;
    voices_.push_back(voice);
    EXPECT_TRUE(host::PrepareVoice(voice, bytes.data(), static_cast<uint32_t>(bytes.size())));
    return voice;
  }

  std::vector<host::Voice*> voices_;
};
