// The game program from the boot to the level chooser on the fixed clock with tests/e2e/
// boot_to_chooser.input: six screenshots, one of each screen on the way (the logo on white, the
// sound question's box and buttons, the loading bar, the title as its picture, the main menu's
// list, the chooser's field, panel and highlight), the state changes in the trace in order, the
// same chooser on a second run, and the same script in a real window under a virtual X server;
// then the third level chosen there, loaded under its hint and played.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "javame/graphics.h"
#include "tests/platform/program_process.h"
#include "tests/support/boot_screen.h"
#include "tests/support/file_roots_fixture.h"
#include "tests/support/screenshot_file.h"
#include "tools/databuild/ui_sprites.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kW = 480, kH = 800;
constexpr int kLogoFrame = 50, kQuestionFrame = 125, kLoadingFrame = 152, kTitleFrame = 260;
constexpr int kMenuFrame = 310, kChooserFrame = 420;
constexpr int kChosenFrame = 448, kHintFrame = 690, kPlayFrame = 760;
constexpr int32_t kPromptTop = 520;  // the title's blinking prompt and footer lie below
constexpr int32_t kMenuRows = 6, kFirstRowY = 300, kRowPitch = 70;

uint16_t Rgb565(uint32_t rgb) {
  return javax_microedition_lcdui_Graphics::Rgb888ToRgb565(static_cast<int32_t>(rgb));
}

// The builder's title picture as RGB565, as the screen shows it.
std::vector<uint16_t> TitlePicture() {
  const std::vector<uint8_t> png = databuild::TitlePng();
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  std::vector<uint16_t> pixels(rgb.size() / 3);
  for (size_t i = 0; i < pixels.size(); i++) {
    pixels[i] = Rgb565(rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2]);
  }
  return pixels;
}

class BootToChooserTest : public FileRootsTest {
 protected:
  std::vector<std::string> Args(int frames, const fs::path& shot, const fs::path& trace,
                                const std::string& save) {
    return {"--fixed-clock",
            "--save",
            (base_ / save).string(),
            "--data",
            PLIMORA_DATA_PATH,
            "--input",
            PLIMORA_E2E_DIR "/boot_to_chooser.input",
            "--frames",
            std::to_string(frames),
            "--screenshot",
            shot.string(),
            "--trace",
            trace.string()};
  }
  // The script run headless for `frames` frames, each run on a fresh save root; its
  // screenshot's pixels, and its trace and PNG file when asked.
  std::vector<uint16_t> Run(int frames, std::string* trace = nullptr, std::string* png = nullptr) {
    const std::string tag = std::to_string(frames) + "-" + std::to_string(runs_++);
    const fs::path shot = base_ / ("shot" + tag + ".png");
    const fs::path traceFile = base_ / ("trace" + tag + ".txt");
    std::vector<std::string> args = Args(frames, shot, traceFile, "save" + tag);
    args.insert(args.begin(), "--headless");
    ProgramProcess game(args, (base_ / "out.txt").string());
    EXPECT_EQ(game.wait(), 0) << game.output();
    if (trace) *trace = ProgramProcess::ReadFile(traceFile.string());
    if (png) *png = ProgramProcess::ReadFile(shot.string());
    return ReadScreenshot(shot);
  }
  static int32_t Count(const std::vector<uint16_t>& p, uint32_t rgb, int32_t x0 = 0, int32_t y0 = 0,
                       int32_t x1 = kW, int32_t y1 = kH) {
    int32_t n = 0;
    for (int32_t y = y0; y < y1; y++) {
      for (int32_t x = x0; x < x1; x++) n += p[y * kW + x] == Rgb565(rgb);
    }
    return n;
  }
  static PixelBox BoxOf(const std::vector<uint16_t>& p, uint32_t rgb) {
    PixelBox box{kW, kH, -1, -1};
    for (int32_t y = 0; y < kH; y++) {
      for (int32_t x = 0; x < kW; x++) {
        if (p[y * kW + x] != Rgb565(rgb)) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
               std::max(box.bottom, y)};
      }
    }
    return box;
  }
  // Pixels of the band that are light (every channel high) or yellow (red and green high,
  // blue low): the list's entries and its highlighted one.
  static std::pair<int32_t, int32_t> LightAndYellow(const std::vector<uint16_t>& p, int32_t y0,
                                                    int32_t y1) {
    int32_t light = 0, yellow = 0;
    for (int32_t y = y0; y < y1; y++) {
      for (int32_t x = 150; x < 330; x++) {
        const uint16_t v = p[y * kW + x];
        const int32_t r = (v >> 11) << 3, g = ((v >> 5) & 63) << 2, b = (v & 31) << 3;
        light += r > 200 && g > 200 && b > 200;
        yellow += r > 200 && g > 150 && b < 100;
      }
    }
    return {light, yellow};
  }
  int runs_ = 0;
};

