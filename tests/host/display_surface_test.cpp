// The display surface: presenting hands whole frames to the front buffer, showing happens
// once per new frame, the message screen replaces the frame, and its font draws any text.
#include "host/display_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "host/headless_window.h"
#include "host/message_font.h"
#include "host/text_service.h"

namespace {

using host::DisplaySurface;

constexpr uint16_t kRed = 0xF800;
constexpr uint16_t kGreen = 0x07E0;

std::unique_ptr<DisplaySurface> OpenMemorySurface() {
  static auto window = host::HeadlessWindow::create({"MarquentClass", nullptr}, "t");
  return window->openDisplay(host::DisplayPath::Renderer);
}

bool Uniform(const std::vector<uint16_t>& frame, uint16_t* colour) {
  *colour = frame[0];
  return std::all_of(frame.begin(), frame.end(), [&](uint16_t p) { return p == frame[0]; });
}

TEST(DisplaySurfaceTest, TheFrontBufferHoldsTheLastPresentedFrameOnly) {
  auto surface = OpenMemorySurface();
  std::vector<uint16_t> front(DisplaySurface::kPixels, 0xFFFF);
  EXPECT_EQ(surface->copyFrontBuffer(front.data()), 0u);
  EXPECT_EQ(front[0], 0);  // starts black

  uint16_t* back = surface->backBuffer();
  for (int i = 0; i < DisplaySurface::kPixels; i++) back[i] = static_cast<uint16_t>(i * 7);
  surface->present();
  std::fill_n(back, DisplaySurface::kPixels, kRed);  // painting the next frame
  EXPECT_EQ(surface->copyFrontBuffer(front.data()), 1u);
  for (int i = 0; i < DisplaySurface::kPixels; i += 997) ASSERT_EQ(front[i], uint16_t(i * 7)) << i;
  EXPECT_EQ(surface->backBuffer(), back);  // the address never moves
}

TEST(DisplaySurfaceTest, AFrameIsShownOncePerPresent) {
  auto surface = OpenMemorySurface();
  EXPECT_FALSE(surface->showPendingFrame());
  surface->present();
  EXPECT_TRUE(surface->showPendingFrame());
  EXPECT_FALSE(surface->showPendingFrame());
  surface->present();
  surface->present();
  EXPECT_TRUE(surface->showPendingFrame());
  EXPECT_FALSE(surface->showPendingFrame());
  EXPECT_EQ(surface->presentCount(), 3u);
}

// The game thread paints whole uniform frames of alternating colours and presents each; every
// frame the main thread takes meanwhile must be one whole frame.
TEST(DisplaySurfaceTest, FramesTakenWhilePaintingAreAlwaysWhole) {
  auto surface = OpenMemorySurface();
  std::atomic<bool> stop{false};
  std::thread painter([&] {
    for (int frame = 0; !stop.load(); frame++) {
      std::fill_n(surface->backBuffer(), DisplaySurface::kPixels, frame % 2 ? kGreen : kRed);
      surface->present();
    }
  });
  std::vector<uint16_t> taken(DisplaySurface::kPixels);
  int seen[2] = {0, 0};
  while (seen[0] < 50 || seen[1] < 50) {
    surface->showPendingFrame();
    if (surface->copyFrontBuffer(taken.data()) == 0) continue;
    uint16_t colour;
    ASSERT_TRUE(Uniform(taken, &colour));
    ASSERT_TRUE(colour == kRed || colour == kGreen) << colour;
    seen[colour == kGreen]++;
  }
  stop = true;
  painter.join();
}

int CountColour(const std::vector<uint16_t>& frame, int fromRow, int toRow, uint16_t colour) {
  return static_cast<int>(std::count(frame.begin() + fromRow * DisplaySurface::kWidth,
                                     frame.begin() + toRow * DisplaySurface::kWidth, colour));
}

TEST(DisplaySurfaceTest, TheMessageScreenIsRedTextOnBlackInTheLowerHalfUntilTheNextPresent) {
  auto surface = OpenMemorySurface();
  std::fill_n(surface->backBuffer(), DisplaySurface::kPixels, kGreen);
  surface->present();
  surface->showPendingFrame();

  surface->showMessageScreen(u"Please wait");
  EXPECT_EQ(surface->messageScreenText(), u"Please wait");
  EXPECT_FALSE(surface->showPendingFrame());  // already shown
  std::vector<uint16_t> front(DisplaySurface::kPixels);
  surface->copyFrontBuffer(front.data());
  const int half = DisplaySurface::kHeight / 2;
  EXPECT_EQ(CountColour(front, 0, half, 0), half * DisplaySurface::kWidth);
  int red = CountColour(front, half, DisplaySurface::kHeight, kRed);
  EXPECT_GT(red, 0);
  EXPECT_EQ(red + CountColour(front, half, DisplaySurface::kHeight, 0),
            half * DisplaySurface::kWidth);

  surface->present();
  EXPECT_EQ(surface->messageScreenText(), u"");
}

// A presenter that keeps the last frame it was given.
class RecordingPresenter final : public host::FramePresenter {
 public:
  explicit RecordingPresenter(std::vector<uint16_t>* shown) : shown_(shown) {}
  void upload(const uint16_t* frame, bool) override {
    shown_->assign(frame, frame + DisplaySurface::kPixels);
  }
  bool display() override { return true; }
  host::ScreenFormat screenFormat() const override { return {}; }

