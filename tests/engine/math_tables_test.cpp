// cGame's maths tables read from the data set's maths pack (113) and data pack (269), and
// tables of the wrong class or length refused with a trace naming their pack and entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board/bubble.h"
#include "runtime/array.h"
#include "runtime/static_class.h"
#include "tests/engine/maths_fixture.h"
#include "tests/support/array_values.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/data_cursor_writer.h"
#include "tools/databuild/maths_tables.h"
#include "tools/databuild/value_tree_writer.h"

namespace {

using databuild::PackEntry;
using databuild::ValueNode;

bool AnyLineHas(const TraceCapture& trace, const std::string& text) {
  for (const std::string& line : trace.lines()) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

TEST_F(MathsTest, TheDataSetsTablesLoadWholeAndSurviveACollection) {
  CollectNow();
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_sinTable1024), databuild::SineQuarterTable());
  EXPECT_EQ(ValuesOf<ByteArray>(s->cGame_atanTable1024), databuild::ArcTangentTable());
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_fixCosTable), databuild::FixedCosineTable());
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_fixSqrtTable), databuild::FixedSquareRootTable());
  std::vector<int32_t> kinds;
  for (int32_t kind = 7; kind <= 28; kind++) kinds.push_back(kind);
  EXPECT_EQ(ValuesOf<ShortArray>(s->cGame_specialKinds), kinds);
  for (Array* board :
       {static_cast<Array*>(s->cGame_boardShorts1), static_cast<Array*>(s->cGame_boardShorts2),
        static_cast<Array*>(s->cGame_boardBytes3), static_cast<Array*>(s->cGame_boardShorts3)}) {
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->length, 0);
  }
  EXPECT_EQ(ValuesOf<ByteArray>(s->Bubble_neighbourDx), databuild::NeighbourDxTable());
  EXPECT_EQ(ValuesOf<ByteArray>(s->Bubble_neighbourDy), databuild::NeighbourDyTable());
  EXPECT_EQ(ValuesOf<ByteArray>(s->Bubble_oppositeDirection), databuild::OppositeDirectionTable());
  EXPECT_FALSE(s->cGame_dataReadFailed);
}

// The board's direction tables are its geometry: a copy in the pack with other values, or
// another length, is refused and the board's own table stays; a faithful copy is taken.
TEST_F(MathsTest, DirectionTablesOtherThanTheBoardsOwnAreRefused) {
  GameStatics* s = Statics<GameStatics>();
  Bubble::staticInit();
  ByteArray* ownDx = s->Bubble_neighbourDx;
  ByteArray* ownDy = s->Bubble_neighbourDy;
  std::vector<int32_t> dx = databuild::NeighbourDxTable();
  dx[5] = 1;
  std::vector<int32_t> dy = databuild::NeighbourDyTable();
  dy.pop_back();
  databuild::DataCursorWriter board;
  for (int table = 0; table < 3; table++) board.writeShortArray({});
  board.writeByteArray(dx);
  board.writeByteArray(dy);
  board.writeByteArray(databuild::OppositeDirectionTable());
  board.writeByteArray({});
  board.writeShortArray({});
  PlantPack(
      {"tables",
       {PackEntry::Plain(0, board.take()), PackEntry::Plain(0, databuild::WriteAngleTables())},
       {0}});
  s->cGame_packName = nullptr;
  TraceCapture trace;
  cGame::loadMathTables();
  EXPECT_EQ(s->Bubble_neighbourDx, ownDx);
  EXPECT_EQ(s->Bubble_neighbourDy, ownDy);
  EXPECT_EQ(ValuesOf<ByteArray>(s->Bubble_neighbourDx), databuild::NeighbourDxTable());
  EXPECT_EQ(ValuesOf<ByteArray>(s->Bubble_neighbourDy), databuild::NeighbourDyTable());
  EXPECT_EQ(ValuesOf<ByteArray>(s->Bubble_oppositeDirection), databuild::OppositeDirectionTable());
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{
                "pack \"tables\" entry 0: the neighbour dx table is not the six directions' "
                "values; refused, the board's own stays",
                "pack \"tables\" entry 0: the neighbour dy table is not the six directions' "
                "values; refused, the board's own stays"}));
}

