// The game program on the fixed clock, once per level type: a script written here boots, opens
// the level chooser from the main menu ("Level select"), moves to world 9 (up three times from
// the first world), whose levels 1 to 9 hold types 0, 4, 5, 6, 7, 8, 3, 1 and 2, chooses the
// level of the type, taps the loading screen's prompt and closes the boxes the level opens
// with. Each run reaches play (phase 9) in state 17, and a second run gives the same
// screenshot bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/platform/program_process.h"
#include "tests/support/file_roots_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMaxOpeningBoxes = 3;

class LevelTypesPlayTest : public FileRootsTest {
 protected:
  struct Run {
    std::string trace;
    std::string screenshot;
  };
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
    return {ProgramProcess::ReadFile(trace.string()), ProgramProcess::ReadFile(shot.string())};
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
  }
}

}  // namespace
