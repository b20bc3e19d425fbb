#include "tests/support/test_card_picture.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "game/shell/test_card.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "tools/databuild/boot_sprites.h"
#include "tools/databuild/maths_tables.h"

namespace {

using databuild::ModuleKind;
using databuild::SpriteData;

uint16_t Rgb565(uint32_t rgb) {
  return javax_microedition_lcdui_Graphics::Rgb888ToRgb565(rgb);
}

// The frame's parts (all unturned in the boot sprites) composed in their order: image modules
// through palette 0 with the key left out, filled rectangles in their colour.
TestCardFrame FrameOf(const SpriteData& s, int32_t f) {
  const databuild::SpriteFrame& frame = s.frames[f];
  int32_t x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
  for (int i = 0; i < frame.fmoduleCount; i++) {
    const databuild::SpriteFModule& part = s.fmodules[frame.firstFModule + i];
    const databuild::SpriteModule& m = s.modules[part.module];
    x0 = std::min(x0, part.x);
    y0 = std::min(y0, part.y);
    x1 = std::max(x1, part.x + m.width);
    y1 = std::max(y1, part.y + m.height);
  }
  TestCardFrame out{x0, y0, x1 - x0, y1 - y0, {}};
  out.pixels.assign(static_cast<size_t>(out.w) * out.h, -1);
  for (int i = 0; i < frame.fmoduleCount; i++) {
    const databuild::SpriteFModule& part = s.fmodules[frame.firstFModule + i];
    const databuild::SpriteModule& m = s.modules[part.module];
    for (int y = 0; y < m.height; y++) {
      for (int x = 0; x < m.width; x++) {
        uint32_t colour = m.colour;
        if (m.kind == ModuleKind::kImage) {
          colour = s.palettes[0][m.pixels[static_cast<size_t>(y) * m.width + x]];
          if (colour >> 24 == 0) continue;
        }
        out.pixels[static_cast<size_t>(part.y + y - y0) * out.w + (part.x + x - x0)] =
            Rgb565(colour);
      }
    }
  }
  return out;
}

bool Inside(int32_t x, int32_t y, int32_t left, int32_t top, int32_t w, int32_t h) {
  return x >= left && y >= top && x < left + w && y < top + h;
}

// The pixel of frame f painted unturned with its origin at (fx, fy), -1 outside it.
int32_t BarPixel(int32_t f, int32_t fx, int32_t fy, int32_t x, int32_t y) {
  const TestCardFrame& frame = TestCardBarFrame(f);
  const int32_t left = fx + frame.x, top = fy + frame.y;
  if (!Inside(x, y, left, top, frame.w, frame.h)) return -1;
  return frame.at(0, x - left, y - top);
}

}  // namespace

int32_t TestCardFrame::at(int32_t t, int32_t dx, int32_t dy) const {
  const int32_t ux = t & 4 ? dy : dx;  // undo the turn
  const int32_t uy = t & 4 ? h - 1 - dx : dy;
  const int32_t sx = t & 1 ? w - 1 - ux : ux;  // then the flips
  const int32_t sy = t & 2 ? h - 1 - uy : uy;
  return pixels[static_cast<size_t>(sy) * w + sx];
}

// Vertical lines run from the top to top + h (both ends drawn), horizontal ones from the left
// to left + w.
int32_t TestCardGradientLineAt(int32_t i, int32_t x, int32_t y, int32_t* lines) {
  const int32_t left = kTestCardGradientLeft,
                top = kTestCardGradientTop + i * kTestCardGradientPitch;
  const int32_t w = kTestCardGradientWidth, h = kTestCardGradientHeight;
  switch (kTestCardGradientModes[i]) {
    case 4:
    case 8:
      *lines = w;
      if (x < left || x >= left + w || y < top || y > top + h) return -1;
      return kTestCardGradientModes[i] == 4 ? left + w - 1 - x : x - left;
    default:
      *lines = h;
      if (x < left || x > left + w || y < top || y >= top + h) return -1;
      return kTestCardGradientModes[i] == 16 ? top + h - 1 - y : y - top;
  }
}

// The quarter table T read by the quarter rule: T[j], T[255 - j], -T[j], -T[255 - j].
const std::set<std::pair<int32_t, int32_t>>& TestCardSineDots() {
  static const std::set<std::pair<int32_t, int32_t>> dots = [] {
    const std::vector<int32_t> table = databuild::SineQuarterTable();
    std::set<std::pair<int32_t, int32_t>> all;
    for (int32_t a = 0; a < 1024; a++) {
      const int32_t j = a & 255, quarter = a >> 8;
      const int32_t sine = quarter == 0   ? table[j]
                           : quarter == 1 ? table[255 - j]
                           : quarter == 2 ? -table[j]
                                          : -table[255 - j];
      all.insert({a * 480 / 1024, kTestCardSineCentre - sine * kTestCardSineAmplitude / 65536});
    }
    return all;
  }();
  return dots;
}

const TestCardFrame& TestCardLogo() {
  static const TestCardFrame logo = FrameOf(databuild::LogoSprite(), 0);
  return logo;
}

const TestCardFrame& TestCardBarFrame(int32_t frame) {
  static const std::vector<TestCardFrame> frames = [] {
    const SpriteData bar = databuild::ControlBarSprite();
    std::vector<TestCardFrame> all;
    for (int32_t f = 0; f < 7; f++) all.push_back(FrameOf(bar, f));
    return all;
  }();
  return frames[frame];
}

