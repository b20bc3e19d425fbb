// The blitter family. Every blitter is one per-pixel rule run by the same descriptor walk;
// a row whose destination pixels lie side by side (no transform across the row) takes a
// contiguous loop, and the plain and keyed RGB565 copies copy such rows eight pixels at a time.
#include "platform/graphics_blit.h"

#include <cstddef>
#include <cstring>

namespace {

// One contiguous row of the keyed copy: each vector keeps the old pixels where the source is
// the key and takes the source elsewhere.
void CopyKeyedRow(const uint16_t* s, uint16_t* o, int32_t w) {
  const Pixels8 key = Pixels8{} + kColourKey565;
  int32_t i = 0;
  for (; i + 8 <= w; i += 8) {
    Pixels8 source, old;
    memcpy(&source, s + i, sizeof source);
    memcpy(&old, o + i, sizeof old);
    const auto isKey = reinterpret_cast<Pixels8>(source == key);
    const Pixels8 merged = (old & isKey) | (source & ~isKey);
    memcpy(o + i, &merged, sizeof merged);
  }
  for (; i < w; i++) {
    if (s[i] != kColourKey565) o[i] = s[i];
  }
}

// Runs pixel(source element, destination element) over the descriptor. Offsets are formed
// per row and per pixel, so no address outside the walked pixels is ever computed.
template <class Src, class Dst, class Pixel>
void Walk(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst, Pixel pixel) {
  for (int32_t row = 0; row < d.height; row++) {
    const Src* s = reinterpret_cast<const Src*>(src + static_cast<ptrdiff_t>(row) * d.srcRowStep);
    uint8_t* out = dst + static_cast<ptrdiff_t>(row) * d.dstRowStep;
    if (d.dstPixelStep == static_cast<int32_t>(sizeof(Dst))) {
      Dst* o = reinterpret_cast<Dst*>(out);
      for (int32_t i = 0; i < d.width; i++) pixel(s[i], o[i]);
    } else {
      for (int32_t i = 0; i < d.width; i++) {
        pixel(s[i], *reinterpret_cast<Dst*>(out + static_cast<ptrdiff_t>(i) * d.dstPixelStep));
      }
    }
  }
}

}  // namespace

void BlitCopy(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  if (d.dstPixelStep == 2) {
    for (int32_t row = 0; row < d.height; row++) {
      memmove(dst + static_cast<ptrdiff_t>(row) * d.dstRowStep,
              src + static_cast<ptrdiff_t>(row) * d.srcRowStep, static_cast<size_t>(d.width) * 2);
    }
    return;
  }
  Walk<uint16_t, uint16_t>(d, src, dst, [](uint16_t s, uint16_t& o) { o = s; });
}

void BlitCopyKeyed(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  if (d.dstPixelStep == 2) {
    for (int32_t row = 0; row < d.height; row++) {
      CopyKeyedRow(
          reinterpret_cast<const uint16_t*>(src + static_cast<ptrdiff_t>(row) * d.srcRowStep),
          reinterpret_cast<uint16_t*>(dst + static_cast<ptrdiff_t>(row) * d.dstRowStep), d.width);
    }
    return;
  }
  // An unconditional store (the old pixel back for a key) leaves no branch to mispredict.
  Walk<uint16_t, uint16_t>(d, src, dst,
                           [](uint16_t s, uint16_t& o) { o = s == kColourKey565 ? o : s; });
}

void BlitBlendArgb4444(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  Walk<uint16_t, uint16_t>(d, src, dst, [](uint16_t s, uint16_t& o) {
    const int32_t weight = (s >> 12) * 17;
    o = Blend565(o, ((s >> 8) & 15) * 2, ((s >> 4) & 15) * 4, (s & 15) * 2, weight);
  });
}

void BlitArgb8888Copy(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  Walk<uint32_t, uint16_t>(d, src, dst, [](uint32_t s, uint16_t& o) { o = Argb8888ToRgb565(s); });
}

void BlitArgb8888CopyKeyed(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  Walk<uint32_t, uint16_t>(d, src, dst, [](uint32_t s, uint16_t& o) {
    if (s != kColourKeyArgb8888) o = Argb8888ToRgb565(s);
  });
}

void BlitArgb8888Blend(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  Walk<uint32_t, uint16_t>(d, src, dst, [](uint32_t s, uint16_t& o) {
    const uint32_t alpha = s >> 24;
    if (alpha == 255) {
      o = Argb8888ToRgb565(s);
    } else if (alpha != 0) {
      o = BlendArgb8888(o, s);
    }
  });
}

void BlitArgb8888ToArgb4444(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  Walk<uint32_t, uint16_t>(d, src, dst, [](uint32_t s, uint16_t& o) { o = Argb8888ToArgb4444(s); });
}

void BlitRgb565ToInt(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  Walk<uint16_t, uint32_t>(d, src, dst, [](uint16_t s, uint32_t& o) { o = Rgb565ToRgb888(s); });
}

void BlitRgb565ToInt6(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst) {
  Walk<uint16_t, uint32_t>(d, src, dst, [](uint16_t s, uint32_t& o) {
    const uint32_t r5 = s >> 11, g6 = (s >> 5) & 63, b5 = s & 31;
    o = ((r5 << 1) | (r5 >> 4)) << 16 | g6 << 8 | ((b5 << 1) | (b5 >> 4));
  });
}

void BlitPalette8Keyed(const BlitDescriptor& d, const uint8_t* src, uint8_t* dst,
                       const uint16_t (&palette)[256]) {
  Walk<uint8_t, uint16_t>(d, src, dst, [&palette](uint8_t s, uint16_t& o) {
    const uint16_t entry = palette[s];
    if (entry != kColourKey565) o = entry;
  });
}

void BlitPalette4Keyed(const BlitDescriptor& d, const uint8_t* src, int32_t firstNibble,
                       uint8_t* dst, const uint16_t (&palette)[16]) {
  // Rows are walked nibble by nibble in place; no expanded copy of a row is needed.
  for (int32_t row = 0; row < d.height; row++) {
    const uint8_t* s = src + static_cast<ptrdiff_t>(row) * d.srcRowStep;
    uint8_t* out = dst + static_cast<ptrdiff_t>(row) * d.dstRowStep;
    for (int32_t i = 0; i < d.width; i++) {
      const int32_t nibble = firstNibble + i;
      const uint8_t byte = s[nibble >> 1];
      const uint16_t entry = palette[(nibble & 1) ? (byte & 15) : (byte >> 4)];
      if (entry != kColourKey565) {
        *reinterpret_cast<uint16_t*>(out + static_cast<ptrdiff_t>(i) * d.dstPixelStep) = entry;
      }
    }
  }
}
