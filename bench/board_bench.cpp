// board_bench: one play frame of the board's own work over a full board, the 170 bubbles of the
// pool in 10 bunches of 17 (a core and most of two rings) laid out two across and five down,
// each touching its neighbours: the bunch update (updateBubbleBunches), the survey
// (evaluateBoardRows), the extents and the bunch-to-bunch collisions. Each bunch has its own
// colour, so no match pops the board away; should a frame's rules change the board all the
// same, it is laid out again untimed. The last line is "board_frame_us_median: X".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/bench_main.h"
#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "tools/databuild/maths_tables.h"

namespace {

constexpr int kRepetitions = 9;
constexpr double kMinSeconds = 0.2;
constexpr int32_t kFrameMs = 40;
constexpr int32_t kPx = 1 << 16;
constexpr int32_t kSpriteSlots = 63;
constexpr int32_t kBunches = cGame_CBubbleBunch::kSlots;
constexpr int32_t kPerBunch = Bubble::kPoolSize / kBunches;  // 17
// Hanging, wheel, spinning and roped kinds in turn.
constexpr int32_t kTypes[kBunches] = {0, 6, 9, 11, 0, 6, 9, 11, 0, 6};

// The core, the first ring and ten cells of the second, in placement order.
std::vector<std::pair<int32_t, int32_t>> BunchCells() {
  std::vector<std::pair<int32_t, int32_t>> cells = {{0, 0}};
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    cells.emplace_back(Bubble::kNeighbourDx[d], Bubble::kNeighbourDy[d]);
  }
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    cells.emplace_back(2 * Bubble::kNeighbourDx[d], 2 * Bubble::kNeighbourDy[d]);
  }
  for (int32_t d = 0; cells.size() < kPerBunch; d++) {
    const int32_t e = (d + 1) % Bubble::kDirections;
    cells.emplace_back(Bubble::kNeighbourDx[d] + Bubble::kNeighbourDx[e],
                       Bubble::kNeighbourDy[d] + Bubble::kNeighbourDy[e]);
  }
  return cells;
}

IntArray* Ints(const std::vector<int32_t>& values) {
  IntArray* array = NewIntArray(static_cast<int32_t>(values.size()));
  std::copy(values.begin(), values.end(), array->elements());
  return array;
}

struct Board {
  ApplicationImpl context;
  GameStatics* s = nullptr;

  Board() {
    context.init();
    s = Statics<GameStatics>();
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 800;
    MQLibPlayer::staticInit();
    cActor::staticInit();
    Bubble::staticInit();
    cGame::initBoardTables();
    cGame::initBoardMotionState();
    PlantMathTables();
    s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
    s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
    s->cGame_levelParams = NewIntArray(13);
    s->cGame_rectScratch = NewIntArray(4);
    s->cGame_bossKind = -1;
    s->cGame_playTop = 40;
    s->cGame_dangerLineY = 760;
    cActor::createPool();
    cGame::setPlayArea(0, 0);
    LayOut();
    Frame();
    printf("board: %d bunches, %d bubbles, %d touching pairs\n", cGame::countBunches(true),
           s->cGame_bunchBubbleTotal, TouchingPairs());
  }

  int32_t TouchingPairs() const {
    int32_t n = 0;
    for (int32_t i = 1; i < kBunches; i++) {
      auto* row = static_cast<ByteArray*>(s->cGame_bunchContacts->elements()[i]);
      for (int32_t j = 0; j < i; j++) n += row->elements()[j] != 0;
    }
    return n;
  }

  // The builder's tables, as the maths packs hold them.
  void PlantMathTables() {
    s->cGame_fixCosTable = Ints(databuild::FixedCosineTable());
    s->cGame_fixSqrtTable = Ints(databuild::FixedSquareRootTable());
    s->cGame_sinTable1024 = Ints(databuild::SineQuarterTable());
    const std::vector<int32_t> atan = databuild::ArcTangentTable();
    ByteArray* bytes = NewByteArray(static_cast<int32_t>(atan.size()));
    std::transform(atan.begin(), atan.end(), bytes->elements(),
                   [](int32_t v) { return static_cast<int8_t>(std::min(v, 127)); });
    s->cGame_atanTable1024 = bytes;
    s->cGame_fixQuarter = 64;
    s->cGame_fixHalf = 128;
    s->cGame_fixFull = 256;
  }

  // Centres 160 px across and 130 px down: each bunch's outer ring meets its neighbours'.
  void LayOut() {
    Bubble::resetPool();
    cGame::startBoard();
    const std::vector<std::pair<int32_t, int32_t>> cells = BunchCells();
    for (int32_t b = 0; b < kBunches; b++) {
      cGame_CBubbleBunch* bunch = cGame::getBunch(b);
      bunch->type = kTypes[b];
      cGame::setBunchCentre(b, (160 + 160 * (b % 2)) * kPx, (150 + 130 * (b / 2)) * kPx);
      for (const auto& [col, row] : cells) cGame::placeNewBubble(b % 7, b, col, row, 0);
    }
    cGame::updateBunchExtents();
  }

  bool Intact() const {
    return s->cGame_bunchBubbleTotal == Bubble::kPoolSize && cGame::countBunches(true) == kBunches;
  }

  void Frame() {
    s->cGame_frameTime = kFrameMs;
    cGame::updateBubbleBunches();
    cGame::evaluateBoardRows();
    cGame::updateBunchExtents();
    cGame::collideBubbleBunches();
  }
};

Board& TheBoard() {
  static Board board;
  return board;
}

void BM_BoardFrame(benchmark::State& state) {
  Board& board = TheBoard();
  for (auto _ : state) {
    board.Frame();
    benchmark::ClobberMemory();
    if (!board.Intact()) {
      state.PauseTiming();
      board.LayOut();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_BoardFrame)
    ->Repetitions(kRepetitions)
    ->MinTime(kMinSeconds)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarksForMedian(argc, argv, "board_frame_us_median");
}
