// The game program end to end, headless: the test application's pattern of the last frame in
// the screenshot, drawn through its MIDlet and game canvas, replayed input that repeats
// exactly, every way of ending with nothing leaked (the sanitizer pass runs these too), the
// single instance per save root, and the refusals at start-up.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>

#include "tests/platform/program_process.h"
#include "tests/support/file_roots_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kWidth = 480;
constexpr int kHeight = 800;

// The PNG's pixels as RGB565 (the writer widens each channel by repeating its high bits, so
// the top bits give the value back); empty when it is not a 480 x 800 picture.
std::vector<uint16_t> ReadScreenshot(const fs::path& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  if (image.width != kWidth || image.height != kHeight) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  std::vector<uint16_t> pixels(kWidth * kHeight);
  for (size_t i = 0; i < pixels.size(); i++) {
    pixels[i] = static_cast<uint16_t>((rgb[3 * i] >> 3) << 11 | (rgb[3 * i + 1] >> 2) << 5 |
                                      rgb[3 * i + 2] >> 3);
  }
  return pixels;
}

// The test application's pattern of frame n as its description gives it: bands of 100 rows
// moving down two rows a frame through red, green, blue, yellow, cyan, magenta, grey and orange
// (turned on by one per key pressed), a white 60-pixel square moving right six pixels a frame
// along rows 370 to 429, and the black 24-pixel marker where the stylus rests.
uint16_t ExpectedPixel(int frame, int x, int y, int keys = 0, int markerX = -100,
                       int markerY = -100) {
  constexpr uint16_t kBands[8] = {0xF800, 0x07E0, 0x001F, 0xFFE0, 0x07FF, 0xF81F, 0x8410, 0xFC00};
  if (x >= markerX - 12 && x < markerX + 12 && y >= markerY - 12 && y < markerY + 12) return 0;
  const int squareX = frame * 6 % 420;
  if (x >= squareX && x < squareX + 60 && y >= 370 && y < 430) return 0xFFFF;
  return kBands[((y + 2 * frame) / 100 + keys) % 8];
}

int Mismatches(const std::vector<uint16_t>& pixels, int frame, int keys = 0, int markerX = -100,
               int markerY = -100) {
  int wrong = 0;
  for (int y = 0; y < kHeight; y++) {
    for (int x = 0; x < kWidth; x++) {
      wrong += pixels[y * kWidth + x] != ExpectedPixel(frame, x, y, keys, markerX, markerY);
    }
  }
  return wrong;
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

TEST_F(ProgramTest, AHeadlessRunOfAHundredFramesShowsTheTestPatternOfFrameOneHundred) {
  const fs::path shot = base_ / "out.png";
  ASSERT_EQ(Run({"--headless", "--frames", "100", "--screenshot", shot.string()}), 0);
  const std::vector<uint16_t> pixels = ReadScreenshot(shot);
  ASSERT_EQ(pixels.size(), size_t{kWidth * kHeight}) << "a 480 x 800 PNG";
  EXPECT_EQ(Mismatches(pixels, 100), 0);
  // Spot checks of frame 100 worked out by hand: bands shifted 200 rows, the square at 180.
  EXPECT_EQ(pixels[0], 0x001F);
  EXPECT_EQ(pixels[799 * kWidth], 0x07E0);
  EXPECT_EQ(pixels[400 * kWidth + 180], 0xFFFF);
  EXPECT_EQ(pixels[400 * kWidth + 179], 0x8410);
  // The test application's MIDlet read the built data set's "app.jad".
  EXPECT_NE(ProgramProcess::ReadFile(Out("out.txt")).find("TestPatternMidlet: Plimora 1.0.0"),
            std::string::npos);
}

// On the fixed clock a run with the same input repeats exactly; the input shows in the frame:
// the colours turned by the key, the marker where the stylus came down (its move is dropped:
// after the focus was lost, moves count again only after the next lift).
TEST_F(ProgramTest, ReplayedInputReachesTheGameAtItsFrameOnEveryRun) {
  const fs::path script = Script(
      "5 key press enter\n"
      "20 focus lost\n"
      "30 focus gained\n"
      "40 rotate 90\n"
      "50 rotate 0\n"
      "60 stylus down 240 100\n"
      "70 stylus move 300 120\n");
  std::string shots[2];
  for (int run = 0; run < 2; run++) {
    const fs::path shot = base_ / ("replay" + std::to_string(run) + ".png");
    ASSERT_EQ(Run({"--headless", "--fixed-clock", "--frames", "80", "--input", script.string(),
                   "--screenshot", shot.string()}),
              0);
    shots[run] = ProgramProcess::ReadFile(shot.string());
  }
  EXPECT_EQ(shots[0], shots[1]);
  const std::vector<uint16_t> pixels = ReadScreenshot(base_ / "replay0.png");
  ASSERT_FALSE(pixels.empty());
  EXPECT_EQ(Mismatches(pixels, 80, 1, 240, 100), 0);
}

TEST_F(ProgramTest, EveryWayOfEndingExitsWithZero) {
  const struct {
    const char* how;
    std::string script;
    std::vector<std::string> more;
  } kCases[] = {
      {"the close button", "3 close\n", {}},
      {"the game's own end (ApplicationImpl::exit)", "3 key down f2\n", {}},
      {"the end of --frames", "", {"--frames", "5"}},
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