TEST_F(BootToChooserTest, EveryScreenOnTheWayShowsAndTheChooserIsTheSameOnEveryRun) {
  const std::vector<uint16_t> logo = Run(kLogoFrame);
  ASSERT_EQ(logo.size(), size_t{kW * kH});
  EXPECT_EQ(NonWhiteBox([&](int32_t x, int32_t y) { return logo[y * kW + x]; }), CentredLogoBox());

  // The question: a black box across the middle with two buttons in it.
  const std::vector<uint16_t> question = Run(kQuestionFrame);
  ASSERT_EQ(question.size(), size_t{kW * kH});
  EXPECT_GT(Count(question, 0x000000, 40, 280, 440, 520), 400 * 100);
  for (const int32_t buttonY : {412, 470}) {
    SCOPED_TRACE(buttonY);
    EXPECT_EQ(Count(question, 0x000000, 100, buttonY - 10, 380, buttonY + 10), 0)
        << "a button covers the black here";
  }

  EXPECT_GT(Count(Run(kLoadingFrame), 0xCDE000), 0);

  const std::vector<uint16_t> title = Run(kTitleFrame);
  const std::vector<uint16_t> picture = TitlePicture();
  ASSERT_EQ(title.size(), size_t{kW * kH});
  ASSERT_EQ(picture.size(), title.size());
  int32_t differ = 0;
  for (int32_t i = 0; i < kW * kPromptTop; i++) differ += title[i] != picture[i];
  EXPECT_EQ(differ, 0) << "above the prompt the title is its picture";

  // The menu: six entries one under the other, the first highlighted in yellow, nothing
  // between the rows.
  const std::vector<uint16_t> menu = Run(kMenuFrame);
  ASSERT_EQ(menu.size(), size_t{kW * kH});
  for (int32_t row = 0; row < kMenuRows; row++) {
    SCOPED_TRACE(row);
    const int32_t y = kFirstRowY + row * kRowPitch;
    const auto [light, yellow] = LightAndYellow(menu, y - 15, y + 15);
    EXPECT_GT(row == 0 ? yellow : light, 100);
    EXPECT_EQ(row == 0 ? light : yellow, 0);
    EXPECT_EQ(LightAndYellow(menu, y + 25, y + 45), std::make_pair(0, 0));
  }

  // The chooser: black round the blue panel, the highlight behind number 1 of the first row.
  std::string trace, png;
  const std::vector<uint16_t> chooser = Run(kChooserFrame, &trace, &png);
  ASSERT_EQ(chooser.size(), size_t{kW * kH});
  EXPECT_EQ(chooser[2 * kW + 2], Rgb565(0x000000));
  EXPECT_GT(Count(chooser, 0x0000FF, 25, 61, 455, 679), 300 * 400);
  // Number 1 of the first row is drawn from x 133 about the row's centre, y 106.
  const PixelBox highlight = BoxOf(chooser, 0x222222);
  EXPECT_NEAR((highlight.left + highlight.right) / 2, 139, 3);
  EXPECT_NEAR((highlight.top + highlight.bottom) / 2, 106, 3);
  EXPECT_LT(highlight.right - highlight.left, 24) << "one number wide";

  size_t at = 0;
  for (const char* change : {"state 1 -> 2", "state 2 -> 3", "state 3 -> 4 (load kind 0)",
                             "state 4 -> 5", "state 5 -> 6", "state 6 -> 8"}) {
    const size_t found = trace.find(change, at);
    ASSERT_NE(found, std::string::npos) << change << " after offset " << at << " in\n" << trace;
    at = found;
  }

  std::string again;
  Run(kChooserFrame, nullptr, &again);
  EXPECT_EQ(png, again);
}

// The script goes on from the chooser: right twice lights number 3 of the first row, fire loads
// that level under its hint, which waits for fire before the level plays.
TEST_F(BootToChooserTest, TheThirdLevelIsChosenLoadedUnderItsHintAndPlayed) {
  const PixelBox highlight = BoxOf(Run(kChosenFrame), 0x222222);
  EXPECT_NEAR((highlight.left + highlight.right) / 2, 139 + 2 * 22, 3) << "number 3";
  EXPECT_NEAR((highlight.top + highlight.bottom) / 2, 106, 3);

  std::string waiting, played;
  Run(kHintFrame, &waiting);
  const size_t asked = waiting.find("state 8 -> 4 (load kind 2)");
  ASSERT_NE(asked, std::string::npos) << waiting;
  EXPECT_EQ(waiting.find("state 4 -> ", asked), std::string::npos) << "the hint waits";
  Run(kPlayFrame, &played);
  const size_t loaded = played.find("state 8 -> 4 (load kind 2)");
  ASSERT_NE(loaded, std::string::npos) << played;
  EXPECT_NE(played.find("state 4 -> 17", loaded), std::string::npos) << played;
}

// The same script in a real window: SDL's X11 driver under tests/host/run_under_xvfb.sh reaches
// the chooser as the headless run does.
TEST_F(BootToChooserTest, UnderXvfbTheScriptReachesTheChooser) {
  ProgramLaunch underXvfb;
  underXvfb.set = {"PLIMORA_XVFB_KEEP=" + (base_ / "kept.xwd").string()};
  underXvfb.unset = {"SDL_VIDEODRIVER", "SDL_AUDIODRIVER"};
  const fs::path trace = base_ / "trace.txt";
  std::vector<std::string> args = Args(kChooserFrame, base_ / "shot.png", trace, "save");
  args.insert(args.begin(), PLIMORA_PROGRAM_PATH);
  ProgramProcess program(PLIMORA_XVFB_SCRIPT, args, (base_ / "out.txt").string(), underXvfb);
  const int code = program.wait();
  if (code == 77) GTEST_SKIP() << "Xvfb is not installed";
  ASSERT_EQ(code, 0) << program.output();
  EXPECT_NE(ProgramProcess::ReadFile(trace.string()).find("state 6 -> 8"), std::string::npos)
      << ProgramProcess::ReadFile(trace.string());
}

}  // namespace
