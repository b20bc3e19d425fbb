// The particle definitions entry: rows sized by their own records, B spreads turned into
// values, records of other types, type-2 records without a definition, and entries cut short.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/particle_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/particle_content.h"

namespace {

// Row def of a definitions table as plain numbers; empty when there is none.
std::vector<int32_t> Row(ObjectArray* rows, int32_t def) {
  if (!rows || def >= rows->length || !rows->elements()[def]) return {};
  auto* row = static_cast<ShortArray*>(rows->elements()[def]);
  return std::vector<int32_t>(row->elements(), row->elements() + row->length);
}
std::vector<int32_t> A(int32_t def) {
  return Row(Statics<GameStatics>()->cGame_particleDefsA, def);
}
std::vector<int32_t> B(int32_t def) {
  return Row(Statics<GameStatics>()->cGame_particleDefsB, def);
}
int32_t Count() {
  return particles::DefinitionCount();
}

TEST_F(ParticleTest, TheGamesDefinitionsLoadWithTheirSpreadsAsValues) {
  const std::vector<ParticleDefinition> game = databuild::GameParticleDefinitions();
  ASSERT_GE(game.size(), 8u);
  TraceCapture trace;
  Load(game);
  ASSERT_EQ(Count(), static_cast<int32_t>(game.size()));
  for (size_t def = 0; def < game.size(); def++) {
    SCOPED_TRACE(def);
    EXPECT_EQ(A(static_cast<int32_t>(def)),
              std::vector<int32_t>(game[def].a.begin(), game[def].a.end()));
    std::vector<int32_t> b(game[def].b.begin(), game[def].b.end());
    b[3] = b[2] * b[3] / 100;
    b[5] = b[4] * b[5] / 100;
    EXPECT_EQ(B(static_cast<int32_t>(def)), b);
  }
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(ParticleTest, EachRowIsSizedByItsOwnRecord) {
  std::vector<int> twenty;
  for (int i = 1; i <= 20; i++) twenty.push_back(i);
  struct Case {
    const char* name;
    std::vector<ParticleRecord> records;
    std::vector<std::vector<int32_t>> a, b;
  };
  const std::vector<int32_t> zeroA(12, 0), zeroB(6, 0);
  const Case cases[] = {
      {"rows of 3 values are filled up with zeros",
       {{1, {1, 2, 3}}, {2, {0, 1, 200}}},
       {{1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
       {{0, 1, 200, 0, 0, 0}}},
      {"a long row before a short one keeps its length",
       {{1, twenty}, {2, {0, 0, 100, 50, 10, 10, 7, 8}}, {1, {5}}},
       {std::vector<int32_t>(twenty.begin(), twenty.end()), {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
       {{0, 0, 100, 50, 10, 1, 7, 8}, zeroB}},
      {"a definition without B values has a zero row",
       {{1, {9}}, {1, {8}}, {2, {2, 2, 2, 2, 2, 2}}},
       {{9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
       {zeroB, {2, 2, 2, 0, 2, 0}}},
      {"B values before any definition are skipped",
       {{2, {1, 1, 1, 1, 1, 1}}, {1, {4}}},
       {{4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
       {zeroB}},
      {"records of other types are one byte each",
       {{0, {}}, {7, {}}, {1, {3}}, {255, {}}, {2, {1}}, {9, {}}},
       {{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
       {{1, 0, 0, 0, 0, 0}}},
      {"a later B record replaces the earlier",
       {{1, {}}, {2, {1}}, {2, {2}}},
       {zeroA},
       {{2, 0, 0, 0, 0, 0}}},
      {"an empty entry has no definitions", {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    LoadRecords(c.records);
    EXPECT_TRUE(trace.lines().empty());
    ASSERT_EQ(Count(), static_cast<int32_t>(c.a.size()));
    for (int32_t def = 0; def < Count(); def++) {
      EXPECT_EQ(A(def), c.a[def]) << def;
      EXPECT_EQ(B(def), c.b[def]) << def;
    }
  }
}

// Three definitions, cut inside their records: those wholly before the cut stay, and the
// trace names the entry and the offset of the record that runs past its end.
TEST_F(ParticleTest, AnEntryCutShortKeepsTheDefinitionsBeforeTheCut) {
  const std::vector<uint8_t> whole = databuild::WriteParticleDefinitions(
      std::vector<ParticleDefinition>{Quiet(), Quiet(), Quiet()});
  const int32_t recordA = 2 + 24, recordB = 2 + 12, definition = recordA + recordB;
  struct Case {
    const char* name;
    int32_t keep;  // bytes of the entry kept
    int32_t definitions;
    int32_t cutRecord;  // offset named by the trace; -1 no trace
  };
  const Case cases[] = {
      {"a type byte without its count", 1, 0, 0},
      {"inside the second A record", definition + 13, 1, definition},
      {"the second B record's count cut off", definition + recordA + 1, 1, definition + recordA},
      {"inside the second B record", definition + recordA + 5, 1, definition + recordA},
      {"the third without its B record", 2 * definition + recordA, 3, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    cGame::loadParticleDefinitions(
        ManagedBytes(std::vector<uint8_t>(whole.begin(), whole.begin() + c.keep)));
    ASSERT_EQ(Count(), c.definitions);
    for (int32_t def = 0; def < 2 && def < c.definitions; def++) EXPECT_EQ(B(def)[2], 500);
    if (c.cutRecord < 0) {
      EXPECT_EQ(B(2), std::vector<int32_t>(6, 0));
      EXPECT_TRUE(trace.lines().empty());
      continue;
    }
    ASSERT_EQ(trace.lines().size(), 1u);
    const std::string expected = "the definitions entry of " + std::to_string(c.keep) +
                                 " bytes: the record at offset " + std::to_string(c.cutRecord) +
                                 " runs past its end; " + std::to_string(c.definitions) +
                                 " definitions are kept";
    EXPECT_NE(trace.lines()[0].find(expected), std::string::npos) << trace.lines()[0];
  }
}

TEST_F(ParticleTest, NoDataLeavesNoDefinitions) {
  Load({Quiet()});
  TraceCapture trace;
  cGame::loadParticleDefinitions(nullptr);
  EXPECT_EQ(Count(), 0);
  EXPECT_FALSE(trace.lines().empty());
}

}  // namespace
