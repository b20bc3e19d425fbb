// Tests of bunches in motion: the bunch fixture's started board with the maths packs the
// builder writes loaded (sines, cosines, square roots), a 480 x 800 canvas whose play area
// runs between walls of 0 px, the level's parameters made, and readers of the trace.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/trace_line.h"
#include "tests/game/board/bunch_fixture.h"
#include "tools/databuild/maths_tables.h"
#include "tools/databuild/pack_writer.h"
#include "tools/databuild/string_constants.h"
#include "tools/databuild/value_tree_writer.h"

class MotionTest : public BunchTest {
 protected:
  static constexpr int32_t kPlayTop = 60;     // px
  static constexpr int32_t kDangerLine = 700;  // px

  void SetUp() override {
    BunchTest::SetUp();
    using databuild::PackEntry;
    PlantPack({databuild::ConstantText(113),
               {PackEntry::Plain(0, databuild::WriteBoardTables()),
                PackEntry::Plain(0, databuild::WriteAngleTables())},
               {0}});
    PlantPack({databuild::ConstantText(269),
               {PackEntry::Plain(0, databuild::WriteValueTree(databuild::ValueNode::Ints(
                                        databuild::FixedCosineTable()))),
                PackEntry::Plain(0, databuild::WriteValueTree(databuild::ValueNode::Ints(
                                        databuild::FixedSquareRootTable())))},
               {0}});
    cGame::loadMathTables();
    cGame::loadFixedPointTables();
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 800;
    cGame::setPlayArea(0, 0);  // bubble centres from 18 to 462 px
    s->cGame_playTop = kPlayTop;
    s->cGame_dangerLineY = kDangerLine;
    s->cGame_levelParams = NewIntArray(13);
    s->cGame_frameTime = 40;
    s->cGame_bossKind = -1;
    SetTraceSink(&MotionTest::Collect, this);
  }
  void TearDown() override {
    SetTraceSink(nullptr, nullptr);
    BunchTest::TearDown();
  }

  static void Param(int32_t i, int32_t v) {
    Statics<GameStatics>()->cGame_levelParams->elements()[i] = v;
  }
  // Trace lines holding text.
  int32_t TraceCount(const std::string& text) const {
    int32_t n = 0;
    for (const std::string& line : trace_) n += line.find(text) != std::string::npos;
    return n;
  }

  std::vector<std::string> trace_;

 private:
  static void Collect(const char* line, void* user) {
    static_cast<MotionTest*>(user)->trace_.emplace_back(line);
  }
};
