// The test card of state 1 as its description gives it, pixel for pixel in RGB565: the
// background over the 480 x 640 play area, one cell per game key in the colour of its latched
// state, the logo of the boot sprites in the eight transforms, the four gradients and the sine
// dots drawn from the data set's maths tables, a cross at the last tap, a square around the
// current pointer, and below them the control bar: its black band with the bar's frames. The
// sprites' pixels come from the data builder's own sprite data, mapped through each transform
// here, so that much needs no runtime; the layer over it (the fade bar, the texts and the
// sparkle) is drawn with drawRegion and needs a started one.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/shell/test_card.h"

struct TestCardScene {
  std::array<int32_t, 20> keys{};  // latched state per game key
  int32_t tapX = -1, tapY = -1;    // the last tap, -1 none
  int32_t pointerX = -1, pointerY = -1;
  int32_t fadeWidth = 480;  // the fade bar's width: 480 once the fade-in is over
  // The frame of the sparkle's animation shown, (updates / 2) mod 6 after that many state
  // updates; -1 leaves the sparkle's box out of the comparison.
  int32_t sparkleFrame = -1;
};

class javax_microedition_lcdui_Graphics;

// One frame of a boot sprite as its data paints it: w x h pixels from (x, y) of the frame's
// origin, -1 where nothing is painted, else RGB565; later parts over earlier ones.
struct TestCardFrame {
  int32_t x = 0, y = 0, w = 0, h = 0;
  std::vector<int32_t> pixels;

  // Pixel (dx, dy) of the frame under transform flags t (1 flip x, 2 flip y, 4 turn 90
  // degrees clockwise, flips first), counted from the transformed box's top-left corner.
  int32_t at(int32_t t, int32_t dx, int32_t dy) const;
  int32_t width(int32_t t) const { return t & 4 ? h : w; }
  int32_t height(int32_t t) const { return t & 4 ? w : h; }
};

// Frame 0 of the logo (entry 0) and frames 0 to 6 of the control bar (entry 1).
const TestCardFrame& TestCardLogo();
const TestCardFrame& TestCardBarFrame(int32_t frame);

// Gradient i's line through (x, y) and the gradient's line count; -1 when it misses every line.
int32_t TestCardGradientLineAt(int32_t i, int32_t x, int32_t y, int32_t* lines);
// The (x, y) dots of one turn of the sine, from the data builder's quarter table.
const std::set<std::pair<int32_t, int32_t>>& TestCardSineDots();

// The cells, the logos, the markers and the control bar: everything below the layer.
uint16_t TestCardPixel(const TestCardScene& scene, int32_t x, int32_t y);

// The layer over them (tests/support/test_card_text.cpp): the fade bar, the texts and the
// sparkle, drawn with drawRegion from the builder's fonts and sprite. Needs a started runtime.
void DrawTestCardLayer(javax_microedition_lcdui_Graphics* g, const TestCardScene& scene);

// The whole card, 480 x 800 RGB565 pixels row by row. Needs a started runtime.
std::vector<uint16_t> TestCardPicture(const TestCardScene& scene);

// The number of the screen's 480 x 800 pixels that differ from the scene's card (the
// sparkle's box left out unless the scene gives its frame); `at` reads one. Needs a started
// runtime.
int32_t TestCardMismatches(const TestCardScene& scene,
                           const std::function<uint16_t(int32_t, int32_t)>& at,
                           std::string* first = nullptr);
// The same against a picture composed already (TestCardPicture of the same scene).
int32_t TestCardMismatches(const TestCardScene& scene, const std::vector<uint16_t>& picture,
                           const std::function<uint16_t(int32_t, int32_t)>& at,
                           std::string* first = nullptr);
