// The sprite writer's pixel encodings: a module's palette indexes (and alphas) as the bytes
// each decoder of engine/sprite_decode.cpp reads back exactly.
#include <algorithm>
#include <bit>
#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/sprite_writer.h"

namespace databuild {

namespace {

using Bytes = std::vector<uint8_t>;

void CheckIndexes(std::span<const uint8_t> indexes, int limit, int encoding) {
  for (const uint8_t i : indexes) {
    if (i >= limit) {
      throw BuildError("sprite: index " + std::to_string(i) + " does not fit encoding " +
                       std::to_string(encoding));
    }
  }
}

// The length of the run of equal values starting at i, at most longest.
size_t RunAt(std::span<const uint8_t> values, size_t i, size_t longest) {
  size_t n = 1;
  while (i + n < values.size() && n < longest && values[i + n] == values[i]) n++;
  return n;
}

// 8, 4, 2 or 1 bits a pixel, the first pixel in the highest bits; the last byte padded.
Bytes Packed(std::span<const uint8_t> indexes, int bits) {
  Bytes out;
  const int perByte = 8 / bits;
  for (size_t i = 0; i < indexes.size(); i += perByte) {
    int byte = 0;
    for (int k = 0; k < perByte; k++) {
      const int index = i + k < indexes.size() ? indexes[i + k] : 0;
      byte |= index << (8 - bits * (k + 1));
    }
    out.push_back(static_cast<uint8_t>(byte));
  }
  return out;
}

// A byte a run: the index in the low `bits` bits, the run length minus one above them.
Bytes RunsOfIndexBits(std::span<const uint8_t> indexes, int colours) {
  const int bits = colours > 1 ? std::bit_width(static_cast<unsigned>(colours - 1)) : 0;
  CheckIndexes(indexes, 1 << bits, 0x64F0);
  const size_t longest = size_t{1} << (8 - bits);
  Bytes out;
  for (size_t i = 0; i < indexes.size();) {
    const size_t n = RunAt(indexes, i, longest);
    out.push_back(static_cast<uint8_t>((n - 1) << bits | indexes[i]));
    i += n;
  }
  return out;
}

// Runs as 128 + length and the index; an index below 128 alone as itself.
Bytes RunsOrSingles(std::span<const uint8_t> indexes) {
  Bytes out;
  for (size_t i = 0; i < indexes.size();) {
    const size_t n = RunAt(indexes, i, 127);
    if (n == 1 && indexes[i] < 128) {
      out.push_back(indexes[i]);
    } else {
      out.push_back(static_cast<uint8_t>(128 + n));
      out.push_back(indexes[i]);
    }
    i += n;
  }
  return out;
}

// Runs of three or more as the length and the index, the rest as 128 + count literals.
Bytes RunsOrLiterals(std::span<const uint8_t> indexes) {
  Bytes out;
  for (size_t i = 0; i < indexes.size();) {
    const size_t n = RunAt(indexes, i, 127);
    if (n >= 3) {
      out.push_back(static_cast<uint8_t>(n));
      out.push_back(indexes[i]);
      i += n;
      continue;
    }
    size_t literals = 0;
    while (i + literals < indexes.size() && literals < 127 && RunAt(indexes, i + literals, 3) < 3) {
      literals++;
    }
    out.push_back(static_cast<uint8_t>(128 + literals));
    out.insert(out.end(), indexes.begin() + i, indexes.begin() + i + literals);
    i += literals;
  }
  return out;
}

// An alpha a pixel, runs (and the value 0xFE, which marks them) as 0xFE, count, value.
Bytes AlphaRuns(std::span<const uint8_t> alphas) {
  constexpr uint8_t kRun = 0xFE;
  Bytes out;
  for (size_t i = 0; i < alphas.size();) {
    const size_t n = RunAt(alphas, i, 255);
    if (n >= 3 || alphas[i] == kRun) {
      out.insert(out.end(), {kRun, static_cast<uint8_t>(n), alphas[i]});
      i += n;
    } else {
      out.push_back(alphas[i++]);
    }
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeSpritePixels(int encoding, std::span<const uint8_t> indexes,
                                        std::span<const uint8_t> alphas, int colours) {
  switch (encoding) {
    case 0x5602:
      return Packed(indexes, 8);
    case 0x1600:
      CheckIndexes(indexes, 16, encoding);
      return Packed(indexes, 4);
    case 0x0400:
      CheckIndexes(indexes, 4, encoding);
      return Packed(indexes, 2);
    case 0x0200:
      CheckIndexes(indexes, 2, encoding);
      return Packed(indexes, 1);
    case 0x64F0:
      return RunsOfIndexBits(indexes, colours);
    case 0x27F1:
      return RunsOrSingles(indexes);
    case 0x56F2:
      return RunsOrLiterals(indexes);
    case 0xA256: {
      Bytes out = RunsOrLiterals(indexes);
      const Bytes opaque(indexes.size(), 0xFF);
      if (!alphas.empty() && alphas.size() != indexes.size()) {
        throw BuildError("sprite: a module's alphas do not match its pixels");
      }
      const Bytes alpha = AlphaRuns(alphas.empty() ? std::span<const uint8_t>(opaque) : alphas);
      out.insert(out.end(), alpha.begin(), alpha.end());
      return out;
    }
    default:
      throw BuildError("sprite: pixel encoding " + std::to_string(encoding) + " has no encoder");
  }
}

}  // namespace databuild
