// Writes an RGB565 frame as a PNG file (8-bit RGB), replacing the file atomically.
#pragma once

#include <cstdint>
#include <string>

namespace host {

// Writes width x height pixels, rows pitch bytes apart, to path. Each 5- or 6-bit channel is
// widened to 8 bits by repeating its high bits, so white stays 255 and the low bits of the
// 8-bit value give the 565 value back. False, with a trace line naming the file and the
// reason (also in *why when given), on failure; a failed write leaves an existing file as it
// was.
bool WritePng565(const std::string& path, const uint16_t* pixels, int width, int height, int pitch,
                 std::string* why = nullptr);

}  // namespace host
