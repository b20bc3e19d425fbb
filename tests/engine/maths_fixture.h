// A started runtime over the packs of the data set the build writes, with the maths tables
// loaded from them as the game loads them.
#pragma once

#include "game/cgame.h"
#include "game/game_statics.h"
#include "tests/support/library_fixture.h"

class MathsTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    PlantDataSetPacks();
    cGame::loadMathTables();
    cGame::loadFixedPointTables();
  }
};
