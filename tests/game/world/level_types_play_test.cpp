// The game program on the fixed clock, once per level type: a script written here boots, opens
// the level chooser from the main menu ("Level select"), moves to world 9 (up three times from
// the first world), whose levels 1 to 9 hold types 0, 4, 5, 6, 7, 8, 3, 1 and 2, chooses the
// level of the type, taps the loading screen's prompt and closes the boxes the level opens
// with. Each run reaches play (phase 9) in state 17, and a second run gives the same
// screenshot bytes. In level types 0, 2 and 3 the screenshot shows each bubble that the same
// level puts below the HUD panel where a build in this process puts it: the level loaded and
// built as the loader does, stepped once as the world steps it and its bubble field painted,
// matches the screenshot at each such bubble's centre and at four points 11 px from it. Each
// bunch's core is left out, since the bunch's anchor is drawn over it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/game/world/level_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/platform/program_process.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/screenshot_file.h"
#include "tools/databuild/loader_sprites.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMaxOpeningBoxes = 3;
constexpr int kChooserWorld = 8;  // the chooser's ninth world
constexpr int32_t kPlain = 1;
constexpr int32_t kScreenWidth = 480, kScreenHeight = 800;
constexpr int32_t kRadius = 17;  // px, of a bubble's disc
constexpr int32_t kReach = 11;   // px from the centre: on the disc, off its symbol
constexpr uint16_t kGround = 0x0841;

class LevelTypesPlayTest : public LevelBuildTest {
 protected:
  struct Run {
    std::string trace;
    std::string screenshot;
    fs::path shot;
  };
  void SetUp() override {
    LevelBuildTest::SetUp();
    LoadEffectSprites();
  }
  // The script into level `index` of world 9, with `boxes` fire presses 100 passes apart once
  // the level's prompt has been tapped; the frame count the run plays.
  int WriteScript(const fs::path& path, int index, int boxes) {
    std::ofstream out(path);
    // The logo, the sound question answered yes, the title, the main menu down to its fourth
    // entry, fire: the chooser opens on level 1 of the first world.
    out << "130 key press up\n140 key press enter\n270 key press enter\n"
           "320 key press down\n330 key press down\n340 key press down\n350 key press enter\n";
    out << "430 key press up\n440 key press up\n450 key press up\n";
    int frame = 460;
    for (int i = 0; i < index; i++, frame += 10) out << frame << " key press right\n";
    out << frame << " key press enter\n";
    out << frame + 200 << " tap 240 680\n";  // the loading screen's prompt
    for (int b = 1; b <= boxes; b++) out << 800 + 100 * b << " key press enter\n";
    return 1100 + 100 * boxes;
  }
  Run Play(int index, int boxes, const std::string& tag) {
    const std::string name = "level" + std::to_string(index) + "_" + tag;
    const fs::path script = base_ / (name + ".input");
    const int frames = WriteScript(script, index, boxes);
    const fs::path shot = base_ / (name + ".png"), trace = base_ / (name + ".txt");
    ProgramProcess game(PLIMORA_PROGRAM_PATH,
                        {"--headless", "--fixed-clock", "--save", (base_ / name).string(), "--data",
                         PLIMORA_DATA_PATH, "--input", script.string(), "--frames",
                         std::to_string(frames), "--screenshot", shot.string(), "--trace",
                         trace.string()},
                        (base_ / "out.txt").string());
    EXPECT_EQ(game.wait(), 0) << game.output();
    return {ProgramProcess::ReadFile(trace.string()), ProgramProcess::ReadFile(shot.string()),
            shot};
  }
  // Level `index` of the chooser's world built and stepped once, its bubble field painted on
  // canvas over kGround; the bubbles below the HUD panel that are no bunch's core.
  std::vector<const Bubble*> PaintBuilt(int index, Canvas& canvas) {
    TraceCapture trace;
    // The program seeds the generators at its start, at time 0 on the fixed clock, and its
    // first level finds the pool in the order it was made; a wave level's rows draw in it.
    cGame::setRandomSeed(0);
    Bubble::resetPool();
    for (int32_t i = 0; i < Bubble::kPoolSize; i++) {
      s->Bubble_activeBubbles->elements()[i] = Bubble::getPooled(i);
    }
    cGame::loadLevelData(index, kChooserWorld);
    s->cGame_levelVariant = kPlain;
    cActor::createPool();
    cGame::buildLevel();
    s->cGame_frameTime = 0;
    cGame::updateWorldObjects();
    EXPECT_TRUE(trace.lines().empty()) << trace.lines().front();
    canvas.fill(kGround);
    s->cGame_drawGraphics = canvas.graphics;
    cGame::paintBubbleField();
    std::vector<const Bubble*> shown;
    for (Bubble* b : Live()) {
      const bool core = b->bunch >= 0 && Bunch(b->bunch)->core == b;
      if (!core && b->pixelY - kRadius >= databuild::kHudPanelHeight) shown.push_back(b);
    }
    return shown;
  }
  void ExpectBubblesWhereBuilt(int index, const fs::path& shot) {
    Canvas built(kScreenWidth, kScreenHeight);
    const std::vector<const Bubble*> shown = PaintBuilt(index, built);
    const std::vector<uint16_t> screen = ReadScreenshot(shot);
    ASSERT_FALSE(screen.empty());
    EXPECT_FALSE(shown.empty());
    for (const Bubble* b : shown) {
      for (auto [dx, dy] :
           {std::pair{0, 0}, {kReach, 0}, {-kReach, 0}, {0, kReach}, {0, -kReach}}) {
        const int32_t x = b->pixelX + dx, y = b->pixelY + dy;
        ASSERT_TRUE(x >= 0 && x < kScreenWidth && y < kScreenHeight);
        ASSERT_NE(built.at(x, y), kGround) << "the build paints a disc at " << x << ", " << y;
        EXPECT_EQ(screen[x + kScreenWidth * y], built.at(x, y))
            << "the bubble at " << b->pixelX << ", " << b->pixelY << ", at " << dx << ", " << dy;
      }
    }
  }
  static bool Plays(const Run& run) {
    const size_t entered = run.trace.find("state 4 -> 17");
    return entered != std::string::npos &&
           run.trace.find("play phase 7 -> 9", entered) != std::string::npos;
  }
};

TEST_F(LevelTypesPlayTest, EveryLevelTypeReachesPlayTheSameOnEveryRun) {
  struct Case {
    int type, index;  // the level of world 9 of that type
  };
  const Case kCases[] = {{0, 0}, {4, 1}, {5, 2}, {6, 3}, {7, 4}, {8, 5}, {3, 6}, {1, 7}, {2, 8}};
  for (const Case& c : kCases) {
    SCOPED_TRACE("level type " + std::to_string(c.type));
    // Levels open with up to a few boxes of text, each closed by fire; the fewest presses
    // that lead into play are the script, so no press fires a shot.
    int boxes = 0;
    Run first = Play(c.index, boxes, "a0");
    while (!Plays(first) && boxes < kMaxOpeningBoxes) {
      boxes++;
      first = Play(c.index, boxes, "a" + std::to_string(boxes));
    }
    ASSERT_TRUE(Plays(first)) << first.trace;
    ASSERT_FALSE(first.screenshot.empty());
    EXPECT_EQ(Play(c.index, boxes, "b").screenshot, first.screenshot);
    if (c.type == 0 || c.type == 2 || c.type == 3) ExpectBubblesWhereBuilt(c.index, first.shot);
  }
}

}  // namespace
