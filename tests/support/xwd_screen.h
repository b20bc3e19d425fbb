// The screen of a virtual X server as Xvfb keeps it (an XWD file; tests/host/run_under_xvfb.sh
// exports its path as PLIMORA_XVFB_SCREEN), read for pixel checks.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

// The XWD layout Xvfb keeps its screen in: a header of 25 big-endian 32-bit fields (then the
// window name up to the header size), the colour map (12 bytes an entry), then the rows.
struct XwdScreen {
  int width = 0, height = 0, bitsPerPixel = 0, bytesPerLine = 0;
  bool lsbFirst = false;
  std::vector<uint8_t> file;
  size_t pixelsAt = 0;

  bool load(const char* path) {
    std::ifstream in(path, std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), {});
    if (file.size() < 100) return false;
    auto field = [&](int i) {
      const uint8_t* p = &file[4 * i];
      return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    };
    width = static_cast<int>(field(4));
    height = static_cast<int>(field(5));
    lsbFirst = field(7) == 0;
    bitsPerPixel = static_cast<int>(field(11));
    bytesPerLine = static_cast<int>(field(12));
    pixelsAt = field(0) + 12 * size_t{field(19)};
    return bitsPerPixel == 32 && file.size() >= pixelsAt + size_t(bytesPerLine) * height;
  }

  // The pixel as RGB565, assuming the 8-bit-a-channel visual Xvfb's depth 24 gives.
  uint16_t at565(int x, int y) const {
    const uint8_t* p = &file[pixelsAt + size_t(y) * bytesPerLine + 4 * size_t(x)];
    uint32_t v =
        lsbFirst ? (p[0] | (p[1] << 8) | (p[2] << 16)) : (p[3] | (p[2] << 8) | (p[1] << 16));
    uint32_t r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
  }
};
