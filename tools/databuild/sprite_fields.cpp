// Checked little-endian fields of sprite data, and its palette colours.
#include "tools/databuild/sprite_fields.h"

#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

void SpriteFields::checked(int64_t value, int64_t low, int64_t high, const char* what) {
  if (value < low || value > high) {
    throw BuildError(std::string("sprite: ") + what + " " + std::to_string(value) +
                     " does not fit its field");
  }
}

void SpriteFields::u8(int value, const char* what) {
  checked(value, 0, 255, what);
  bytes_.push_back(static_cast<uint8_t>(value));
}

void SpriteFields::i8(int value, const char* what) {
  checked(value, -128, 127, what);
  bytes_.push_back(static_cast<uint8_t>(value));
}

void SpriteFields::u16(int value, const char* what) {
  checked(value, 0, 65535, what);
  PutU16(bytes_, static_cast<uint32_t>(value));
}

void SpriteFields::i16(int value, const char* what) {
  checked(value, -32768, 65535, what);
  PutU16(bytes_, static_cast<uint32_t>(value));
}

void SpriteFields::u32(uint32_t value) {
  PutU32(bytes_, value);
}

void SpriteFields::value(bool wide, bool isSigned, int v, const char* what) {
  if (wide) {
    checked(v, isSigned ? -32768 : 0, isSigned ? 32767 : 65535, what);
    PutU16(bytes_, static_cast<uint32_t>(v));
  } else if (isSigned) {
    i8(v, what);
  } else {
    u8(v, what);
  }
}

void SpriteFields::count(size_t n, const char* what) {
  checked(static_cast<int64_t>(n), 0, 32767, what);
  PutU16(bytes_, static_cast<uint32_t>(n));
}

void SpriteFields::append(std::span<const uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void WritePaletteColour(SpriteFields& out, int format, uint32_t c) {
  const uint32_t a = c >> 24, r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
  switch (format) {
    case 0x8888:
      return out.u32(c);
    case 0x4444:
      return out.u16(static_cast<int>((a >> 4) << 12 | (r >> 4) << 8 | (g >> 4) << 4 | b >> 4),
                     "colour");
    case 0x5515:
      return out.u16(
          static_cast<int>((a >= 128 ? 0x8000 : 0) | (r >> 3) << 10 | (g >> 3) << 5 | b >> 3),
          "colour");
    case 0x6505:
      return out.u16(a == 0 ? 0xF81F : static_cast<int>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3),
                     "colour");
    default:
      throw BuildError("sprite: palette format " + std::to_string(format) + " has no colours");
  }
}

}  // namespace databuild