TEST_F(MathsTest, DataPackTablesOfTheWrongClassOrLengthAreRefused) {
  std::vector<int32_t> short64 = databuild::FixedCosineTable();
  short64.pop_back();
  databuild::Pack bad{"data",
                      {PackEntry::Plain(0, databuild::WriteValueTree(ValueNode::Ints(short64))),
                       PackEntry::Plain(0, databuild::WriteValueTree(ValueNode::Bytes({1, 2, 3})))},
                      {0}};
  PlantPack(bad);
  Statics<GameStatics>()->cGame_packName = nullptr;
  TraceCapture trace;
  cGame::loadFixedPointTables();
  EXPECT_EQ(Statics<GameStatics>()->cGame_fixCosTable, nullptr);
  EXPECT_EQ(Statics<GameStatics>()->cGame_fixSqrtTable, nullptr);
  EXPECT_TRUE(AnyLineHas(trace,
                         "pack \"data\" entry 0: the 8.8 cosine table must be an int[] of "
                         "at least 65 entries, not an int[] of 64 entries; refused"));
  EXPECT_TRUE(AnyLineHas(trace, "pack \"data\" entry 1"));
  EXPECT_TRUE(AnyLineHas(trace, "byte[] of 3 entries"));
  // The routines that read them give 0, traced once each.
  trace.clear();
  EXPECT_EQ(cGame::fixCos(0), 0);
  EXPECT_EQ(cGame::fixCos(1), 0);
  EXPECT_EQ(cGame::fixSqrt(65536), 0);
  EXPECT_EQ(cGame::fixAtan2(1, 1), 0);
  EXPECT_EQ(trace.lines().size(), 2u);
  EXPECT_EQ(Statics<GameStatics>()->cGame_fixAtanTable, nullptr);
}

TEST_F(MathsTest, MathsPackTablesTooShortAreRefused) {
  std::vector<int32_t> sine = databuild::SineQuarterTable();
  sine.pop_back();
  databuild::DataCursorWriter angles;
  angles.writeIntArray(sine);
  angles.writeByteArray(databuild::ArcTangentTable());
  PlantPack(
      {"tables",
       {PackEntry::Plain(0, databuild::WriteBoardTables()), PackEntry::Plain(0, angles.take())},
       {0}});
  Statics<GameStatics>()->cGame_packName = nullptr;
  TraceCapture trace;
  cGame::loadMathTables();
  EXPECT_EQ(Statics<GameStatics>()->cGame_sinTable1024, nullptr);
  EXPECT_EQ(ValuesOf<ByteArray>(Statics<GameStatics>()->cGame_atanTable1024),
            databuild::ArcTangentTable());
  EXPECT_TRUE(AnyLineHas(trace,
                         "pack \"tables\" entry 1: the sine table must be an int[] of at "
                         "least 256 entries, not an int[] of 255 entries; refused"));
  trace.clear();
  EXPECT_EQ(cGame::sin1024(256), 0);
  EXPECT_EQ(trace.lines().size(), 1u);
}

// An entry that ends inside its tables leaves those tables null; nothing outside it is read.
TEST_F(MathsTest, ACutMathsPackLeavesTheCutTablesNull) {
  std::vector<uint8_t> angles = databuild::WriteAngleTables();
  angles.resize(4 + 256 * 4 + 2);
  PlantPack({"tables",
             {PackEntry::Plain(0, std::vector<uint8_t>{0, 0}), PackEntry::Plain(0, angles)},
             {0}});
  Statics<GameStatics>()->cGame_packName = nullptr;
  cGame::loadMathTables();
  EXPECT_EQ(Statics<GameStatics>()->cGame_specialKinds->length, 22);
  EXPECT_EQ(Statics<GameStatics>()->cGame_boardShorts3, nullptr);
  EXPECT_EQ(ValuesOf<IntArray>(Statics<GameStatics>()->cGame_sinTable1024),
            databuild::SineQuarterTable());
  EXPECT_EQ(Statics<GameStatics>()->cGame_atanTable1024, nullptr);
  EXPECT_EQ(cGame::atan2To1024(1, 1), 0);
}

}  // namespace
