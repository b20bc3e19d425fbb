// The test card of state 1 as its description gives it, pixel for pixel in RGB565: the
// background over the 480 x 640 play area, one cell per game key in the colour of its latched
// state, a cross at the last tap, a square around the current pointer, and the control bar's
// black band below.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game/shell/test_card.h"
#include "javame/graphics.h"

struct TestCardScene {
  std::array<int32_t, 20> keys{};  // latched state per game key
  int32_t tapX = -1, tapY = -1;    // the last tap, -1 none
  int32_t pointerX = -1, pointerY = -1;
};

inline uint16_t TestCardPixel(const TestCardScene& scene, int32_t x, int32_t y) {
  auto rgb565 = [](uint32_t rgb) { return javax_microedition_lcdui_Graphics::Rgb888ToRgb565(rgb); };
  if (y >= 640) return 0x0000;
  // The pointer's square: its outline from 8 pixels before to 8 after, both edges drawn.
  if (scene.pointerX >= 0) {
    const int32_t dx = x - scene.pointerX, dy = y - scene.pointerY;
    const bool onEdge =
        (dx == -8 || dx == 8) ? dy >= -8 && dy <= 8 : (dy == -8 || dy == 8) && dx >= -8 && dx <= 8;
    if (onEdge) return rgb565(kTestCardPointerColour);
  }
  // The tap's cross: arms of 10 pixels, 3 wide.
  if (scene.tapX >= 0) {
    const int32_t dx = x - scene.tapX, dy = y - scene.tapY;
    if ((dx >= -10 && dx <= 10 && dy >= -1 && dy <= 1) ||
        (dy >= -10 && dy <= 10 && dx >= -1 && dx <= 1)) {
      return rgb565(kTestCardTapColour);
    }
  }
  const int32_t column = (x - kTestCardCellLeft) / kTestCardCellPitch;
  const int32_t row = (y - kTestCardCellTop) / kTestCardCellPitch;
  const int32_t inX = (x - kTestCardCellLeft) % kTestCardCellPitch;
  const int32_t inY = (y - kTestCardCellTop) % kTestCardCellPitch;
  if (x >= kTestCardCellLeft && y >= kTestCardCellTop && column < kTestCardColumns && row < 4 &&
      inX < kTestCardCellSize && inY < kTestCardCellSize) {
    return rgb565(TestCardKeyColour(scene.keys[row * kTestCardColumns + column]));
  }
  return rgb565(kTestCardBackground);
}

// The number of the screen's 480 x 800 pixels that differ from the scene's; `at` reads one.
inline int32_t TestCardMismatches(const TestCardScene& scene,
                                  const std::function<uint16_t(int32_t, int32_t)>& at,
                                  std::string* first = nullptr) {
  int32_t wrong = 0;
  for (int32_t y = 0; y < 800; y++) {
    for (int32_t x = 0; x < 480; x++) {
      if (at(x, y) == TestCardPixel(scene, x, y)) continue;
      if (wrong++ == 0 && first) *first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  }
  return wrong;
}
