// Physics and flight tests: the bunch fixture's real pools and bunches with the game's angle
// tables (the builder's own) in place, a wide play area, and the stand-ins' call log emptied.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board/board_seams.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"
#include "tools/databuild/maths_tables.h"

// The game's angle tables, the builder's own, planted in the statics: the 8.8 cosine, the
// 1024-step sine and the arc tangent, with the quarter, half and full turn of the 8.8 table.
inline void PlantAngleTables() {
  GameStatics* s = Statics<GameStatics>();
  auto ints = [](const std::vector<int32_t>& values) {
    IntArray* array = NewIntArray(static_cast<int32_t>(values.size()));
    for (size_t i = 0; i < values.size(); i++) array->elements()[i] = values[i];
    return array;
  };
  s->cGame_fixCosTable = ints(databuild::FixedCosineTable());
  s->cGame_sinTable1024 = ints(databuild::SineQuarterTable());
  const std::vector<int32_t> atan = databuild::ArcTangentTable();
  ByteArray* bytes = NewByteArray(static_cast<int32_t>(atan.size()));
  for (size_t i = 0; i < atan.size(); i++) {
    bytes->elements()[i] = static_cast<int8_t>(atan[i] > 127 ? 127 : atan[i]);
  }
  s->cGame_atanTable1024 = bytes;
  s->cGame_fixQuarter = 64;
  s->cGame_fixHalf = 128;
  s->cGame_fixFull = 256;
}

class FlightTest : public BunchTest {
 protected:
  void SetUp() override {
    BunchTest::SetUp();
    PlantAngleTables();
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 800;
    cGame::setPlayArea(0, 0);
    BoardSeamCalls().clear();
  }
  static std::vector<BoardSeamCall> Calls(const char* name) {
    std::vector<BoardSeamCall> found;
    for (const BoardSeamCall& call : BoardSeamCalls()) {
      if (call.name == name) found.push_back(call);
    }
    return found;
  }
};
