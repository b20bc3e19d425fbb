// The loader's table loaders over small packs written with the builder's own writers: counts
// that are cut, negative or too large keep the records that lie whole in the entry, indexes
// outside their table are skipped, a section number past the sections reads nothing, and the
// lookups answer -1 where a level has no record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/started_runtime_fixture.h"
#include "tools/databuild/loader_tables_writer.h"
#include "tools/databuild/string_constants.h"

namespace {

using databuild::ByteTriple;
using Bytes = std::vector<uint8_t>;

constexpr int32_t kHintPack = 130, kWorldPack = 136, kPairPack = 207, kLookupPack = 234;
constexpr int32_t kMapPack = 68;

class LoaderTablesTest : public StartedRuntimeTest {
 protected:
  void SetUp() override {
    StartedRuntimeTest::SetUp();
    s = Statics<GameStatics>();
  }
  void Plant(int32_t pack, const std::vector<Bytes>& entries) {
    databuild::Pack p{databuild::ConstantText(pack), {}, {0}};
    for (const Bytes& entry : entries) p.entries.push_back(databuild::PackEntry::Plain(0, entry));
    PlantPack(p);
  }
  static Bytes WithCount(Bytes bytes, int32_t count) {
    for (int i = 0; i < 4; i++) bytes[i] = static_cast<uint8_t>(count >> (8 * i));
    return bytes;
  }
  static int32_t Length(ByteArray* a) { return a ? a->length : -1; }
  GameStatics* s = nullptr;
};

const std::vector<ByteTriple> kThree = {{0, 1, 5}, {0, 2, 6}, {1, 0, 7}};

TEST_F(LoaderTablesTest, TripleCountsKeepTheRecordsThatLieWholeInTheEntry) {
  const Bytes whole = databuild::WriteByteTriples(kThree);
  struct Case {
    const char* what;
    Bytes entry;
    int32_t kept;
  };
  const Case cases[] = {
      {"whole", whole, 3},
      {"cut inside the last record", Bytes(whole.begin(), whole.end() - 1), 2},
      {"a count past the entry", WithCount(whole, 100), 3},
      {"a negative count", WithCount(whole, -1), 0},
      {"a count cut off", Bytes(whole.begin(), whole.begin() + 2), 0},
      {"an empty entry", Bytes{}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Plant(kHintPack, {c.entry});
    Plant(kPairPack, {c.entry});
    Plant(kLookupPack, {c.entry});
    {
      TraceCapture trace;
      cGame::loadByteTriples130();
      cGame::loadByteTriples207();
      EXPECT_EQ(c.kept == 3 && c.entry == whole, trace.lines().empty());
    }
    cGame::loadPack234();
    EXPECT_EQ(Length(s->cGame_hintValues), c.kept);
    EXPECT_EQ(Length(s->cGame_pairValues), c.kept);
    EXPECT_EQ(Length(s->cGame_tripleValues), c.kept);
    EXPECT_EQ(cGame::lookupPairValue(0, 2), c.kept >= 2 ? 6 : -1);
    EXPECT_EQ(cGame::lookupTripleValue(1, 0), c.kept >= 3 ? 7 : -1);
  }
}

TEST_F(LoaderTablesTest, LookupsFindTheFirstRecordOfALevelOrNone) {
  Plant(kPairPack, {databuild::WriteByteTriples({{2, 3, 4}, {2, 3, 5}, {3, 2, 1}})});
  cGame::loadByteTriples207();
  EXPECT_EQ(s->cGame_bossKind, -1);
  EXPECT_EQ(cGame::lookupPairValue(2, 3), 4);
  EXPECT_EQ(cGame::lookupPairValue(3, 2), 1);
  EXPECT_EQ(cGame::lookupPairValue(3, 3), -1);
  s->cGame_pairValues = nullptr;  // a pack that never loaded
  EXPECT_EQ(cGame::lookupPairValue(2, 3), -1);
  EXPECT_EQ(cGame::lookupTripleValue(0, 0), -1);
}

TEST_F(LoaderTablesTest, WorldTablesTakeEachRecordAtItsIndexAndSkipOthers) {
  Plant(kWorldPack,
        {databuild::WriteIndexedTriples({{1, 13, 2, 200}, {0, 10, 1, 3}, {7, 1, 1, 1}})});
  TraceCapture trace;
  cGame::loadIndexedByteTriples136();
  ASSERT_EQ(Length(s->cGame_worldMusicIds), 3);
  EXPECT_EQ(ByteArray::get(s->cGame_worldValues, 0), 10);
  EXPECT_EQ(ByteArray::get(s->cGame_worldMusicIds, 1), 2);
  EXPECT_EQ(ByteArray::get(s->cGame_worldFinalMusicIds, 1) & 0xFF, 200);
  EXPECT_EQ(ByteArray::get(s->cGame_worldMusicIds, 2), 0);  // index 7 skipped
  EXPECT_TRUE(trace.contains(
      "cGame::loadIndexedByteTriples136: index 7 lies outside the 3 records; skipped"));
}

TEST_F(LoaderTablesTest, TheQuadRecordIsFoundOnceUntilCharacterLinesAreRead) {
  Plant(kLookupPack, {databuild::WriteLookups({}, {{1, 2, 300, -4}, {1, 2, 5, 6}, {2, 2, 7, 8}}),
                      databuild::WriteLineSections({{{10, -1}}})});
  cGame::loadPack234();
  cGame::lookupQuadRecord(1, 2);
  EXPECT_TRUE(s->cGame_quadFound);
  EXPECT_EQ(s->cGame_quadValueC, 300);
  EXPECT_EQ(s->cGame_quadValueD, -4);
  cGame::lookupQuadRecord(2, 2);  // one is found already
  EXPECT_EQ(s->cGame_quadValueC, 300);
  cGame::loadPack235(0);
  EXPECT_FALSE(s->cGame_quadFound);
  cGame::lookupQuadRecord(2, 2);
  EXPECT_EQ(s->cGame_quadValueD, 8);
  cGame::lookupQuadRecord(9, 9);
  EXPECT_EQ(s->cGame_quadValueD, 8);
}

TEST_F(LoaderTablesTest, CharacterLinesReadOneSectionAndNothingPastTheSections) {
  const Bytes sections = databuild::WriteLineSections(
      {{{10, -1}, {11, 2}, {12, 3}}, {{20, 0}, {21, -1}, {22, 4}, {23, 5}, {24, 6}}});
  Plant(kLookupPack, {databuild::WriteLookups({}, {}), sections});
  cGame::loadPack235(1);
  ASSERT_EQ(s->cGame_characterLineTexts->length, 4);
  EXPECT_EQ(IntArray::get(s->cGame_characterLineTexts, 0), 20);
  EXPECT_EQ(IntArray::get(s->cGame_characterLineValues, 3), 5);
  EXPECT_EQ(s->cGame_characterLinePairs, 2);
  EXPECT_EQ(s->cGame_characterLineLastText, 24);
  EXPECT_EQ(s->cGame_characterLineLastValue, 6);
  for (int32_t n : {2, -1}) {
    SCOPED_TRACE(n);
    TraceCapture trace;
    cGame::loadPack235(n);
    EXPECT_EQ(s->cGame_characterLineLastText, 24);
    EXPECT_TRUE(trace.contains("cGame::loadPack235(" + std::to_string(n) +
                               "): pack 234 has 2 sections; nothing read"));
  }
  // A section cut inside its records keeps the whole ones.
  Plant(kLookupPack,
        {databuild::WriteLookups({}, {}), Bytes(sections.begin(), sections.end() - 6)});
  cGame::loadPack235(1);
  EXPECT_EQ(s->cGame_characterLineTexts->length, 2);
  EXPECT_EQ(s->cGame_characterLineLastText, 22);
}

TEST_F(LoaderTablesTest, TheLevelListIsTheShownWorldsAndTooLongAListStoresNoLevel) {
  std::vector<std::vector<databuild::MapPoint>> worlds = {
      {{1, 2}}, {{3, 4}, {5, 6}}, std::vector<databuild::MapPoint>(14, {7, 8})};
  Plant(kMapPack, {Bytes{}, databuild::WriteLevelLists(worlds)});
  struct Case {
    int32_t world, count, firstX;
  };
  const Case cases[] = {{-1, 1, 1}, {0, 1, 1}, {1, 2, 3}, {2, 0, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.world);
    s->cGame_selectedWorld = c.world;
    cGame::openPack(GetConstantString(kMapPack));
    cGame::loadWorldLevelList();
    EXPECT_EQ(s->cGame_worldLevelCount, c.count);
    EXPECT_EQ(IntArray::get(s->cGame_worldLevelX, 0), c.firstX);
  }
  s->cGame_selectedWorld = 9;
  TraceCapture trace;
  cGame::loadWorldLevelList();
  EXPECT_TRUE(trace.contains("cGame::loadWorldLevelList: world 9 has no level list"));
}

TEST_F(LoaderTablesTest, MissingPacksLeaveEmptyTablesThatFindNothing) {
  TraceCapture trace;
  cGame::loadByteTriples130();
  cGame::loadIndexedByteTriples136();
  cGame::loadByteTriples207();
  cGame::loadPack234();
  cGame::loadPack235(0);
  EXPECT_EQ(cGame::maxValueUpToCurrentLevel(), 0);
  EXPECT_EQ(cGame::lookupPairValue(0, 0), -1);
  EXPECT_EQ(cGame::lookupTripleValue(0, 0), -1);
  EXPECT_TRUE(trace.contains("cGame: pack 207 entry 0 cannot be read; its table stays empty"));
}

}  // namespace
