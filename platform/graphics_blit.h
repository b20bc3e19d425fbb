// The blitters: each walks a blit descriptor, h source rows of w pixels, writing through
// destination steps that carry the transform. Pixel conversions and the per-channel blend
// shared by the blitters, the fills and getRGB live here too.
#pragma once

#include <array>
#include <cstdint>

// Steps are in bytes and 32-bit (a 16-bit step would wrap for rows of 16384 pixels or more).
struct BlitDescriptor {
  int32_t width;         // source pixels per row
  int32_t height;        // source rows
  int32_t srcRowStep;    // from one source row to the next
  int32_t dstPixelStep;  // destination, from one source pixel to the next
  int32_t dstRowStep;    // destination, from one source row to the next
};

// Eight RGB565 pixels in one 16-byte vector (a GCC and Clang extension; SSE2 on x86-64): the
// fills and the keyed RGB565 copy take rows eight pixels at a time.
using Pixels8 = uint16_t __attribute__((vector_size(16)));

constexpr uint16_t kColourKey565 = 0xF81F;       // transparent in RGB565 sources
constexpr uint32_t kColourKeyArgb8888 = 0xF81F;  // the int the keyed ARGB8888 copy skips

// ---- Pixel conversions ----------------------------------------------------------------------

// floor(v x 255 / max) for v in 0..max: a 5- or 6-bit channel widened to 8 bits.
template <int N>
constexpr std::array<uint8_t, N> WideningTable() {
  std::array<uint8_t, N> table{};
  for (int v = 0; v < N; v++) table[v] = static_cast<uint8_t>(v * 255 / (N - 1));
  return table;
}
inline constexpr std::array<uint8_t, 32> kFiveBitTo8 = WideningTable<32>();
inline constexpr std::array<uint8_t, 64> kSixBitTo8 = WideningTable<64>();

inline uint16_t Argb8888ToRgb565(uint32_t p) {
  return static_cast<uint16_t>(((p >> 8) & 0xF800) | ((p >> 5) & 0x07E0) | ((p & 0xFF) >> 3));
}

inline uint16_t Argb8888ToArgb4444(uint32_t p) {
  return static_cast<uint16_t>(((p >> 16) & 0xF000) | ((p >> 12) & 0x0F00) | ((p >> 8) & 0x00F0) |
                               ((p & 0xFF) >> 4));
}

// 0x00RRGGBB through the widening tables.
inline uint32_t Rgb565ToRgb888(uint16_t p) {
  return static_cast<uint32_t>(kFiveBitTo8[p >> 11]) << 16 |
         static_cast<uint32_t>(kSixBitTo8[(p >> 5) & 63]) << 8 | kFiveBitTo8[p & 31];
}

// Blends the channels r5, g6, b5 into old with weight 0..255: per channel
// new = old + ((src - old) x weight >> 8), the difference signed and shifted arithmetically.
inline uint16_t Blend565(uint16_t old, int32_t r5, int32_t g6, int32_t b5, int32_t weight) {
  const int32_t oldR = old >> 11, oldG = (old >> 5) & 63, oldB = old & 31;
  const int32_t r = oldR + (((r5 - oldR) * weight) >> 8);
  const int32_t g = oldG + (((g6 - oldG) * weight) >> 8);
  const int32_t b = oldB + (((b5 - oldB) * weight) >> 8);
  return static_cast<uint16_t>(((r & 31) << 11) | ((g & 63) << 5) | (b & 31));
}

// An ARGB8888 colour over an RGB565 pixel with its alpha as the weight, taking the top 5, 6
// and 5 bits of red, green and blue.
inline uint16_t BlendArgb8888(uint16_t old, uint32_t p) {
  return Blend565(old, (p >> 19) & 31, (p >> 10) & 63, (p >> 3) & 31,
                  static_cast<int32_t>(p >> 24));
}

// ---- Blitters -------------------------------------------------------------------------------
// src and dst are the byte addresses of the first source pixel and of its destination.

// RGB565 sources.
void BlitCopy(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);
void BlitCopyKeyed(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);  // skips 0xF81F
// ARGB4444 source over RGB565: weight = alpha nibble x 17, the colour nibbles taken as the top
// bits of the 5-, 6- and 5-bit channels.
void BlitBlendArgb4444(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);

// ARGB8888 (int) sources.
void BlitArgb8888Copy(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);
// Skips the int 0x0000F81F only (text buffers fill their background with it).
void BlitArgb8888CopyKeyed(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);
// Alpha 255 copies, alpha 0 skips, anything else blends.
void BlitArgb8888Blend(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);
void BlitArgb8888ToArgb4444(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);

// RGB565 sources into int destinations (dstPixelStep counts bytes of ints).
// 0x00RRGGBB through the widening tables.
void BlitRgb565ToInt(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);
// 0x00RRGGBB with 6-bit channel values: red and blue doubled, their top bit repeated below
// (31 becomes 63), green as it is.
void BlitRgb565ToInt6(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst);

// Palette sources with RGB565 entries; entries equal to 0xF81F are skipped.
void BlitPalette8Keyed(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst,
                       const uint16_t (&palette)[256]);
// Two pixels per byte, the high nibble first; firstNibble (0 or 1) is where each row starts
// inside its first byte.
void BlitPalette4Keyed(const BlitDescriptor& d, const uint8_t* src, int32_t firstNibble,
                       uint8_t* dst, const uint16_t (&palette)[16]);
