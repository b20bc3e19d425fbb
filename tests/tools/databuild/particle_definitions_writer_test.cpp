// The particle definitions writer: the record layout byte for byte, each definition as its A
// then its B record, and records its fields cannot hold refused; the game's definitions hold
// one of each particle kind and name only the sprites and animations drawn for them.
#include "tools/databuild/particle_definitions_writer.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tools/databuild/build_error.h"
#include "tools/databuild/particle_content.h"

namespace databuild {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(ParticleDefinitionsWriterTest, RecordsAreATypeACountAndLittleEndianValues) {
  const std::vector<ParticleRecord> records = {
      {1, {1, -2, 0x1234}}, {9, {}}, {2, {}}, {2, {-32768}}};
  const Bytes expected = {1, 3, 1,    0,   0xFE, 0xFF, 0x34, 0x12,  // type 1
                          9,                                        // another type: one byte
                          2, 0,                                     // no values
                          2, 1, 0x00, 0x80};
  EXPECT_EQ(WriteParticleRecords(records), expected);
  const std::vector<ParticleDefinition> definitions = {{{5}, {6, 7}}};
  EXPECT_EQ(WriteParticleDefinitions(definitions), (Bytes{1, 1, 5, 0, 2, 2, 6, 0, 7, 0}));
}

TEST(ParticleDefinitionsWriterTest, RefusesWhatItsFieldsCannotHold) {
  const std::vector<std::vector<ParticleRecord>> bad = {
      {{256, {}}},    {{-1, {}}},      {{3, {1}}}, {{1, std::vector<int>(256, 0)}},
      {{2, {32768}}}, {{1, {-32769}}},
  };
  for (const auto& records : bad) EXPECT_THROW(WriteParticleRecords(records), BuildError);
  EXPECT_NO_THROW(WriteParticleRecords(std::vector<ParticleRecord>{{1, std::vector<int>(255, 0)}}));
}

TEST(ParticleDefinitionsWriterTest, TheGamesDefinitionsHoldEveryKindAndBurstFirst) {
  const std::vector<ParticleDefinition> game = GameParticleDefinitions();
  ASSERT_GE(game.size(), 8u);
  std::set<int> kinds;
  for (const ParticleDefinition& d : game) {
    ASSERT_EQ(d.a.size(), 12u);
    ASSERT_EQ(d.b.size(), 6u);
    kinds.insert(d.a[10]);
    EXPECT_GE(d.b[0], 0);
    EXPECT_LE(d.b[0], 2);
    EXPECT_GT(d.b[2], 0);
  }
  for (int kind = 1; kind <= 5; kind++) EXPECT_TRUE(kinds.count(kind)) << kind;
  EXPECT_EQ(game[0].a[10], 0);  // the burst: the default kind, one burst of many particles
  EXPECT_GE(game[0].a[6], 16);
  EXPECT_LE(game[0].a[9], game[0].a[7]);
  EXPECT_NO_THROW(WriteParticleDefinitions(game));
}

}  // namespace
}  // namespace databuild
