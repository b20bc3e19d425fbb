// The game program through its menus on the fixed clock with tests/e2e/menus.input: the
// options toggled (effects, music, level stories), back to the main menu, quitting declined and
// then accepted, which ends the run before its frame count with exit 0; the states in order in
// the trace, and the menu and options screenshots byte-identical on a second run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "javame/graphics.h"
#include "tests/platform/program_process.h"
#include "tests/support/file_roots_fixture.h"
#include "tests/support/screenshot_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kW = 480, kH = 800;
constexpr const char* kScript = PLIMORA_E2E_DIR "/menus.input";
// Options before and after the toggles, the quit question, the main menu after "No".
constexpr int kOptionsBefore = 395, kOptionsAfter = 470, kQuitAsked = 545, kDeclined = 580;
constexpr int32_t kSettingRowsTop = 270, kSettingRowsBottom = 470;  // the first three rows

// The frame count the script's first line gives ("# frames N").
int ScriptFrames() {
  std::ifstream in(kScript);
  std::string hash, word;
  int frames = 0;
  in >> hash >> word >> frames;
  return hash == "#" && word == "frames" ? frames : 0;
}

class MenusTest : public FileRootsTest {
 protected:
  // The script run for `frames` frames on a fresh save root: its screenshot's pixels, and its
  // trace and PNG file when asked.
  std::vector<uint16_t> Run(int frames, std::string* trace = nullptr, std::string* png = nullptr) {
    const std::string tag = std::to_string(frames) + "-" + std::to_string(runs_++);
    const fs::path shot = base_ / ("shot" + tag + ".png");
    const fs::path traceFile = base_ / ("trace" + tag + ".txt");
    ProgramProcess game({"--headless", "--fixed-clock", "--save", (base_ / ("save" + tag)).string(),
                         "--data", PLIMORA_DATA_PATH, "--input", kScript, "--frames",
                         std::to_string(frames), "--screenshot", shot.string(), "--trace",
                         traceFile.string()},
                        (base_ / "out.txt").string());
    EXPECT_EQ(game.wait(), 0) << game.output();
    if (trace) *trace = ProgramProcess::ReadFile(traceFile.string());
    if (png) *png = ProgramProcess::ReadFile(shot.string());
    return ReadScreenshot(shot);
  }
  static int32_t BlackIn(const std::vector<uint16_t>& p, int32_t x0, int32_t y0, int32_t x1,
                         int32_t y1) {
    int32_t n = 0;
    for (int32_t y = y0; y < y1; y++) {
      for (int32_t x = x0; x < x1; x++) n += p[y * kW + x] == 0;
    }
    return n;
  }
  int runs_ = 0;
};

TEST_F(MenusTest, TheOptionsToggleAndTheSecondAskToQuitEndsTheGame) {
  const int frames = ScriptFrames();
  ASSERT_GT(frames, kDeclined);

  // The toggles change the first three rows (their words and the highlight) and nothing else.
  std::string optionsPng;
  const std::vector<uint16_t> before = Run(kOptionsBefore);
  const std::vector<uint16_t> after = Run(kOptionsAfter, nullptr, &optionsPng);
  ASSERT_EQ(before.size(), size_t{kW * kH});
  ASSERT_EQ(after.size(), before.size());
  int32_t inRows = 0, elsewhere = 0;
  for (int32_t i = 0; i < kW * kH; i++) {
    if (before[i] == after[i]) continue;
    const int32_t y = i / kW;
    (y >= kSettingRowsTop && y < kSettingRowsBottom ? inRows : elsewhere)++;
  }
  EXPECT_GT(inRows, 0);
  EXPECT_EQ(elsewhere, 0);

  // The quit question's black box is up, then gone after "No".
  EXPECT_GT(BlackIn(Run(kQuitAsked), 40, 280, 440, 520), 400 * 100);
  std::string menuPng;
  EXPECT_EQ(BlackIn(Run(kDeclined, nullptr, &menuPng), 40, 280, 440, 520), 0);

  // "Yes" ends the run by itself, before the script's frame count.
  std::string trace;
  Run(frames, &trace);
  size_t at = 0;
  for (const char* change : {"state 1 -> 2", "state 2 -> 3", "state 3 -> 4 (load kind 0)",
                             "state 4 -> 5", "state 5 -> 6", "state 6 -> 10", "state 10 -> 6"}) {
    const size_t found = trace.find(change, at);
    ASSERT_NE(found, std::string::npos) << change << " after offset " << at << " in\n" << trace;
    at = found;
  }
  EXPECT_EQ(trace.find("state ", at + 1), std::string::npos) << "no screen after the main menu";
  const size_t written = trace.find(": frame ");
  ASSERT_NE(written, std::string::npos) << trace;
  EXPECT_LT(std::stoi(trace.substr(written + 8)), frames) << "the game ended before its frames";

  std::string again;
  Run(kOptionsAfter, nullptr, &again);
  EXPECT_EQ(again, optionsPng);
  Run(kDeclined, nullptr, &again);
  EXPECT_EQ(again, menuPng);
}

}  // namespace
