// The sprite writer's field output: little-endian fields, each checked against its width, and
// the palette colours and pixel encodings of the palette and pixel section.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace databuild {

// A value outside its field's range is a BuildError naming the field.
class SpriteFields {
 public:
  void u8(int value, const char* what);
  void i8(int value, const char* what);
  void u16(int value, const char* what);
  void i16(int value, const char* what);  // also a 16-bit code 0..65535 (0x8888)
  void u32(uint32_t value);
  // 16 bits when wide, else one byte; signed or not.
  void value(bool wide, bool isSigned, int v, const char* what);
  // A record count: i16, 0..32767.
  void count(size_t n, const char* what);
  void append(std::span<const uint8_t> bytes);

  size_t size() const { return bytes_.size(); }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  void checked(int64_t value, int64_t low, int64_t high, const char* what);
  std::vector<uint8_t> bytes_;
};

// One ARGB colour in the palette format (0x8888 as it is; 0x4444 the top 4 bits of each
// channel; 0x5515 alpha as one bit and 5 bits a colour; 0x6505 RGB565, alpha 0 as 0xF81F).
void WritePaletteColour(SpriteFields& out, int format, uint32_t argb);

}  // namespace databuild
