#include "tools/databuild/lzma_writer.h"

#include <gtest/gtest.h>
#include <lzma.h>

#include <string>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes SomeText() {
  std::string text;
  for (int i = 0; i < 500; i++)
    text += "the bunch swings and the bubble drops " + std::to_string(i);
  return Bytes(text.begin(), text.end());
}

uint32_t U32At(const Bytes& bytes, size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

// liblzma's own decoding of the payload's data with the header's settings and size, which
// must take every byte of the data and allow no end marker.
std::optional<Bytes> ReferenceDecode(const Bytes& payload) {
  lzma_options_lzma options{};
  options.lc = payload[0] % 9;
  options.lp = payload[0] % 45 / 9;
  options.pb = payload[0] / 45;
  options.dict_size = U32At(payload, 1);
  options.ext_size_low = U32At(payload, 5);
  options.ext_size_high = U32At(payload, 9);
  const lzma_filter filters[] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
  Bytes out(options.ext_size_low + 1);  // liblzma takes no null buffer, even an empty one
  size_t inPos = 13, outPos = 0;
  if (lzma_raw_buffer_decode(filters, nullptr, payload.data(), &inPos, payload.size(), out.data(),
                             &outPos, out.size()) != LZMA_OK ||
      inPos != payload.size() || outPos != options.ext_size_low) {
    return std::nullopt;
  }
  out.resize(outPos);
  return out;
}

TEST(LzmaWriterTest, TheHeaderHoldsPropertiesDictionaryAndTheTrueSize) {
  const Bytes input = SomeText();
  struct Case {
    LzmaSettings settings;
    uint8_t properties;
  };
  const Case kCases[] = {
      {{3, 0, 2, 1 << 20}, 0x5D},
      {{0, 0, 0, 4096}, 0},
      {{0, 4, 4, 1 << 16}, (4 * 5 + 4) * 9},
      {{4, 0, 1, 8 << 20}, (1 * 5 + 0) * 9 + 4},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(static_cast<int>(c.properties));
    const Bytes payload = WriteLzmaPayload(input, c.settings);
    ASSERT_GT(payload.size(), 13u);
    EXPECT_EQ(payload[0], c.properties);
    EXPECT_EQ(LzmaPropertiesByte(c.settings), c.properties);
    EXPECT_EQ(U32At(payload, 1), c.settings.dictionarySize);
    EXPECT_EQ(U32At(payload, 5), input.size());
    EXPECT_EQ(U32At(payload, 9), 0u);
    EXPECT_EQ(ReferenceDecode(payload), input);
  }
}

TEST(LzmaWriterTest, EmptyInputIsTheHeaderAndTheCodersFlush) {
  const Bytes payload = WriteLzmaPayload({});
  EXPECT_EQ(U32At(payload, 5), 0u);
  EXPECT_EQ(ReferenceDecode(payload), Bytes{});
}

TEST(LzmaWriterTest, TheSameInputGivesTheSameBytes) {
  EXPECT_EQ(WriteLzmaPayload(SomeText()), WriteLzmaPayload(SomeText()));
}

TEST(LzmaWriterTest, SettingsTheEncoderRefusesAreABuildError) {
  const LzmaSettings kRefused[] = {
      {5, 0, 2, 1 << 20}, {3, 2, 2, 1 << 20}, {-1, 0, 2, 1 << 20},
      {3, 0, 5, 1 << 20}, {3, 0, 2, 4095},
  };
  for (const LzmaSettings& settings : kRefused) {
    EXPECT_THROW(WriteLzmaPayload(SomeText(), settings), BuildError)
        << settings.lc << " " << settings.lp << " " << settings.pb << " "
        << settings.dictionarySize;
  }
}

}  // namespace
}  // namespace databuild
