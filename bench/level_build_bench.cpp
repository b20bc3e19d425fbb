// level_build_bench: every level of the built data set (build/data, or the folder given) read
// by loadLevelData and built onto the board by buildLevel, on the 480 x 640 play screen with
// the maths tables loaded, as a loading step does it. Each level is built kRuns times from a
// reset bubble and actor pool (the resets untimed); its figure is the median of those runs.
// The program prints the mean and the slowest levels, then last `level_build_ms_max: X`, the
// largest median. A build that writes a trace line (a record the readers refuse) fails the run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_main.h"

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/file_roots.h"
#include "host/trace_line.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/static_class.h"
#include "tools/databuild/level_plan.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 15;
constexpr int kShownSlowest = 5;
constexpr int32_t kPlayWidth = 480, kPlayHeight = 640;
constexpr int32_t kHudWall = 16;
constexpr int32_t kSpriteSlots = 63;
constexpr int32_t kPlain = 1, kLesson = 2, kBoss = 3;  // levelVariant

struct Timed {
  int world, index;
  double ms;
  int32_t bubbles;  // in play after the build
};

int traceLines = 0;

void CountTrace(const char*, void*) {
  traceLines++;
}

// The board, the actors and the tables a level build reads, as the game's start leaves them.
void StartGame() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_canvasWidth = kPlayWidth;
  s->cGame_canvasHeight = kPlayHeight;
  s->cGame_playTop = 0;
  s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
  s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
  cActor::createPool();
  cGame::initProgressTables();
  cGame::setPlayArea(kHudWall, kHudWall);
  cGame::loadMathTables();
  cGame::loadFixedPointTables();
}

// One build of the level in ms, or a negative figure when it wrote a trace line.
double BuildOnce(int world, int index) {
  GameStatics* s = Statics<GameStatics>();
  Bubble::resetPool();
  cActor::createPool();
  s->cGame_eventCount = 0;
  traceLines = 0;
  const Clock::time_point start = Clock::now();
  cGame::loadLevelData(index, world);
  s->cGame_levelVariant = databuild::IsLessonLevel(world, index)     ? kLesson
                          : databuild::BossKindOf(world, index) >= 0 ? kBoss
                                                                     : kPlain;
  cGame::buildLevel();
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  return traceLines == 0 ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string data = argc > 1 ? argv[1] : BuildPath(argv[0], "data");
  const fs::path save = fs::temp_directory_path() / "plimora_level_build_bench";
  fs::create_directories(save);
  host::SetDataRoot(data);
  host::SetSaveRoot(save.string());
  SetTraceSink(CountTrace, nullptr);
  ApplicationImpl context;
  context.init();
  if (!GetApplication()->getStaticClass()->initialize()) {
    std::fprintf(stderr, "level_build_bench: the runtime did not start over %s\n", data.c_str());
    return 1;
  }
  traceLines = 0;
  StartGame();
  if (traceLines != 0) {
    std::fprintf(stderr, "level_build_bench: the maths tables did not load from %s\n",
                 data.c_str());
    return 1;
  }
  std::vector<Timed> levels;
  for (int world = 0; world < databuild::kLevelWorldCount; world++) {
    for (int index = 0; index < databuild::LevelsInWorld(world); index++) {
      std::vector<double> runs;
      for (int run = 0; run < kRuns; run++) {
        const double ms = BuildOnce(world, index);
        if (ms < 0) {
          std::fprintf(stderr, "level_build_bench: level %d of world %d wrote a trace line\n",
                       index, world);
          return 1;
        }
        runs.push_back(ms);
      }
      levels.push_back(
          {world, index, Median(runs), Statics<GameStatics>()->Bubble_activeBubbleCount});
    }
  }
  double sum = 0;
  int32_t bubbles = 0;
  for (const Timed& t : levels) {
    sum += t.ms;
    bubbles += t.bubbles;
  }
  if (bubbles == 0) {
    std::fprintf(stderr, "level_build_bench: no level put a bubble in play\n");
    return 1;
  }
  std::sort(levels.begin(), levels.end(),
            [](const Timed& a, const Timed& b) { return a.ms > b.ms; });
  std::printf("levels: %zu, %d bubbles in play after their builds, median of %d builds each\n",
              levels.size(), bubbles, kRuns);
  std::printf("level_build_ms_mean: %.3f\n", sum / static_cast<double>(levels.size()));
  for (int i = 0; i < kShownSlowest && i < static_cast<int>(levels.size()); i++) {
    std::printf("level %d of world %d: %.3f ms, %d bubbles\n", levels[i].index, levels[i].world,
                levels[i].ms, levels[i].bubbles);
  }
  std::printf("level_build_ms_max: %.3f\n", levels.front().ms);
  context.close();
  fs::remove_all(save);
  return 0;
}
