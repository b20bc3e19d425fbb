// Text templates and the small numeric helpers: placeholders, interpolation, cosine and sine
// offsets, and the one-in-n chance against the shared generator's own sequence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "tests/engine/maths_fixture.h"
#include "tests/support/library_fixture.h"
#include "tests/support/string_text.h"

namespace {

using TextTemplatesTest = LibraryTest;
// The offsets read the cosine table of the data set.
using CircleOffsetsTest = MathsTest;

ObjectArray* Args(const std::vector<const char*>& texts) {
  ObjectArray* args = NewObjectArray(cid::String, static_cast<int32_t>(texts.size()));
  for (size_t i = 0; i < texts.size(); i++) args->elements()[i] = NewJavaString(texts[i]);
  return args;
}

TEST_F(TextTemplatesTest, FormatStringReplacesEachPlaceholderWithItsArgument) {
  struct Case {
    const char* format;
    std::vector<const char*> args;
    const char* result;
  };
  const Case kCases[] = {
      {"a%s0b", {"X"}, "aXb"},
      {"%s1 and %s0", {"A", "B"}, "B and A"},
      {"ends in %", {"X"}, "ends in %"},
      {"%s", {"X"}, "%s"},                // no digit
      {"%s5", {"X"}, ""},                 // a digit past the arguments: empty
      {"%%s0", {"X"}, "%X"},              // the first sign has no digit two on
      {"%q0!", {"X"}, "X!"},              // the letter is not checked
      {"100% sure", {"X"}, "100% sure"},  // no digit two on
      {"%s0%s0", {"ab"}, "abab"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(TextOf(cGame::formatString(NewJavaString(c.format), Args(c.args))), c.result)
        << c.format;
  }
  // Without a percent sign the template itself comes back; without arguments every
  // placeholder is empty.
  String* plain = NewJavaString("plain");
  EXPECT_EQ(cGame::formatString(plain, Args({})), plain);
  EXPECT_EQ(TextOf(cGame::formatString(NewJavaString("a%s0b"), nullptr)), "ab");
}

TEST_F(TextTemplatesTest, LerpFixedRunsFromAToBOverTheDuration) {
  struct Case {
    int32_t a, b, t, duration, result;
  };
  for (const Case c :
       {Case{0, 100, 128, 256, 50}, Case{0, 100, 256, 256, 100}, Case{0, 100, 300, 256, 100},
        Case{0, 100, 0, 256, 0}, Case{100, 0, 64, 256, 75}, Case{-50, 50, 1, 3, -17},
        Case{0, 100, -5, 0, 100}, Case{7, 9, 0, 0, 9}}) {
    EXPECT_EQ(cGame::lerpFixed(c.a, c.b, c.t, c.duration), c.result)
        << c.a << " " << c.b << " " << c.t << " " << c.duration;
  }
}

TEST_F(CircleOffsetsTest, CosineAndSineOffsetsAreInDegrees) {
  EXPECT_EQ(cGame::addCosineOffset(10, 100, 0), 110);
  EXPECT_EQ(cGame::addCosineOffset(10, 100, 90), 10);
  EXPECT_EQ(cGame::addCosineOffset(10, 100, 180), -90);
  EXPECT_EQ(cGame::addSineOffset(10, 100, 90), 110);
  EXPECT_EQ(cGame::addSineOffset(10, 100, 0), 10);
  EXPECT_EQ(cGame::addSineOffset(5, 100, 270), -95);
}

TEST_F(TextTemplatesTest, RandomChanceIsOneInNOfTheSharedGenerator) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1234});
  java_util_Random* twin = NewObject<java_util_Random>(int64_t{1234});
  for (const int32_t n : {0, 1}) {
    for (int i = 0; i < 50; i++) EXPECT_TRUE(cGame::randomChance(n));
  }
  twin->setSeed(1234);
  for (int i = 0; i < 50; i++) twin->nextInt();  // n 1 drew; n 0 did not
  int hits = 0;
  for (int i = 0; i < 300; i++) {
    const int64_t r = twin->nextInt();
    const bool expected = (r < 0 ? -r : r) % 3 == 0;
    EXPECT_EQ(cGame::randomChance(3), expected) << i;
    hits += expected;
  }
  EXPECT_GT(hits, 60);
  EXPECT_LT(hits, 140);
}

}  // namespace
