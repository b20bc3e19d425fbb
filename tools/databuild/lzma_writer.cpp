// LZMA payloads through liblzma's raw encoder. The LZMA1 variant with a known size writes no
// end marker, so the range-coded data ends with the encoder's flush.
#include "tools/databuild/lzma_writer.h"

#include <lzma.h>

#include <algorithm>
#include <limits>
#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

constexpr size_t kHeaderSize = 13;
constexpr size_t kOutputStep = 64 * 1024;  // bytes the output grows by while the encoder writes

void CheckSettings(const LzmaSettings& settings) {
  const bool valid = settings.lc >= 0 && settings.lp >= 0 && settings.lc + settings.lp <= 4 &&
                     settings.pb >= 0 && settings.pb <= 4 &&
                     settings.dictionarySize >= LZMA_DICT_SIZE_MIN;
  if (!valid) {
    throw BuildError("LZMA settings lc " + std::to_string(settings.lc) + ", lp " +
                     std::to_string(settings.lp) + ", pb " + std::to_string(settings.pb) +
                     ", dictionary " + std::to_string(settings.dictionarySize) +
                     " are outside what the encoder takes");
  }
}

// The range-coded data of input appended to out.
void Encode(std::span<const uint8_t> input, const LzmaSettings& settings,
            std::vector<uint8_t>& out) {
  lzma_options_lzma options;
  lzma_lzma_preset(&options, LZMA_PRESET_DEFAULT);
  options.lc = static_cast<uint32_t>(settings.lc);
  options.lp = static_cast<uint32_t>(settings.lp);
  options.pb = static_cast<uint32_t>(settings.pb);
  options.dict_size = settings.dictionarySize;
  options.ext_flags = 0;  // no end marker: the header carries the size
  const lzma_filter filters[] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};

  lzma_stream stream = LZMA_STREAM_INIT;
  lzma_ret result = lzma_raw_encoder(&stream, filters);
  stream.next_in = input.data();
  stream.avail_in = input.size();
  while (result == LZMA_OK) {
    const size_t written = out.size();
    out.resize(written + kOutputStep);
    stream.next_out = out.data() + written;
    stream.avail_out = kOutputStep;
    result = lzma_code(&stream, LZMA_FINISH);
    out.resize(out.size() - stream.avail_out);
  }
  lzma_end(&stream);
  if (result != LZMA_STREAM_END) {
    throw BuildError("the LZMA encoder failed with code " + std::to_string(result));
  }
}

}  // namespace

uint8_t LzmaPropertiesByte(const LzmaSettings& settings) {
  return static_cast<uint8_t>((settings.pb * 5 + settings.lp) * 9 + settings.lc);
}

std::vector<uint8_t> WriteLzmaPayload(std::span<const uint8_t> data, const LzmaSettings& settings) {
  CheckSettings(settings);
  if (data.size() > std::numeric_limits<uint32_t>::max()) {
    throw BuildError("LZMA input of " + std::to_string(data.size()) +
                     " bytes does not fit the 32-bit unpacked size");
  }
  std::vector<uint8_t> payload;
  payload.reserve(kHeaderSize + data.size() / 2);
  payload.push_back(LzmaPropertiesByte(settings));
  PutU32(payload, settings.dictionarySize);
  PutU32(payload, static_cast<uint32_t>(data.size()));
  PutU32(payload, 0);
  Encode(data, settings, payload);
  return payload;
}

bool ReferenceDecodeLzmaPayload(std::span<const uint8_t> payload, std::span<uint8_t> out) {
  if (payload.size() < kHeaderSize) return false;
  const auto u32 = [&](size_t at) {
    return payload[at] | payload[at + 1] << 8 | payload[at + 2] << 16 |
           static_cast<uint32_t>(payload[at + 3]) << 24;
  };
  const uint8_t d = payload[0];
  lzma_options_lzma options{};
  options.lc = d % 9;
  options.lp = d % 45 / 9;
  options.pb = d / 45;
  options.dict_size = std::max<uint32_t>(u32(1), LZMA_DICT_SIZE_MIN);  // liblzma's least
  options.ext_flags = 0;
  options.ext_size_low = u32(5);
  options.ext_size_high = 0;
  if (out.size() < options.ext_size_low) return false;
  const lzma_filter filters[] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
  size_t inPos = kHeaderSize, outPos = 0;
  const lzma_ret result =
      lzma_raw_buffer_decode(filters, nullptr, payload.data(), &inPos, payload.size(), out.data(),
                             &outPos, options.ext_size_low);
  return result == LZMA_OK && outPos == options.ext_size_low;
}

}  // namespace databuild
