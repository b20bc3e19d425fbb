// The game program on the fixed clock with the scripted plays of tests/e2e/ (play_win.input,
// play_lose.input, aim_guide.input): from the boot through the chooser into a plain level of
// the first world, its opening to play, shots by key, drag and tap, the level won by a clear
// board or lost at the danger line, its end to the chooser, and the aim guide aimed three
// ways; the state, phase and stage changes in the trace in their order, and the same changes
// and the same screenshot bytes on a second run.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/platform/program_process.h"
#include "tests/support/file_roots_fixture.h"

namespace {

namespace fs = std::filesystem;

class PlayScriptsTest : public FileRootsTest {
 protected:
  struct Run {
    std::string trace;
    std::string screenshot;
  };
  Run Play(const std::string& script, int frames, const std::string& tag) {
    const fs::path shot = base_ / (script + tag + ".png");
    const fs::path trace = base_ / (script + tag + ".txt");
    ProgramProcess game(PLIMORA_PROGRAM_PATH,
                        {"--headless", "--fixed-clock", "--save", (base_ / (script + tag)).string(),
                         "--data", PLIMORA_DATA_PATH, "--input",
                         std::string(PLIMORA_E2E_DIR) + "/" + script + ".input", "--frames",
                         std::to_string(frames), "--screenshot", shot.string(), "--trace",
                         trace.string()},
                        (base_ / "out.txt").string());
    EXPECT_EQ(game.wait(), 0) << game.output();
    return {ProgramProcess::ReadFile(trace.string()), ProgramProcess::ReadFile(shot.string())};
  }
  // The trace's state, phase and stage changes, in their order.
  static std::vector<std::string> Changes(const std::string& trace) {
    std::vector<std::string> changes;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("state ", 0) == 0 || line.rfind("play phase ", 0) == 0 ||
          line.rfind("stage end ", 0) == 0) {
        changes.push_back(line);
      }
    }
    return changes;
  }
};

TEST_F(PlayScriptsTest, EachScriptPlaysItsLevelToTheEndAndBackToTheChooserTheSameOnEveryRun) {
  // The way in, shared by both: the boot's states, the chooser, the level's load, the
  // opening without dialogue (2 -> 3), the start banner (3 to 7) and play.
  const std::vector<std::string> kWayIn = {
      "state 1 -> 2",      "state 2 -> 3",      "state 3 -> 4 (load kind 0)",
      "state 4 -> 5",      "state 5 -> 6",      "state 6 -> 8",
      "state 8 -> 4 (load kind 2)",             "state 4 -> 17",
      "play phase 0 -> 2", "play phase 2 -> 3", "play phase 3 -> 4",
      "play phase 4 -> 5", "play phase 5 -> 7", "play phase 7 -> 9"};
  // Won: the cleared board ends the only stage before play ends, then the rating, no unlock
  // banner, the fireworks, the closing line, no award, the level-end screen; lost: the
  // closing line and the retry question, answered no. Either way the level is left for the
  // chooser it was started from, with no load after the unload.
  const std::vector<std::string> kWon = {
      "stage end 1",         "play phase 9 -> 10",  "play phase 10 -> 11",
      "play phase 11 -> 12", "play phase 12 -> 16", "play phase 16 -> 17",
      "play phase 17 -> 19", "play phase 19 -> 20", "play phase 20 -> 21",
      "play phase 21 -> 23", "state 17 -> 4 (load kind 15)", "state 4 -> 8"};
  const std::vector<std::string> kLost = {
      "play phase 9 -> 10",  "play phase 10 -> 11", "play phase 11 -> 12",
      "play phase 12 -> 16", "play phase 16 -> 17", "play phase 17 -> 22",
      "play phase 22 -> 23", "state 17 -> 4 (load kind 15)", "state 4 -> 8"};
  struct Case {
    const char* script;
    int frames;
    const std::vector<std::string>& end;
  };
  const Case kCases[] = {{"play_win", 1500, kWon}, {"play_lose", 2100, kLost}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.script);
    const Run first = Play(c.script, c.frames, "a");
    std::vector<std::string> expected = kWayIn;
    expected.insert(expected.end(), c.end.begin(), c.end.end());
    EXPECT_EQ(Changes(first.trace), expected) << first.trace;
    EXPECT_FALSE(first.screenshot.empty());

    const Run second = Play(c.script, c.frames, "b");
    EXPECT_EQ(Changes(second.trace), expected);
    EXPECT_EQ(second.screenshot, first.screenshot);
  }
}

TEST_F(PlayScriptsTest, TheAimGuideFollowsTheAimLeftStraightAndRightTheSameOnEveryRun) {
  const int kFrames[] = {760, 820, 860};  // aimed left by key, straight and right by stylus
  std::vector<std::string> shots;
  for (const int frames : kFrames) {
    SCOPED_TRACE(frames);
    const Run first = Play("aim_guide", frames, "a" + std::to_string(frames));
    ASSERT_FALSE(first.screenshot.empty());
    EXPECT_EQ(Play("aim_guide", frames, "b" + std::to_string(frames)).screenshot,
              first.screenshot);
    for (const std::string& earlier : shots) EXPECT_NE(first.screenshot, earlier);
    shots.push_back(first.screenshot);
  }
}

}  // namespace
