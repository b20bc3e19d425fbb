// The game program end to end, headless: the game's test card in the screenshot, drawn on
// its game thread through its application class and canvas, replayed input that repeats
// exactly, every way of ending with nothing leaked (the sanitizer pass runs these too), the
// single instance per save root, and the refusals at start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/platform/program_process.h"
#include "tests/support/file_roots_fixture.h"
#include "tests/support/screenshot_file.h"
#include "tests/support/test_card_picture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kWidth = 480;
constexpr int kHeight = 800;

// The screenshot's pixels that differ from the test card showing the scene.
int32_t Mismatches(const std::vector<uint16_t>& pixels, const TestCardScene& scene) {
  if (pixels.size() != size_t{kWidth * kHeight}) return -1;
  return TestCardMismatches(scene, [&](int32_t x, int32_t y) { return pixels[y * kWidth + x]; });
}

class ProgramTest : public FileRootsTest {
 protected:
  // A program run over the built data set and this test's own save root (so runs of other
  // tests never meet this one's single-instance channel).
  std::vector<std::string> Args(std::vector<std::string> more, const fs::path& save = {}) {
    std::vector<std::string> args = {"--data", PLIMORA_DATA_PATH, "--save",
                                     (save.empty() ? save_ : save).string()};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  std::string Out(const char* name) { return (base_ / name).string(); }
  int Run(std::vector<std::string> more, const char* output = "out.txt") {
    ProgramProcess program(Args(std::move(more)), Out(output));
    const int code = program.wait();
    if (code != 0) ADD_FAILURE() << program.output();
    return code;
  }
  fs::path Script(const std::string& text) {
    const fs::path path = base_ / "input.txt";
    std::ofstream(path) << text;
    return path;
  }
};

TEST_F(ProgramTest, AHeadlessRunOfAHundredFramesShowsTheTestCard) {
  const fs::path shot = base_ / "out.png";
  ASSERT_EQ(Run({"--headless", "--frames", "100", "--screenshot", shot.string()}), 0);
  EXPECT_EQ(Mismatches(ReadScreenshot(shot), {}), 0);
}

// On the fixed clock a run with the same input repeats exactly; the input shows in the frame
// after the focus and the display came and went: the key that went down after frame 79, and
// the pointer where the stylus came down (its move is dropped: after the focus was lost, moves
// count again only after the next lift).
TEST_F(ProgramTest, ReplayedInputReachesTheGameAtItsFrameOnEveryRun) {
  const fs::path script = Script(
      "20 focus lost\n"
      "30 focus gained\n"
      "40 rotate 90\n"
      "50 rotate 0\n"
      "60 stylus down 240 100\n"
      "70 stylus move 300 120\n"
      "79 key down enter\n");
  std::string shots[2];
  for (int run = 0; run < 2; run++) {
    const fs::path shot = base_ / ("replay" + std::to_string(run) + ".png");
    ASSERT_EQ(Run({"--headless", "--fixed-clock", "--frames", "80", "--input", script.string(),
                   "--screenshot", shot.string()}),
              0);
    shots[run] = ProgramProcess::ReadFile(shot.string());
  }
  EXPECT_EQ(shots[0], shots[1]);
  TestCardScene scene;
  scene.keys[5] = 1;
  scene.pointerX = 240;
  scene.pointerY = 100;
  EXPECT_EQ(Mismatches(ReadScreenshot(base_ / "replay0.png"), scene), 0);
}

TEST_F(ProgramTest, EveryWayOfEndingExitsWithZero) {
  const struct {
    const char* how;
    std::string script;
    std::vector<std::string> more;
  } kCases[] = {
      {"the close button", "3 close\n", {}},
      {"the end of --frames (the application's destroyApp)", "", {"--frames", "5"}},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"--headless", "--fixed-clock", "--trace", Out("trace.txt")};
    if (!c.script.empty()) args.insert(args.end(), {"--input", Script(c.script).string()});
    args.insert(args.end(), c.more.begin(), c.more.end());
    EXPECT_EQ(Run(args), 0) << c.how;
    const std::string trace = ProgramProcess::ReadFile(Out("trace.txt"));
    EXPECT_NE(trace.find("Application::close"), std::string::npos) << c.how << "\n" << trace;
  }
}

TEST_F(ProgramTest, ATerminationSignalClosesTheGameLikeItsCloseButton) {
  ProgramProcess game(Args({"--headless", "--trace", Out("trace.txt")}), Out("out.txt"));
  ASSERT_TRUE(ProgramProcess::WaitForText(Out("trace.txt"), "Application::startApp"));
  game.terminate();
  EXPECT_EQ(game.wait(), 0) << game.output();
  EXPECT_NE(ProgramProcess::ReadFile(Out("trace.txt")).find("Application::close"),
            std::string::npos);
}

TEST_F(ProgramTest, ASecondStartOnTheSameSaveRootBringsTheFirstToTheFrontAndLeaves) {
  ProgramProcess first(Args({"--headless", "--trace", Out("first.txt")}), Out("first.out"));
  ASSERT_TRUE(ProgramProcess::WaitForText(Out("first.txt"), "Application::startApp"))
      << first.output();

  ProgramProcess second(Args({"--headless"}), Out("second.out"));
  EXPECT_EQ(second.wait(30s), 0);
  EXPECT_EQ(second.output().find("InitInstance"), std::string::npos) << "no window was made:\n"
                                                                     << second.output();
  EXPECT_TRUE(ProgramProcess::WaitForText(
      Out("first.txt"), "WinMain: a second start asked for the game window: brought to front"));

  ProgramProcess other(
      Args({"--headless", "--frames", "3", "--trace", Out("other.txt")}, base_ / "other-save"),
      Out("other.out"));
  EXPECT_EQ(other.wait(), 0);
  EXPECT_NE(ProgramProcess::ReadFile(Out("other.txt")).find("Application::startApp"),
            std::string::npos)
      << "another save root runs its own game";

  first.terminate();
  EXPECT_EQ(first.wait(), 0);
}

TEST_F(ProgramTest, BadOptionsAndAnUnreadableScriptAreRefusedBeforeAnythingStarts) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--frames", "none"},
                                               {"--bogus"},
                                               {"--input", (base_ / "missing.txt").string()}}) {
    ProgramProcess program(Args(args), Out("out.txt"));
    EXPECT_EQ(program.wait(), 2);
    EXPECT_NE(program.output().find("usage: plimora"), std::string::npos) << program.output();
  }
}

// Without the string-constant pool the runtime cannot start: the window side shuts down and
// the program ends with -1.
TEST_F(ProgramTest, AMissingDataSetEndsTheStartWithMinusOne) {
  ProgramProcess program({"--headless", "--data", data_.string(), "--save", save_.string()},
                         Out("out.txt"));
  EXPECT_EQ(program.wait(), 255) << program.output();
}

}  // namespace
