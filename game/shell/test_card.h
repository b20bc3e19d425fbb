// The test card that state 1 shows until the boot state exists: the game keys' latched states,
// the last tap and the current pointer, drawn with Graphics primitives over the play area, and
// the logo from the boot sprites in the eight transforms; the maths tables at work beside and
// above them: the gradient fill in its four modes and one turn of the 1024-step sine.
#pragma once

#include <cstdint>
#include <initializer_list>

// Cell k (game key 0..19) is a square of kCellSize pixels at (kCellLeft + (k % 5) * kCellPitch,
// kCellTop + (k / 5) * kCellPitch).
constexpr int32_t kTestCardColumns = 5;
constexpr int32_t kTestCardCellPitch = 96;
constexpr int32_t kTestCardCellSize = 88;
constexpr int32_t kTestCardCellLeft = 4;
constexpr int32_t kTestCardCellTop = 44;
constexpr uint32_t kTestCardBackground = 0x102040;
constexpr uint32_t kTestCardTapColour = 0xFFFFFF;      // a cross at the last tap
constexpr uint32_t kTestCardPointerColour = 0xFF00FF;  // a square around the current pointer

// Below the cells, the logo (sprite slot 0, frame 0) in each transform t, its box's top-left
// corner at TestCardLogoPlace(t): unturned (t = 0..3) stacked down the left, turned (4..7) side
// by side on the right. The logo is at most 178 x 50 pixels.
struct TestCardPlace {
  int32_t x, y;
};
constexpr TestCardPlace TestCardLogoPlace(int32_t t) {
  return t < 4 ? TestCardPlace{8, 440 + 50 * t} : TestCardPlace{236 + 60 * (t - 4), 446};
}
constexpr int32_t kTestCardLogoPack = 271;  // string constant: the boot sprites' pack

// Over the cells, as the boot state loads them: the fonts (sprite slots 3 to 5, pack 274) and
// the text table (pack 273), the sparkle (slot 9, pack 66). The card fades in with the 200 ms
// fade and shows the fade clock as a white bar of fadeTime x 480 / 200 pixels at the top;
// text 38 with the body font (slot 3) in palette 1 centred at (240, 26); text 43 as a page
// with the heading font (slot 5) in palette 0 centred at (240, 140); the paragraph below,
// wrapped to 300 pixels, with the body font in palette 0 from (90, 236); and the sparkle's
// animation 28 at (24, 26), one 40 ms step a frame, so it shows the same on any clock.
constexpr int32_t kTestCardFontPack = 274;  // string constants naming the packs
constexpr int32_t kTestCardTextPack = 273;
constexpr int32_t kTestCardUiPack = 66;
constexpr int32_t kTestCardFadeBarHeight = 4;  // above the sine's highest dots
constexpr uint32_t kTestCardFadeBarColour = 0xFFFFFF;
constexpr TestCardPlace kTestCardPromptPlace = {240, 26};  // text 38, anchor 3
constexpr TestCardPlace kTestCardPagePlace = {240, 140};   // text 43, anchor 3
constexpr TestCardPlace kTestCardParagraphPlace = {90, 236};
constexpr int32_t kTestCardParagraphWidth = 300;
constexpr const char* kTestCardParagraph =
    "Aim, shoot and pop \\^three or more\\^ bubbles of one colour; bubbles that no longer "
    "\\_hang on\\_ fall away for extra points.";
constexpr TestCardPlace kTestCardSparklePlace = {24, 26};
constexpr int32_t kTestCardSparkleAnimation = 28;
constexpr int32_t kTestCardSparkleStep = 40;  // ms of animation a frame

// The colour of a key cell for a latched state: grey up, green just pressed, blue turning cyan
// as it is held (2..126), red turning yellow for a release after a hold of -state.
constexpr uint32_t TestCardKeyColour(int32_t state) {
  if (state == 0) return 0x404040;
  if (state == 1) return 0x00FF00;
  if (state > 1) return 0x0000FF | static_cast<uint32_t>(state * 2) << 8;
  return 0xFF0000 | static_cast<uint32_t>(-state * 2) << 8;
}

// Gradient i (0..3) fills the rectangle at (left, top + i * pitch), in the gap between the two
// groups of logos, with mode kTestCardGradientModes[i], from kTestCardGradientFrom to
// kTestCardGradientTo.
constexpr int32_t kTestCardGradientModes[4] = {4, 8, 16, 32};
constexpr int32_t kTestCardGradientLeft = 192;
constexpr int32_t kTestCardGradientTop = 446;
constexpr int32_t kTestCardGradientPitch = 48;
constexpr int32_t kTestCardGradientWidth = 38;
constexpr int32_t kTestCardGradientHeight = 40;
constexpr uint32_t kTestCardGradientFrom = 0xFFE000;
constexpr uint32_t kTestCardGradientTo = 0x0040FF;

// One turn of cGame::sin1024 as dots in the strip above the cells: angle a (0..1023) at
// x = a * 480 / 1024, y = centre - sin1024(a) * amplitude / 65536 (truncated toward zero).
constexpr int32_t kTestCardSineCentre = 22;
constexpr int32_t kTestCardSineAmplitude = 18;
constexpr uint32_t kTestCardSineColour = 0x80FF80;

// The colour of line k of n of a gradient: each channel from the first colour's, in 16.16
// steps of (second - first) / n.
constexpr uint32_t TestCardGradientLine(int32_t k, int32_t n) {
  uint32_t colour = 0;
  for (int32_t shift : {16, 8, 0}) {
    const int32_t a = kTestCardGradientFrom >> shift & 0xFF,
                  b = kTestCardGradientTo >> shift & 0xFF;
    colour |= static_cast<uint32_t>(((a << 16) + k * (((b - a) << 16) / n)) >> 16) << shift;
  }
  return colour;
}
