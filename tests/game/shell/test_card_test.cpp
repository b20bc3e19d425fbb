// The game program on the fixed clock with tests/e2e/keys.input: the test card of frame 60
// shows each replayed key in its state, the tap's cross and the pointer's square, over the
// black band of the control bar; a second run and a run on a real window under a virtual X
// server (skipped without one) give the same PNG, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/platform/program_process.h"
#include "tests/support/screenshot_file.h"
#include "tests/support/started_runtime_fixture.h"
#include "tests/support/test_card_picture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSkipped = 77;  // the virtual X server's script: Xvfb is not installed

// A started runtime of the test's own composes the test card's picture.
class TestCardProgramTest : public StartedRuntimeTest {
 protected:
  // The keys script run for 60 frames; its exit code.
  int Run(const std::string& program, std::vector<std::string> args, const fs::path& shot) {
    args.insert(args.end(), {"--fixed-clock", "--frames", "60", "--input",
                             PLIMORA_E2E_DIR "/keys.input", "--screenshot", shot.string(), "--data",
                             PLIMORA_DATA_PATH, "--save", save_.string()});
    ProgramProcess game(program, args, (base_ / "out.txt").string());
    const int code = game.wait();
    if (code != 0 && code != kSkipped) ADD_FAILURE() << game.output();
    return code;
  }
};

// Frame 60 of the script, worked out from its comments.
TestCardScene KeysAtFrameSixty() {
  TestCardScene scene;
  scene.keys[5] = 50;   // held since pass 11
  scene.keys[2] = -40;  // let go after a count of 40
  scene.keys[13] = 20;  // held since pass 41
  scene.keys[17] = 2;   // held since pass 59
  scene.keys[1] = 1;    // down after pass 59
  scene.keys[0] = -1;   // down and up between two latches
  // keys 4 (pressed at 30) and 18 (the soft key held since 55) read up again.
  scene.tapX = 240;
  scene.tapY = 560;
  scene.pointerX = 100;
  scene.pointerY = 600;
  return scene;
}

TEST_F(TestCardProgramTest, TheKeysScriptShowsItsStatesAtFrameSixtyTheSameOnEveryRun) {
  const fs::path first = base_ / "first.png", second = base_ / "second.png";
  ASSERT_EQ(Run(PLIMORA_PROGRAM_PATH, {"--headless"}, first), 0);
  ASSERT_EQ(Run(PLIMORA_PROGRAM_PATH, {"--headless"}, second), 0);
  const std::vector<uint16_t> pixels = ReadScreenshot(first);
  ASSERT_EQ(pixels.size(), size_t{480 * 800});
  std::string where;
  EXPECT_EQ(
      TestCardMismatches(
          KeysAtFrameSixty(), [&](int32_t x, int32_t y) { return pixels[y * 480 + x]; }, &where),
      0)
      << "first at " << where;
  EXPECT_EQ(ProgramProcess::ReadFile(first.string()), ProgramProcess::ReadFile(second.string()));

  const fs::path windowed = base_ / "windowed.png";
  const int code = Run(PLIMORA_XVFB_SCRIPT, {PLIMORA_PROGRAM_PATH}, windowed);
  if (code == kSkipped) GTEST_SKIP() << "Xvfb is not installed";
  ASSERT_EQ(code, 0);
  EXPECT_EQ(ProgramProcess::ReadFile(windowed.string()), ProgramProcess::ReadFile(first.string()))
      << "the real window's run painted another frame 60";
}

// Twelve frames without input: the fade has ended, the sparkle has gone round once (12 steps
// of 40 ms over 6 frames of 80 ms), the texts stand where the builder's fonts put them. At
// frame 2 the fade is still under way.
TEST_F(TestCardProgramTest, TheCardsTextsSparkleAndFadeShowAsTheBuildersFontsDrawThem) {
  auto run = [&](int frames, const fs::path& shot) {
    ProgramProcess game(
        PLIMORA_PROGRAM_PATH,
        {"--headless", "--fixed-clock", "--frames", std::to_string(frames), "--screenshot",
         shot.string(), "--data", PLIMORA_DATA_PATH, "--save", save_.string()},
        (base_ / "out.txt").string());
    EXPECT_EQ(game.wait(), 0) << game.output();
    return ReadScreenshot(shot);
  };
  const std::vector<uint16_t> twelve = run(12, base_ / "twelve.png");
  ASSERT_EQ(twelve.size(), size_t{480 * 800});
  TestCardScene scene;
  scene.sparkleFrame = 0;
  std::string where;
  EXPECT_EQ(TestCardMismatches(
                scene, [&](int32_t x, int32_t y) { return twelve[y * 480 + x]; }, &where),
            0)
      << "first at " << where;

  const std::vector<uint16_t> two = run(2, base_ / "two.png");
  ASSERT_EQ(two.size(), size_t{480 * 800});
  int32_t bar = 0;
  while (bar < 480 && two[bar] == 0xFFFF) bar++;
  EXPECT_GT(bar, 0);
  EXPECT_LT(bar, 480);
}

}  // namespace
