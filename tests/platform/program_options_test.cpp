// The program's options: every option read, and what is refused.
#include "platform/program_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool Parse(std::vector<const char*> args, ProgramOptions* options, std::string* error) {
  args.insert(args.begin(), "plimora");
  return ParseProgramOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(ProgramOptionsTest, EveryOptionIsRead) {
  ProgramOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"--headless", "--frames", "100", "--screenshot", "out.png", "--input",
                     "in.txt", "--data", "d", "--save", "s", "--scale", "3", "--trace", "t.log",
                     "--fixed-clock", "--soundfont", "gm.sf2"},
                    &options, &error))
      << error;
  EXPECT_TRUE(options.headless);
  EXPECT_EQ(options.frames, 100);
  EXPECT_EQ(options.screenshot, "out.png");
  EXPECT_EQ(options.input, "in.txt");
  EXPECT_EQ(options.data, "d");
  EXPECT_EQ(options.save, "s");
  EXPECT_EQ(options.scale, 3);
  EXPECT_EQ(options.trace, "t.log");
  EXPECT_TRUE(options.fixedClock);
  EXPECT_EQ(options.soundfont, "gm.sf2");
}

TEST(ProgramOptionsTest, NoOptionsMeanAWindowWithoutLimits) {
  ProgramOptions options;
  std::string error;
  ASSERT_TRUE(Parse({}, &options, &error));
  EXPECT_FALSE(options.headless);
  EXPECT_EQ(options.frames, 0);
  EXPECT_EQ(options.scale, 1);
  EXPECT_FALSE(options.fixedClock);
}

TEST(ProgramOptionsTest, UnknownOptionsMissingValuesAndBadNumbersAreRefused) {
  const struct {
    std::vector<const char*> args;
    const char* error;
  } kCases[] = {
      {{"--window"}, "unknown option --window"},
      {{"game.bar"}, "unknown option game.bar"},
      {{"--frames"}, "--frames needs a value"},
      {{"--save", ""}, "--save needs a value"},
      {{"--frames", "0"}, "--frames takes a whole number from 1"},
      {{"--frames", "12x"}, "--frames takes a whole number from 1"},
      {{"--frames", "-5"}, "--frames takes a whole number from 1"},
      {{"--scale", "9"}, "--scale takes a whole number from 1 to 8"},
      {{"--scale", "two"}, "--scale takes a whole number from 1 to 8"},
  };
  for (const auto& c : kCases) {
    ProgramOptions options;
    std::string error;
    EXPECT_FALSE(Parse(c.args, &options, &error)) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
