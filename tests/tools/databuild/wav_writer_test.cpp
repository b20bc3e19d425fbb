// The builder's WAV writer: the canonical header for each layout, samples at the stored width,
// and the sounds it refuses.
#include "tools/databuild/wav_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16At(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(WavWriterTest, TheHeaderDescribesEachLayout) {
  struct Case {
    uint32_t rate;
    uint16_t channels;
    uint16_t bits;
    size_t samples;
    uint32_t byteRate;
    uint16_t blockAlign;
  };
  const Case cases[] = {{22050, 1, 16, 10, 44100, 2},
                        {8000, 2, 8, 10, 16000, 2},
                        {44100, 2, 16, 6, 176400, 4},
                        {11025, 1, 8, 0, 11025, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    const std::vector<uint8_t> file =
        WriteWav({c.rate, c.channels, c.bits, std::vector<int16_t>(c.samples, 0)});
    const uint32_t pcm = static_cast<uint32_t>(c.samples * c.bits / 8);
    ASSERT_EQ(file.size(), kWavHeaderSize + pcm);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(U32At(file, 4), 36 + pcm);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(U32At(file, 16), 16u);
    EXPECT_EQ(U16At(file, 20), 1);
    EXPECT_EQ(U16At(file, 22), c.channels);
    EXPECT_EQ(U32At(file, 24), c.rate);
    EXPECT_EQ(U32At(file, 28), c.byteRate);
    EXPECT_EQ(U16At(file, 32), c.blockAlign);
    EXPECT_EQ(U16At(file, 34), c.bits);
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
    EXPECT_EQ(U32At(file, 40), pcm);
  }
}

TEST(WavWriterTest, SamplesAreStoredAtTheirWidth) {
  const std::vector<int16_t> samples = {0, 256, -256, 32767, -32768, 0x1234};
  std::vector<uint8_t> file = WriteWav({8000, 1, 16, samples});
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 44, file.end()),
            (std::vector<uint8_t>{0, 0, 0, 1, 0, 0xFF, 0xFF, 0x7F, 0, 0x80, 0x34, 0x12}));
  file = WriteWav({8000, 1, 8, samples});  // the high byte, offset by 128
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 44, file.end()),
            (std::vector<uint8_t>{128, 129, 127, 255, 0, 0x92}));
}

TEST(WavWriterTest, RefusesWhatTheFormatCannotHold) {
  EXPECT_THROW(WriteWav({8000, 3, 16, std::vector<int16_t>(3)}), BuildError);
  EXPECT_THROW(WriteWav({8000, 1, 24, {}}), BuildError);
  EXPECT_THROW(WriteWav({0, 1, 16, {}}), BuildError);
  EXPECT_THROW(WriteWav({8000, 2, 16, std::vector<int16_t>(3)}), BuildError);
}

}  // namespace
}  // namespace databuild
