// Reading input scripts: every event form, the order of delivery, and lines that do not read.
#include "platform/input_script.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/window_messages.h"
#include "tests/support/runtime_fixture.h"

namespace {

using Kind = ReplayEvent::Kind;

ReplayEvent Event(int64_t frame, Kind kind, uint32_t key = 0, int32_t x = 0, int32_t y = 0,
                  uint32_t value = 0) {
  ReplayEvent event;
  event.frame = frame;
  event.kind = kind;
  event.key = key;
  event.x = x;
  event.y = y;
  event.value = value;
  return event;
}

TEST(InputScriptTest, EveryEventFormReadsAndPressesAndTapsReleaseAFrameLater) {
  const std::string script =
      "# a comment line\n"
      "3 key down enter\n"
      "3 key up 13   # trailing comment\n"
      "\n"
      "4 key press NumPad5\n"
      "4 key down f9\n"
      "4 key down q\n"
      "4 key down 7\n"
      "5 stylus down 100 7\n"
      "5 stylus move -3 900\n"
      "5 stylus up 479 799\n"
      "6 tap 10 20\n"
      "8 focus lost\n"
      "9 focus gained\n"
      "10 rotate 90\n"
      "11 rotate 0\n"
      "12 power suspend\n"
      "13 power on\n"
      "14 close\n";
  const std::vector<ReplayEvent> expected = {
      Event(3, Kind::kKeyDown, 13),
      Event(3, Kind::kKeyUp, 13),
      Event(4, Kind::kKeyDown, 101),
      Event(4, Kind::kKeyDown, 120),
      Event(4, Kind::kKeyDown, 'Q'),
      Event(4, Kind::kKeyDown, 7),
      Event(5, Kind::kKeyUp, 101),
      Event(5, Kind::kStylusDown, 0, 100, 7),
      Event(5, Kind::kStylusMove, 0, -3, 900),
      Event(5, Kind::kStylusUp, 0, 479, 799),
      Event(6, Kind::kStylusDown, 0, 10, 20),
      Event(7, Kind::kStylusUp, 0, 10, 20),
      Event(8, Kind::kFocusLost),
      Event(9, Kind::kFocusGained),
      Event(10, Kind::kRotate, 0, 0, 0, host::kOrientation90),
      Event(11, Kind::kRotate, 0, 0, 0, host::kOrientation0),
      Event(12, Kind::kPower, 0, 0, 0, host::kPowerStateSuspend),
      Event(13, Kind::kPower, 0, 0, 0, host::kPowerStateOn),
      Event(14, Kind::kClose),
  };
  TraceCapture trace;
  EXPECT_EQ(ParseInputScript(script, "script"), expected);
  EXPECT_TRUE(trace.lines().empty());
}

TEST(InputScriptTest, EventsAreDeliveredByFrameThenAsWritten) {
  const std::vector<ReplayEvent> events =
      ParseInputScript("9 close\n2 key down 1\n2 key down 2\n1 focus lost\n", "script");
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0], Event(1, Kind::kFocusLost));
  EXPECT_EQ(events[1], Event(2, Kind::kKeyDown, 1));
  EXPECT_EQ(events[2], Event(2, Kind::kKeyDown, 2));
  EXPECT_EQ(events[3], Event(9, Kind::kClose));
}

TEST(InputScriptTest, ALineThatDoesNotReadIsSkippedWithATraceLine) {
  const struct {
    const char* line;
    const char* why;
  } kCases[] = {
      {"0 close", "the frame is not a whole number from 1"},
      {"-2 close", "the frame is not a whole number from 1"},
      {"1x close", "the frame is not a whole number from 1"},
      {"99999999999999999999999 close", "the frame is not a whole number from 1"},
      {"close", "the frame is not a whole number from 1"},
      {"7", "no event after the frame"},
      {"7 jump", "unknown event"},
      {"7 key down", "bad arguments"},
      {"7 key hold 13", "bad arguments"},
      {"7 key down 0", "bad arguments"},
      {"7 key down 255", "bad arguments"},
      {"7 key down f13", "bad arguments"},
      {"7 key down numpad10", "bad arguments"},
      {"7 key down ab", "bad arguments"},
      {"7 stylus down 1", "bad arguments"},
      {"7 stylus hover 1 2", "bad arguments"},
      {"7 tap 1 2 3", "bad arguments"},
      {"7 tap 40000 2", "bad arguments"},
      {"7 focus away", "bad arguments"},
      {"7 rotate 45", "bad arguments"},
      {"7 power off", "bad arguments"},
      {"7 close now", "bad arguments"},
  };
  for (const auto& c : kCases) {
    TraceCapture trace;
    EXPECT_TRUE(ParseInputScript(std::string("1 close\n") + c.line + "\n", "in.txt").size() == 1)
        << c.line;
    EXPECT_EQ(trace.lines(), std::vector<std::string>{std::string("Input script in.txt, line 2: ") +
                                                      c.why + "; line skipped"})
        << c.line;
  }
}

// Only a regular file is read, and at most kInputScriptLimit bytes of it: a device, a pipe
// or a folder named by mistake is refused before a byte is read.
TEST(InputScriptTest, OnlyARegularFileWithinTheLimitIsLoaded) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("plimora-input-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path fits = folder / "fits.txt", tooLong = folder / "long.txt";
  {
    std::string text = "1 close\n";
    text.resize(kInputScriptLimit, '#');
    std::ofstream(fits, std::ios::binary) << text;
    std::ofstream(tooLong, std::ios::binary) << text << "\n";
  }
  const std::filesystem::path fifo = folder / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::filesystem::path path;
    const char* why;
  } kRefused[] = {
      {"/nonexistent/plimora-input.txt", "no such file"},
      {folder, "not a regular file"},
      {"/dev/zero", "not a regular file"},
      {fifo, "not a regular file"},
      {tooLong, "longer than 4 MB"},
  };
  for (const auto& c : kRefused) {
    std::vector<ReplayEvent> events;
    std::string why;
    EXPECT_FALSE(LoadInputScript(c.path, &events, &why)) << c.path;
    EXPECT_EQ(why, c.why) << c.path;
  }
  std::vector<ReplayEvent> events;
  std::string why;
  EXPECT_TRUE(LoadInputScript(fits, &events, &why)) << why;
  EXPECT_EQ(events.size(), 1u);
  std::filesystem::remove_all(folder);
}

}  // namespace
