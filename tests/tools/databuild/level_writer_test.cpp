// The builder's level writer and level plan: fields at the offsets the readers take them from,
// values that do not fit refused, and every planned level within the readers' limits.
#include "tools/databuild/level_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "tests/support/level_header_fixture.h"
#include "tools/databuild/build_error.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/level_plan.h"

namespace databuild {
namespace {

using Bytes = std::vector<uint8_t>;

int32_t I32At(const Bytes& b, size_t at) {
  return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                              static_cast<uint32_t>(b[at + 3]) << 24);
}
int16_t S16At(const Bytes& b, size_t at) {
  return static_cast<int16_t>(b[at] | b[at + 1] << 8);
}
int8_t S8At(const Bytes& b, size_t at) {
  return static_cast<int8_t>(b[at]);
}

LevelHeader Distinct() {
  return DistinctLevelHeader();
}

TEST(LevelWriterTest, HeaderFieldsLieAtTheirOffsets) {
  const Bytes b = WriteLevelHeader(Distinct());
  EXPECT_EQ(S8At(b, 0), 3);
  EXPECT_EQ(S8At(b, 1), 1);
  EXPECT_EQ(S16At(b, 2), -2);
  EXPECT_EQ(S8At(b, 4), 4);
  EXPECT_EQ(S8At(b, 5), -5);
  EXPECT_EQ(S16At(b, 6), 600);
  EXPECT_EQ(S8At(b, 8), 8);
  EXPECT_EQ(S8At(b, 9), 9);
  EXPECT_EQ(S16At(b, 10), -1000);
  EXPECT_EQ(S8At(b, 12), -1);
  EXPECT_EQ(S8At(b, 13), 1);
  EXPECT_EQ(S8At(b, 14), 1);
  EXPECT_EQ(S8At(b, 15), 14);
  EXPECT_EQ(I32At(b, 16), -16);
  EXPECT_EQ(I32At(b, 20), 20000);
  EXPECT_EQ(I32At(b, 24), 2400);
  EXPECT_EQ(I32At(b, 28), 28000);
  for (size_t at = 32; at < 57; at++) EXPECT_EQ(S8At(b, at), static_cast<int8_t>(at)) << at;
  EXPECT_EQ(I32At(b, 57), 13);
  for (size_t i = 0; i < 13; i++) EXPECT_EQ(I32At(b, 61 + 4 * i), 1000 + static_cast<int>(i));
  // With no dialogue entries the header ends 21 bytes after the parameters.
  EXPECT_EQ(b.size(), 61u + 52u + 21u);
}

TEST(LevelWriterTest, DialogueEntriesAreNineBytesInTheirListsLayout) {
  LevelHeader h = Distinct();
  h.intro = {{7, 2, {1, 2, 3, 4}}};
  h.tail = {-300, 301, -3, 4, 5};
  h.won = {{8, 9, {10, 11, 12, 0}}, {13, 14, {15, 16, 17, 0}}};
  h.lost = {{-5, 1, {-1, -2, -3, 0}}};
  const Bytes b = WriteLevelHeader(h);
  size_t at = 113;
  EXPECT_EQ(I32At(b, at), 1);
  EXPECT_EQ(Bytes(b.begin() + at + 4, b.begin() + at + 13), (Bytes{7, 0, 2, 0, 1, 2, 3, 4, 0}));
  at += 13;
  EXPECT_EQ(S16At(b, at), -300);
  EXPECT_EQ(S16At(b, at + 2), 301);
  EXPECT_EQ(Bytes(b.begin() + at + 4, b.begin() + at + 9), (Bytes{0xFD, 4, 0, 0, 5}));
  at += 9;
  EXPECT_EQ(I32At(b, at), 2);
  EXPECT_EQ(Bytes(b.begin() + at + 13, b.begin() + at + 22),
            (Bytes{13, 0, 14, 0, 15, 16, 0, 0, 17}));
  at += 22;
  EXPECT_EQ(I32At(b, at), 1);
  EXPECT_EQ(Bytes(b.begin() + at + 4, b.end()), (Bytes{0xFB, 0xFF, 1, 0, 0xFF, 0xFE, 0, 0, 0xFD}));
}

TEST(LevelWriterTest, TheTypeZeroBodyFollowsTheHeader) {
  Level level;
  level.header = Distinct();
  level.header.levelType = 0;
  LevelBunch bunch;
  bunch.x = -20;
  bunch.bubbles = {{1, -1, 6, 0x800}};
  level.bunches = {bunch};
  level.shots = {2, 5};
  level.rules = {{1, 2, 3, 4, 5, 6, 7}};
  const Bytes b = WriteLevel(level);
  const size_t body = WriteLevelHeader(level.header).size();
  const Bytes expected = {1,  // one bunch
                          0xEC, 0xFF, 0x2C, 0x01, 0, 0, 0xFF,
                          0,    1,    0xE8,  // x -20, y 300, stage, type, partner, colours
                          0x03, 0,    1,    0,    0, 0,     // cfgDuration 1000, facing, one bubble
                          1,    0xFF, 6,    0,    8, 0, 0,  // the bubble
                          2,    0,    0,    0,    2, 5,     // the shot sequence
                          1,    0,    0,    0};             // one rule
  ASSERT_GE(b.size(), body + expected.size());
  EXPECT_EQ(Bytes(b.begin() + body, b.begin() + body + expected.size()), expected);
  EXPECT_EQ(b.size(), body + expected.size() + 28);
}

TEST(LevelWriterTest, TheTrackAndTheStagesAreWrittenFieldByField) {
  Level track;
  track.header.levelType = 8;
  track.track = {-5, 300, 70, {0, 4}, {{3, -2}}};
  EXPECT_EQ(databuild::WriteLevelSection(track),
            (Bytes{0xFB, 0xFF, 0x2C, 0x01, 70, 0, 2, 0, 0, 0, 0, 4, 1, 0, 0, 0, 3, 0xFE, 0xFF}));
  Level waves;
  waves.header.levelType = 2;
  databuild::LevelStage stage;
  stage.wave = {1, 2, 3, 4};
  stage.specials = {5, 6, 7, 8, 9};
  stage.values = {10, 11, 12, 13, 14, 15};
  stage.rowA = {16, 17, 18, 19};
  stage.rowB = {20, 21, 22, 23, 24, -1};
  waves.waves = {3, {stage}};
  Bytes expected = {3, 1, 0, 0, 0};
  for (int v = 1; v <= 24; v++) expected.push_back(static_cast<uint8_t>(v));
  expected.push_back(0xFF);
  EXPECT_EQ(databuild::WriteLevelSection(waves), expected);
  Level none;
  none.header.levelType = 1;
  EXPECT_TRUE(databuild::WriteLevelSection(none).empty());
}

TEST(LevelWriterTest, RefusesValuesThatDoNotFitTheirFields) {
  struct Case {
    const char* what;
    void (*spoil)(Level& level);
  };
  const Case kCases[] = {
      {"flags of 128", [](Level& l) { l.header.flags = 128; }},
      {"an item of -129", [](Level& l) { l.header.unlockItem = -129; }},
      {"an actor set of 32768", [](Level& l) { l.header.actorSet = 32768; }},
      {"a text id of -32769",
       [](Level& l) {
         l.header.intro = {{-32769, 0, {}}};
       }},
      {"a bubble column of 200",
       [](Level& l) {
         l.bunches = {{.bubbles = {{200, 0, 0, 0}}}};
       }},
      {"a template kind of 128",
       [](Level& l) {
         l.header.levelType = 5;
         l.templates = {{{{0, 0, 128, 0}}}};
       }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Level level;
    level.header.params.assign(13, 0);
    c.spoil(level);
    EXPECT_THROW(WriteLevel(level), BuildError);
  }
}

TEST(LevelPlanTest, EveryWorldHasItsLevelsAndEveryItemIsWonSomewhere) {
  const std::vector<int> expected = {13, 13, 13, 13, 13, 13, 13, 13, 10, 10, 10, 1};
  std::set<int> items;
  for (int world = 0; world < kLevelWorldCount; world++) {
    ASSERT_EQ(LevelsInWorld(world), expected[world]) << world;
    for (int level = 0; level < LevelsInWorld(world); level++) {
      const Level l = PlannedLevel(world, level);
      EXPECT_EQ(l.header.params.size(), 13u);
      EXPECT_LE(l.header.intro.size(), 3u);
      if (l.header.unlockItem >= 0) {
        EXPECT_TRUE(items.insert(l.header.unlockItem).second) << "item won twice";
      }
      EXPECT_EQ(WriteLevel(l), WriteLevel(PlannedLevel(world, level))) << "drawn the same";
    }
  }
  EXPECT_EQ(items.size(), 15u);
}

TEST(LevelPlanTest, TheLevelLinesHaveWords) {
  const std::vector<std::string> texts = GameTexts();
  const int lines = kLevelIntroLines + kLevelWonLines + kLevelLostLines;
  for (int id = kFirstLevelLineText; id < kFirstLevelLineText + lines; id++) {
    EXPECT_NE(texts[id].rfind("Text ", 0), 0u) << id << ": " << texts[id];
  }
}

TEST(LevelPlanTest, TheCheckRefusesWhatTheReadersWouldNotTake) {
  struct Case {
    const char* what;
    void (*spoil)(Level& level);
  };
  const Case kCases[] = {
      {"twelve parameters", [](Level& l) { l.header.params.pop_back(); }},
      {"seven intro lines", [](Level& l) { l.header.intro.resize(7, l.header.intro[0]); }},
      {"a won line taken from the intro lines", [](Level& l) { l.header.won[0].text = 10; }},
      {"level type 9", [](Level& l) { l.header.levelType = 9; }},
      {"item 15", [](Level& l) { l.header.unlockItem = 15; }},
      {"a bubble of kind 7", [](Level& l) { l.bunches[0].bubbles[0].kind = 7; }},
      {"no bubble", [](Level& l) { l.bunches.clear(); }},
      {"no shot", [](Level& l) { l.shots.clear(); }},
      {"a colour of the bunch shot once",
       [](Level& l) {
         const int kind = l.bunches[0].bubbles[0].kind;
         l.shots.erase(std::find(l.shots.begin(), l.shots.end(), kind));
         l.shots.erase(std::find(l.shots.begin(), l.shots.end(), kind));
       }},
      {"a shot sequence played once", [](Level& l) { l.header.shotSequenceRepeats = 0; }},
      {"eleven bunches", [](Level& l) { l.bunches.resize(11, l.bunches[0]); }},
      {"171 bubbles", [](Level& l) { l.bunches[0].bubbles.resize(171, l.bunches[0].bubbles[0]); }},
      {"a bunch below the screen", [](Level& l) { l.bunches[0].y = 1001; }},
      {"no bunch of stage 0",
       [](Level& l) {
         for (LevelBunch& b : l.bunches) b.stage = 1;
       }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Level level = PlannedLevel(2, 5);
    c.spoil(level);
    EXPECT_THROW(CheckLevel(level, 2, 5), BuildError);
  }
}

}  // namespace
}  // namespace databuild
