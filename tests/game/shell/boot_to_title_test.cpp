// The game program from the boot to the title on the fixed clock with tests/e2e/
// boot_to_title.input: the logo centred on white for at least 4000 ms, the sound question over
// the title background, the loading bar filling in 0xCDE000, the title with its blinking
// prompt; the state changes in the trace in their order, and the same screenshots on a second
// run.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "javame/graphics.h"
#include "tests/platform/program_process.h"
#include "tests/support/boot_screen.h"
#include "tests/support/file_roots_fixture.h"
#include "tests/support/screenshot_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kW = 480, kH = 800;
// State 2 starts at frame 2; frame 103 is its hundred-and-second, 4080 ms on the fixed clock.
constexpr int kLogoFrames[] = {50, 103};
constexpr int kQuestionFrame = 125, kLoadingFrames[] = {152, 162}, kTitleFrame = 260;
constexpr int kBlinkGap = 13;  // frames: 520 ms, so of two frames this far apart one blinks on

class BootToTitleTest : public FileRootsTest {
 protected:
  // The script run for `frames` frames; its screenshot's pixels.
  std::vector<uint16_t> Run(int frames, const std::string& tag = "", std::string* trace = nullptr) {
    const fs::path shot = base_ / ("shot" + std::to_string(frames) + tag + ".png");
    const fs::path traceFile = base_ / ("trace" + std::to_string(frames) + tag + ".txt");
    ProgramProcess game(PLIMORA_PROGRAM_PATH,
                        {"--headless", "--fixed-clock", "--save", (base_ / ("save" + tag)).string(),
                         "--data", PLIMORA_DATA_PATH, "--input",
                         PLIMORA_E2E_DIR "/boot_to_title.input", "--frames",
                         std::to_string(frames), "--screenshot", shot.string(), "--trace",
                         traceFile.string()},
                        (base_ / "out.txt").string());
    EXPECT_EQ(game.wait(), 0) << game.output();
    if (trace) *trace = ProgramProcess::ReadFile(traceFile.string());
    if (!tag.empty()) shots_[tag] = ProgramProcess::ReadFile(shot.string());
    return ReadScreenshot(shot);
  }
  static int32_t Count(const std::vector<uint16_t>& p, uint32_t rgb) {
    const uint16_t c = javax_microedition_lcdui_Graphics::Rgb888ToRgb565(rgb);
    int32_t n = 0;
    for (const uint16_t v : p) n += v == c;
    return n;
  }
  std::map<std::string, std::string> shots_;
};

TEST_F(BootToTitleTest, TheBootShowsLogoQuestionBarAndTitleInOrderTheSameOnEveryRun) {
  for (const int frames : kLogoFrames) {
    SCOPED_TRACE(frames);
    const std::vector<uint16_t> logo = Run(frames);
    ASSERT_EQ(logo.size(), size_t{kW * kH});
    EXPECT_EQ(NonWhiteBox([&](int32_t x, int32_t y) { return logo[y * kW + x]; }),
              CentredLogoBox());
  }

  std::string trace;
  const std::vector<uint16_t> title = Run(kTitleFrame, "a", &trace);
  const std::vector<uint16_t> question = Run(kQuestionFrame);
  ASSERT_EQ(title.size(), size_t{kW * kH});
  ASSERT_EQ(question.size(), title.size());
  // The question's box (30..449 by its height about 400) over the title background: outside
  // the box the two screens are the same picture, inside it they differ.
  int32_t outsideDiffer = 0, insideDiffer = 0;
  for (int32_t y = 0; y < kH; y++) {
    for (int32_t x = 0; x < kW; x++) {
      const bool differ = question[y * kW + x] != title[y * kW + x];
      const bool inBox = x >= 30 && x < 450 && y >= 250 && y < 550;
      const bool inPrompt = y >= 520;  // the title's prompt and footer
      if (inBox) insideDiffer += differ;
      if (!inBox && !inPrompt) outsideDiffer += differ;
    }
  }
  EXPECT_EQ(outsideDiffer, 0);
  EXPECT_GT(insideDiffer, 420 * 100);

  // The bar fills in 0xCDE000, further on the later frame.
  const int32_t early = Count(Run(kLoadingFrames[0]), 0xCDE000);
  const int32_t late = Count(Run(kLoadingFrames[1]), 0xCDE000);
  EXPECT_GT(early, 0);
  EXPECT_GT(late, early);

  // Of two title frames 520 ms apart exactly one shows the prompt: they differ, only below the
  // middle of the screen.
  const std::vector<uint16_t> later = Run(kTitleFrame + kBlinkGap);
  int32_t blinkDiffer = 0, blinkAbove = 0;
  for (int32_t i = 0; i < kW * kH; i++) {
    if (later[i] == title[i]) continue;
    blinkDiffer++;
    blinkAbove += i / kW < kH / 2;
  }
  EXPECT_GT(blinkDiffer, 0);
  EXPECT_EQ(blinkAbove, 0);

  size_t at = 0;
  for (const char* change :
       {"state 1 -> 2", "state 2 -> 3", "state 3 -> 4 (load kind 0)", "state 4 -> 5"}) {
    const size_t found = trace.find(change, at);
    ASSERT_NE(found, std::string::npos) << change << " after offset " << at << " in\n" << trace;
    at = found;
  }

  Run(kTitleFrame, "b");
  EXPECT_EQ(shots_["a"], shots_["b"]);
}

}  // namespace