uint16_t TestCardPixel(const TestCardScene& scene, int32_t x, int32_t y) {
  if (y >= 640) {
    // The buttons over the bar's ground over its black band.
    constexpr int32_t kButtons[3][3] = {{3, 380, 720}, {2, 100, 720}, {1, 240, 720}};
    for (const auto& b : kButtons) {
      const int32_t p = BarPixel(b[0], b[1], b[2], x, y);
      if (p >= 0) return static_cast<uint16_t>(p);
    }
    const int32_t ground = BarPixel(0, 0, 640, x, y);
    return ground >= 0 ? static_cast<uint16_t>(ground) : 0x0000;
  }
  // The pointer's square: its outline from 8 pixels before to 8 after, both edges drawn.
  if (scene.pointerX >= 0) {
    const int32_t dx = x - scene.pointerX, dy = y - scene.pointerY;
    const bool onEdge =
        (dx == -8 || dx == 8) ? dy >= -8 && dy <= 8 : (dy == -8 || dy == 8) && dx >= -8 && dx <= 8;
    if (onEdge) return Rgb565(kTestCardPointerColour);
  }
  // The tap's cross: arms of 10 pixels, 3 wide.
  if (scene.tapX >= 0) {
    const int32_t dx = x - scene.tapX, dy = y - scene.tapY;
    if ((dx >= -10 && dx <= 10 && dy >= -1 && dy <= 1) ||
        (dy >= -10 && dy <= 10 && dx >= -1 && dx <= 1)) {
      return Rgb565(kTestCardTapColour);
    }
  }
  // The sine over everything but the markers, the gradients beside the logos.
  if (TestCardSineDots().contains({x, y})) return Rgb565(kTestCardSineColour);
  for (int32_t i = 0; i < 4; i++) {
    int32_t lines = 0;
    const int32_t k = TestCardGradientLineAt(i, x, y, &lines);
    if (k >= 0) return Rgb565(TestCardGradientLine(k, lines));
  }
  const TestCardFrame& logo = TestCardLogo();
  for (int32_t t = 0; t < 8; t++) {
    const TestCardPlace place = TestCardLogoPlace(t);
    if (!Inside(x, y, place.x, place.y, logo.width(t), logo.height(t))) continue;
    const int32_t p = logo.at(t, x - place.x, y - place.y);
    if (p >= 0) return static_cast<uint16_t>(p);
  }
  const int32_t column = (x - kTestCardCellLeft) / kTestCardCellPitch;
  const int32_t row = (y - kTestCardCellTop) / kTestCardCellPitch;
  const int32_t inX = (x - kTestCardCellLeft) % kTestCardCellPitch;
  const int32_t inY = (y - kTestCardCellTop) % kTestCardCellPitch;
  if (x >= kTestCardCellLeft && y >= kTestCardCellTop && column < kTestCardColumns && row < 4 &&
      inX < kTestCardCellSize && inY < kTestCardCellSize) {
    return Rgb565(TestCardKeyColour(scene.keys[row * kTestCardColumns + column]));
  }
  return Rgb565(kTestCardBackground);
}

std::vector<uint16_t> TestCardPicture(const TestCardScene& scene) {
  constexpr int32_t kWidth = 480, kHeight = 800;
  auto* image = javax_microedition_lcdui_Image::createImage(kWidth, kHeight);
  auto* pixels = static_cast<ShortArray*>(image->pixels);
  const int32_t row = image->rowLength / 2;
  for (int32_t y = 0; y < kHeight; y++) {
    for (int32_t x = 0; x < kWidth; x++) {
      pixels->elements()[y * row + x] = static_cast<int16_t>(TestCardPixel(scene, x, y));
    }
  }
  DrawTestCardLayer(image->getGraphics(), scene);
  std::vector<uint16_t> picture;
  for (int32_t y = 0; y < kHeight; y++) {
    for (int32_t x = 0; x < kWidth; x++) {
      picture.push_back(static_cast<uint16_t>(pixels->elements()[y * row + x]));
    }
  }
  return picture;
}

int32_t TestCardMismatches(const TestCardScene& scene,
                           const std::function<uint16_t(int32_t, int32_t)>& at,
                           std::string* first) {
  return TestCardMismatches(scene, TestCardPicture(scene), at, first);
}

int32_t TestCardMismatches(const TestCardScene& scene, const std::vector<uint16_t>& picture,
                           const std::function<uint16_t(int32_t, int32_t)>& at,
                           std::string* first) {
  constexpr int32_t kSparkleReach = 16;  // half the sparkle's box
  int32_t wrong = 0;
  for (int32_t y = 0; y < 800; y++) {
    for (int32_t x = 0; x < 480; x++) {
      const bool sparkle = std::abs(x - kTestCardSparklePlace.x) <= kSparkleReach &&
                           std::abs(y - kTestCardSparklePlace.y) <= kSparkleReach;
      if (scene.sparkleFrame < 0 && sparkle) continue;
      if (at(x, y) == picture[static_cast<size_t>(y) * 480 + x]) continue;
      if (wrong++ == 0 && first) *first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  }
  return wrong;
}