 private:
  std::vector<uint16_t>* shown_;
};

// The pixels of frame that are not background, each required to be colour and inside the box
// [left, right) x [top, bottom); their count, or -1 when one is elsewhere or another colour.
int OverlayPixels(const std::vector<uint16_t>& frame, uint16_t background, uint16_t colour,
                  int left, int top, int right, int bottom) {
  int count = 0;
  for (int i = 0; i < DisplaySurface::kPixels; i++) {
    if (frame[i] == background) continue;
    const int x = i % DisplaySurface::kWidth, y = i / DisplaySurface::kWidth;
    if (frame[i] != colour || x < left || x >= right || y < top || y >= bottom) return -1;
    count++;
  }
  return count;
}

// The box the overlay lettering gives a text: the system font's, or the built-in font's
// 6-pixel cells, 7 high, when the font file is missing.
struct LetteringBox {
  int width, height;
};
LetteringBox BoxOf(std::u16string_view text) {
  host::FontMetrics metrics;
  if (host::GetSystemFontMetrics(&metrics))
    return {static_cast<int>(host::MeasureText(text)), metrics.height};
  return {6 * static_cast<int>(text.size()), 7};
}

TEST(DisplaySurfaceTest, AnOverlayLiesOverCopiesAndShownFramesButNeverInTheFrame) {
  std::vector<uint16_t> shown;
  DisplaySurface surface(std::make_unique<RecordingPresenter>(&shown));
  std::fill_n(surface.backBuffer(), DisplaySurface::kPixels, kGreen);
  surface.present();
  surface.showPendingFrame();

  // Three dots from (75, 240): only glyph pixels change, all in the text's box.
  const LetteringBox dots = BoxOf(u". . .");
  surface.setOverlay(u". . .", kRed, 75, 240);
  std::vector<uint16_t> copy(DisplaySurface::kPixels);
  surface.copyFrontBuffer(copy.data());
  EXPECT_GT(OverlayPixels(copy, kGreen, kRed, 75, 240, 75 + dots.width, 240 + dots.height), 0);
  EXPECT_TRUE(surface.showPendingFrame());  // a new overlay is shown like a new frame
  EXPECT_EQ(shown, copy);

  // A new frame keeps the overlay; clearing it brings back the frame as it was painted.
  std::fill_n(surface.backBuffer(), DisplaySurface::kPixels, kRed);
  surface.present();
  // The box's bottom row is the frame's last, and the second dot lies past the right edge.
  const int top = DisplaySurface::kHeight - BoxOf(u". .").height;
  surface.setOverlay(u". .", kGreen, 476, top);
  surface.copyFrontBuffer(copy.data());
  EXPECT_GT(OverlayPixels(copy, kRed, kGreen, 476, top, 480, 800), 0);
  surface.clearOverlay();
  EXPECT_TRUE(surface.showPendingFrame());
  uint16_t colour;
  EXPECT_TRUE(Uniform(shown, &colour) && colour == kRed);
  surface.copyFrontBuffer(copy.data());
  EXPECT_EQ(copy, shown);
  surface.clearOverlay();
  EXPECT_FALSE(surface.showPendingFrame());  // nothing changed
}

std::vector<uint16_t> Draw(std::u16string_view text, int width = 480, int height = 100) {
  std::vector<uint16_t> pixels(width * height);
  host::DrawMessageText(pixels.data(), width, height, 10, text, 1);
  return pixels;
}

TEST(MessageFontTest, CaseIsFoldedAndMissingCharactersAreBlanks) {
  EXPECT_EQ(Draw(u"please wait"), Draw(u"PLEASE WAIT"));
  EXPECT_EQ(Draw(u"A\u00e9B"), Draw(u"A B"));
  EXPECT_NE(Draw(u"AB"), Draw(u"A B"));
}

int Lit(const std::vector<uint16_t>& pixels) {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), 1));
}

TEST(MessageFontTest, LinesAreCentredAndShrinkToFit) {
  // At scale 3 one glyph is 15 pixels wide, starting at (480 - 15) / 2 = 232; the 'I' lights
  // its columns 1 to 3.
  std::vector<uint16_t> one = Draw(u"I");
  int first = 480, last = -1;
  for (int i = 0; i < static_cast<int>(one.size()); i++) {
    if (one[i]) first = std::min(first, i % 480), last = std::max(last, i % 480);
  }
  EXPECT_EQ(first, 232 + 1 * 3);
  EXPECT_EQ(last, 232 + 4 * 3 - 1);

  // Eighty characters fit only at scale 1 on 480 pixels: seven rows, nothing spilled below.
  std::vector<uint16_t> wide = Draw(std::u16string(80, u'W'));
  EXPECT_GT(Lit(wide), 0);
  EXPECT_EQ(std::count(wide.begin() + 17 * 480, wide.end(), 1), 0);

  EXPECT_EQ(Lit(Draw(u"A\nA")), 2 * Lit(Draw(u"A")));
}

}  // namespace
