// The game program end to end, headless: the boot's logo in the screenshot, drawn on its
// game thread through its application class and canvas, replayed input that repeats
// exactly, every way of ending with nothing leaked (the sanitizer pass runs these too), the
// single instance per save root, and the refusals at start-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "host/message_font.h"
#include "host/user_language.h"
#include "javame/graphics.h"
#include "platform/startup_messages.h"
#include "tests/platform/program_process.h"
#include "tests/support/boot_screen.h"
#include "tests/support/screenshot_file.h"
#include "tests/support/started_runtime_fixture.h"
#include "tests/support/xwd_screen.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kWidth = 480;
constexpr int kHeight = 800;

// The box of a screenshot's pixels that are not white; empty for a picture of another size.
PixelBox InkOf(const std::vector<uint16_t>& pixels) {
  if (pixels.size() != size_t{kWidth * kHeight}) return {};
  return NonWhiteBox([&](int32_t x, int32_t y) { return pixels[y * kWidth + x]; });
}

// A started runtime of the test's own, for the start-up messages.
class ProgramTest : public StartedRuntimeTest {
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

// Fifty frames on the fixed clock: state 2's logo, centred on white, and nothing else.
TEST_F(ProgramTest, AHeadlessRunOfFiftyFramesShowsTheLogoCentredOnWhite) {
  const fs::path shot = base_ / "out.png";
  ASSERT_EQ(Run({"--headless", "--fixed-clock", "--frames", "50", "--screenshot", shot.string()}),
            0);
  EXPECT_EQ(InkOf(ReadScreenshot(shot)), CentredLogoBox());
}

// A display turned at frame 10 for good: the orientation guard's message screen, black with
// the message in red from the middle down, centred, exactly as the system font renders it.
TEST_F(ProgramTest, ATurnedDisplayShowsThePleaseWaitScreenInTheSystemFont) {
  const fs::path shot = base_ / "out.png";
  ASSERT_EQ(Run({"--headless", "--fixed-clock", "--frames", "60", "--input",
                 std::string(PLIMORA_SOURCE_DIR) + "/tests/e2e/rotate.input", "--screenshot",
                 shot.string()}),
            0);
  const std::vector<uint16_t> pixels = ReadScreenshot(shot);
  ASSERT_EQ(pixels.size(), size_t{kWidth * kHeight});
  int left = kWidth, right = -1, top = kHeight;
  for (int y = 0; y < kHeight; y++) {
    for (int x = 0; x < kWidth; x++) {
      const uint16_t p = pixels[y * kWidth + x];
      ASSERT_TRUE(p == 0x0000 || p == 0xF800) << x << "," << y;
      if (p == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
    }
  }
  ASSERT_GE(right, 0) << "red ink shows";
  EXPECT_GE(top, kHeight / 2);
  EXPECT_NEAR((left + right + 1) / 2.0, kWidth / 2.0, 2.0);
  selectStartupMessages(host::UserLanguageId());
  std::vector<uint16_t> expected(kWidth * kHeight, 0);
  host::DrawMessageScreenText(expected.data(), kWidth, kHeight, kHeight / 2,
                              getStartupMessage(kPleaseWaitMessage), 0xF800);
  EXPECT_EQ(pixels, expected);
}

// On the fixed clock a run with the same input repeats exactly; the input reaches the game
// after the focus and the display came and went: the key that went down after frame 129 moves
// the sound question's choice, so frame 135 differs from a run without it only there, inside
// the popup's two buttons.
TEST_F(ProgramTest, ReplayedInputReachesTheGameAtItsFrameOnEveryRun) {
  const std::string events =
      "20 focus lost\n"
      "30 focus gained\n"
      "40 rotate 90\n"
      "50 rotate 0\n"
      "60 stylus down 240 100\n"
      "70 stylus move 300 120\n"
      "71 stylus up 300 120\n";
  auto run = [&](const std::string& name, const std::string& text) {
    const fs::path script = base_ / (name + ".txt"), shot = base_ / (name + ".png");
    std::ofstream(script) << text;
    EXPECT_EQ(Run({"--headless", "--fixed-clock", "--frames", "135", "--input", script.string(),
                   "--screenshot", shot.string()}),
              0);
    return shot;
  };
  const fs::path first = run("first", events + "129 key press up\n");
  const fs::path second = run("second", events + "129 key press up\n");
  const fs::path without = run("without", events);
  EXPECT_EQ(ProgramProcess::ReadFile(first.string()), ProgramProcess::ReadFile(second.string()));
  const std::vector<uint16_t> moved = ReadScreenshot(first), still = ReadScreenshot(without);
  ASSERT_EQ(moved.size(), size_t{kWidth * kHeight});
  ASSERT_EQ(still.size(), moved.size());
  PixelBox changed{kWidth, kHeight, -1, -1};
  for (int32_t y = 0; y < kHeight; y++) {
    for (int32_t x = 0; x < kWidth; x++) {
      if (moved[y * kWidth + x] == still[y * kWidth + x]) continue;
      changed = {std::min(changed.left, x), std::min(changed.top, y), std::max(changed.right, x),
                 std::max(changed.bottom, y)};
    }
  }
  ASSERT_GE(changed.right, 0) << "the key moved the choice";
  // The buttons: 300 x 48 about x 240, the first above the second, within the box 30..449.
  EXPECT_GE(changed.left, 90);
  EXPECT_LE(changed.right, 389);
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

// A script that is not a regular file (a device that never ends, a folder) or is too long is
// refused before a byte is read, with the file named.
TEST_F(ProgramTest, BadOptionsAndAnUnreadableScriptAreRefusedBeforeAnythingStarts) {
  {
    std::string text;
    text.resize(5 * 1024 * 1024, '#');
    std::ofstream(base_ / "long.txt") << text;
  }
  const struct {
    std::vector<std::string> args;
    std::string line;
  } kCases[] = {
      {{"--frames", "none"}, "plimora: --frames takes a whole number from 1"},
      {{"--bogus"}, "plimora: unknown option --bogus"},
      {{"--input", Out("missing.txt")},
       "plimora: cannot read the input script " + Out("missing.txt") + ": no such file"},
      {{"--input", "/dev/zero"},
       "plimora: cannot read the input script /dev/zero: not a regular file"},
      {{"--input", base_.string()},
       "plimora: cannot read the input script " + base_.string() + ": not a regular file"},
      {{"--input", Out("long.txt")},
       "plimora: cannot read the input script " + Out("long.txt") + ": longer than 4 MB"},
  };
  for (const auto& c : kCases) {
    ProgramProcess program(Args(c.args), Out("out.txt"));
    EXPECT_EQ(program.wait(30s), 2) << c.line;
    EXPECT_NE(program.output().find(c.line + "\nusage: plimora"), std::string::npos)
        << program.output();
  }
}

TEST_F(ProgramTest, HelpPrintsTheUsageAndEnds) {
  ProgramProcess program({"--help"}, Out("out.txt"));
  EXPECT_EQ(program.wait(30s), 0);
  EXPECT_EQ(program.output().rfind("usage: plimora [--headless]", 0), 0u) << program.output();
}

// A socket path holds at most 107 bytes; a save root far longer is still one game's alone.
TEST_F(ProgramTest, ALongSaveRootAllowsOneGameOnly) {
  const fs::path root = base_ / std::string(80, 's') / std::string(80, 't');
  ProgramProcess first(Args({"--headless", "--trace", Out("first.txt")}, root), Out("first.out"));
  ASSERT_TRUE(ProgramProcess::WaitForText(Out("first.txt"), "Application::startApp"))
      << first.output();
  EXPECT_TRUE(fs::is_directory(root));
  ProgramProcess second(Args({"--headless"}, root), Out("second.out"));
  EXPECT_EQ(second.wait(30s), 0);
  EXPECT_EQ(second.output().find("InitInstance"), std::string::npos) << second.output();
  EXPECT_TRUE(ProgramProcess::WaitForText(
      Out("first.txt"), "WinMain: a second start asked for the game window: brought to front"));
  first.terminate();
  EXPECT_EQ(first.wait(), 0);
}

// Nothing starts on a save root that cannot be made; the player is told why.
TEST_F(ProgramTest, ASaveRootThatIsAFileEndsTheStartWithTheReason) {
  std::ofstream(base_ / "f") << "a file";
  ProgramProcess program(Args({"--headless", "--frames", "3"}, base_ / "f"), Out("out.txt"));
  EXPECT_EQ(program.wait(), 255);
  EXPECT_NE(program.output().find("plimora: no save folder: cannot make the folder \"" +
                                  (base_ / "f").string() + "\": Not a directory"),
            std::string::npos)
      << program.output();
  EXPECT_EQ(program.output().find("InitInstance"), std::string::npos) << "no game ran";
}

// A screenshot that cannot be written fails the run, said on the standard error.
TEST_F(ProgramTest, AScreenshotThatCannotBeWrittenEndsTheRunWithOne) {
  const fs::path shot = base_ / "no such folder" / "shot.png";
  ProgramProcess program(Args({"--headless", "--frames", "3", "--screenshot", shot.string()}),
                         Out("out.txt"));
  EXPECT_EQ(program.wait(), 1);
  EXPECT_NE(program.output().find("plimora: cannot write the screenshot \"" + shot.string() +
                                  "\": cannot create: No such file or directory"),
            std::string::npos)
      << program.output();
}

// The trace going to a pipe that nobody reads any more ("| head -1") fails its writes; the
// game goes on to its end and its screenshot.
TEST_F(ProgramTest, ATraceToAClosedPipeNeverEndsTheGame) {
  const fs::path shot = base_ / "piped.png";
  ProgramLaunch launch;
  launch.outputToClosedPipe = true;
  ProgramProcess program(Args({"--headless", "--frames", "20", "--screenshot", shot.string()}),
                         Out("out.txt"), launch);
  EXPECT_EQ(program.wait(), 0) << program.output();
  EXPECT_EQ(ReadScreenshot(shot).size(), size_t{kWidth * kHeight});
}

// The default data set is the one beside the executable, whatever the working folder; a data
// folder that is missing is named in the refusal.
TEST_F(ProgramTest, TheDataSetBesideTheProgramIsFoundFromAnyWorkingFolder) {
  ProgramLaunch elsewhere;
  elsewhere.workingFolder = base_.string();
  ProgramProcess program({"--headless", "--frames", "3", "--save", save_.string()}, Out("out.txt"),
                         elsewhere);
  EXPECT_EQ(program.wait(), 0) << program.output();
  EXPECT_NE(program.output().find("Application::startApp"), std::string::npos);

  const fs::path missing = base_ / "no data here";
  ProgramProcess refused({"--headless", "--data", missing.string(), "--save", save_.string()},
                         Out("refused.txt"));
  EXPECT_EQ(refused.wait(), 255);
  EXPECT_NE(refused.output().find("plimora: no data set: the data folder \"" + missing.string() +
                                  "\" does not exist"),
            std::string::npos)
      << refused.output();
}

// With no display named, the game runs headless without starting SDL: no fallback driver, no
// sound device's complaints.
TEST_F(ProgramTest, WithoutADisplayTheGameRunsHeadlessBeforeSdlStarts) {
  ProgramLaunch noDisplay;
  noDisplay.unset = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER", "SDL_AUDIODRIVER"};
  const fs::path shot = base_ / "plain.png";
  ProgramProcess program(Args({"--frames", "10", "--screenshot", shot.string()}), Out("out.txt"),
                         noDisplay);
  EXPECT_EQ(program.wait(), 0) << program.output();
  const std::string output = program.output();
  EXPECT_NE(output.find("WinMain: no display (DISPLAY and WAYLAND_DISPLAY are unset); the game "
                        "runs headless"),
            std::string::npos)
      << output;
  for (const char* stray : {"XDG_RUNTIME_DIR", "ALSA", "no sound device", "SdlWindow"}) {
    EXPECT_EQ(output.find(stray), std::string::npos) << stray << " in:\n" << output;
  }
  EXPECT_EQ(ReadScreenshot(shot).size(), size_t{kWidth * kHeight});
}

// tests/host/run_under_xvfb.sh keeps the last screen that showed anything: after the game has
// ended and its window has gone, the kept screen shows the logo centred on white.
TEST_F(ProgramTest, UnderXvfbTheLastScreenShownIsKept) {
  ProgramLaunch underXvfb;
  const fs::path kept = base_ / "kept.xwd";
  underXvfb.set = {"PLIMORA_XVFB_KEEP=" + kept.string()};
  underXvfb.unset = {"SDL_VIDEODRIVER", "SDL_AUDIODRIVER"};
  std::vector<std::string> args = Args({"--frames", "50"});
  args.insert(args.begin(), PLIMORA_PROGRAM_PATH);
  ProgramProcess program(PLIMORA_XVFB_SCRIPT, args, Out("out.txt"), underXvfb);
  const int code = program.wait();
  if (code == 77) GTEST_SKIP() << "Xvfb is not installed";
  ASSERT_EQ(code, 0) << program.output();
  XwdScreen screen;
  ASSERT_TRUE(screen.load(kept.c_str())) << "no screen kept at " << kept;
  ASSERT_EQ(screen.width, kWidth);
  ASSERT_EQ(screen.height, kHeight);
  EXPECT_EQ(NonWhiteBox([&](int32_t x, int32_t y) { return screen.at565(x, y); }),
            CentredLogoBox());
}

// Without the string-constant pool the runtime cannot start: the window side shuts down and
// the program ends with -1.
TEST_F(ProgramTest, AMissingDataSetEndsTheStartWithMinusOne) {
  const fs::path empty = base_ / "no-data";  // the fixture's data root holds its own pool
  fs::create_directories(empty);
  ProgramProcess program({"--headless", "--data", empty.string(), "--save", save_.string()},
                         Out("out.txt"));
  EXPECT_EQ(program.wait(), 255) << program.output();
}

}  // namespace
