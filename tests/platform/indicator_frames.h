// What a copy of the front buffer shows of the wait indicator: the colour of the pixels that
// differ from the painted frame, when they all share one colour and lie near the indicator's
// place, (75, 240), within a box wide enough for its longest line in any font.
#pragma once

#include <cstdint>
#include <vector>

#include "host/display_surface.h"
#include "platform/wait_indicator.h"

namespace indicator_frames {

constexpr int32_t kBoxWidth = 240;
constexpr int32_t kBoxHeight = 32;

enum class Dots { None, White, Red, Stray };

// Classifies frame against a frame painted in one background colour.
inline Dots DotsIn(const std::vector<uint16_t>& frame, uint16_t background) {
  constexpr int32_t kWidth = host::DisplaySurface::kWidth;
  Dots seen = Dots::None;
  for (size_t i = 0; i < frame.size(); i++) {
    if (frame[i] == background) continue;
    const int32_t x = static_cast<int32_t>(i) % kWidth, y = static_cast<int32_t>(i) / kWidth;
    const bool near = x >= WaitIndicator::kX && x < WaitIndicator::kX + kBoxWidth &&
                      y >= WaitIndicator::kY && y < WaitIndicator::kY + kBoxHeight;
    const Dots dots = frame[i] == 0xFFFF   ? Dots::White
                      : frame[i] == 0xF800 ? Dots::Red
                                           : Dots::Stray;
    if (!near || dots == Dots::Stray || (seen != Dots::None && seen != dots)) return Dots::Stray;
    seen = dots;
  }
  return seen;
}

}  // namespace indicator_frames
