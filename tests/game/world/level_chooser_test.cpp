// The level chooser over the data set's body font and texts: keys that move the highlight and
// wrap, the stored level kept inside the chosen world, a tap on a number, confirm and back
// through the pending load, the exit, and the painted field, panel, highlight and name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/string.h"
#include "tests/game/world/screen_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kCursorEntry = 11;
constexpr int32_t kHighlight = 0x222222;
constexpr int32_t kPanelBlue = 0x0000FF;

class LevelChooserTest : public ScreenTest {
 protected:
  static void Chooser(int32_t message) { cGame::statePreGame(message); }
  void Enter() {
    Chooser(cGame::kStateEnter);
    Update(Chooser, -1, 250);  // the fade-in ends
  }
  int32_t Selected() const { return s->cGame_mapCursorByWorld->elements()[kCursorEntry]; }
  void Select(int32_t world, int32_t level) {
    s->cGame_chooserWorld = world;
    s->cGame_mapCursorByWorld->elements()[kCursorEntry] = level;
  }
  int32_t WidthOf(String* text) const {
    Font()->getStringSize(text, nullptr);
    return s->ASprite_textWidth;
  }
  // Where number n (1-based) of row r is drawn: left edge and vertical centre, and its width.
  // The block of the widest label, 12 px and the longest row of numbers, each 6 px after the
  // one before, is centred on the screen.
  std::tuple<int32_t, int32_t, int32_t> NumberAt(int32_t r, int32_t n) const {
    int32_t labels = 0;
    for (int32_t row = 1; row <= 8; row++) {
      labels = std::max(labels, WidthOf(GetConstantString(276)->concat(String::valueOf(row))));
    }
    auto numbersBefore = [this](int32_t count) {
      int32_t w = 0;
      for (int32_t k = 1; k <= count; k++) w += WidthOf(String::valueOf(k)) + 6;
      return w;
    };
    const int32_t block = labels + 12 + numbersBefore(13) - 6;
    const int32_t x = 240 - block / 2 + labels + 12 + numbersBefore(n - 1);
    Font()->getStringSize(GetConstantString(276)->concat(String::valueOf(1)), nullptr);
    const int32_t rowY = 80 + (r + 1) * s->ASprite_textHeight;
    return {x, rowY, WidthOf(String::valueOf(n))};
  }
  void Paint() {
    screen_->fill(0xFFFF);
    s->cGame_fullRedraw = true;
    Chooser(cGame::kStatePaint);
  }
  // The highlight lies round number n of row r, a pixel beyond the text (and 4 more on each
  // side for two digits).
  void ExpectHighlightOn(int32_t r, int32_t n) {
    Paint();
    const auto [x, y, w] = NumberAt(r, n);
    const std::vector<int32_t> box = BoxOf(kHighlight);
    const int32_t widen = n >= 10 ? 4 : 0;
    EXPECT_NEAR(box[0], x - 1 - widen, 1) << "number " << n;
    EXPECT_NEAR(box[2], x + w + widen, 1) << "number " << n;
    EXPECT_NEAR((box[1] + box[3]) / 2, y, 1) << "row " << r;
  }
};

TEST_F(LevelChooserTest, KeysMoveTheHighlightAndWrapRoundWorldsAndLevels) {
  struct Case {
    const char* what;
    int32_t world, level;
    std::vector<int32_t> keys;
    int32_t endWorld, endLevel;
  };
  const Case kCases[] = {
      {"up from world 0 gives world 10", 0, 0, {1}, 10, 0},
      {"down from world 10 gives world 0", 10, 0, {2}, 0, 0},
      {"level 13 of world 3 taken to world 8 becomes 10", 3, 12, {2, 2, 2, 2, 2}, 8, 9},
      {"left from level 1 gives the last", 0, 0, {3}, 0, 12},
      {"right from the last gives level 1", 0, 12, {4}, 0, 0},
      {"the other keys of each move", 8, 0, {10, 12, 12, 14, 8}, 8, 1},
      {"a world of one level", 10, 0, {4, 3}, 10, 0},
      {"other keys change nothing", 2, 5, {6, 7, 9, 13, 15}, 2, 5},
  };
  for (const Case& c : kCases) {
    Enter();
    Select(c.world, c.level);
    for (const int32_t k : c.keys) Update(Chooser, k);
    EXPECT_EQ(std::make_tuple(s->cGame_chooserWorld, Selected()),
              std::make_tuple(c.endWorld, c.endLevel))
        << c.what;
    EXPECT_EQ(s->cGame_pendingAction, 0) << c.what;
  }
}

// A reset progress leaves -2 in the entry: confirming must never ask for level -2.
TEST_F(LevelChooserTest, TheStoredLevelIsHighlightedAndKeptInsideTheWorld) {
  s->cGame_mapCursorByWorld->elements()[kCursorEntry] = 7;
  cGame::saveProgress();
  cGame::resetProgressTables();
  cGame::loadProgress();
  Enter();
  EXPECT_EQ(Selected(), 7);
  ExpectHighlightOn(0, 8);
  for (const auto& [stored, shown] : std::vector<std::pair<int32_t, int32_t>>{{-2, 1}, {40, 13}}) {
    s->cGame_mapCursorByWorld->elements()[kCursorEntry] = stored;
    Enter();
    EXPECT_EQ(Selected(), shown - 1) << stored;
    ExpectHighlightOn(0, shown);
  }
  Select(4, 10);
  ExpectHighlightOn(4, 11);
}

TEST_F(LevelChooserTest, TheNinthWorldHighlightsNothingAndConfirmingAsksForItsLevel) {
  Enter();
  Select(9, 4);
  Paint();
  EXPECT_EQ(BoxOf(kHighlight)[0], -1);
  s->cGame_sfxEnabled = true;
  s->cGame_campaignPlay = 1;  // left set by a level played from its map
  TraceCapture trace;
  Update(Chooser, 5);
  EXPECT_EQ(std::make_tuple(s->cGame_currentWorld, s->cGame_currentLevel, s->cGame_pendingAction,
                            s->cGame_loadKind, s->cGame_stateAfterLoad),
            std::make_tuple(9, 4, 1, 2, 17));
  EXPECT_FALSE(s->cGame_levelPassedFlag);
  EXPECT_EQ(s->cGame_campaignPlay, 0) << "a level started here is no map play";
  // Without sound data the one-track player says which sound it was asked for.
  EXPECT_TRUE(trace.contains("cGame::playSound: sound 14 has no data; nothing plays"));
  // The fade-out ends in the loading state.
  for (int32_t i = 0; i < 5; i++) Update(Chooser);
  EXPECT_EQ(s->cGame_nextState, 4);
}

// Between any two numbers of a row stands a column of bare panel, so no two numbers run
// together. The rows stay inside the panel's outline, the same distance from either side.
TEST_F(LevelChooserTest, TheNumbersStandApartAndTheRowsAreCentredInThePanel) {
  Enter();
  const uint16_t blue = javax_microedition_lcdui_Graphics::Rgb888ToRgb565(kPanelBlue);
  Select(9, 0);
  Paint();
  auto bareColumn = [&](int32_t x, int32_t y) {
    for (int32_t dy = -14; dy <= 14; dy++) {
      if (screen_->at(x, y + dy) != blue) return false;
    }
    return true;
  };
  for (int32_t n = 1; n < 13; n++) {
    const auto [x, y, w] = NumberAt(0, n);
    const auto [nextX, nextY, nextW] = NumberAt(0, n + 1);
    bool apart = false;
    for (int32_t c = x + w / 2; c < nextX + nextW / 2 && !apart; c++) apart = bareColumn(c, y);
    EXPECT_TRUE(apart) << "numbers " << n << " and " << n + 1;
  }
  const auto [x1, top, w1] = NumberAt(0, 1);
  const auto [x8, bottom, w8] = NumberAt(7, 1);
  int32_t left = 480, right = -1;
  for (int32_t y = top - 10; y <= bottom + 10; y++) {
    for (int32_t x = 0; x < 480; x++) {
      if (screen_->at(x, y) == blue || screen_->at(x, y) == 0x0000) continue;
      if (x == 24 || x == 455) continue;  // the panel's outline
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_GT(left, 24);
  EXPECT_LT(right, 455);
  EXPECT_NEAR(left - 24, 455 - right, 3) << "left " << left << ", right " << right;
}

TEST_F(LevelChooserTest, ATapOnANumberSelectsItsWorldAndLevel) {
  Enter();
  const auto [x, y, w] = NumberAt(2, 11);
  s->cGame_pointerX = x + w / 2;
  s->cGame_pointerY = y;
  Update(Chooser);
  EXPECT_EQ(std::make_tuple(s->cGame_chooserWorld, Selected()), std::make_tuple(2, 10));
  // Between two numbers nothing is hit.
  const auto [x1, y1, w1] = NumberAt(5, 1);
  s->cGame_pointerX = x1 + w1 + 4;
  s->cGame_pointerY = y1;
  Update(Chooser);
  EXPECT_EQ(std::make_tuple(s->cGame_chooserWorld, Selected()), std::make_tuple(2, 10));
}

TEST_F(LevelChooserTest, BackAsksForTheMainMenuAndTheExitForgetsTheWorld) {
  Enter();
  Select(3, 2);
  Update(Chooser, cGame::kRightSoftKey);
  EXPECT_EQ(std::make_tuple(s->cGame_pendingAction, s->cGame_loadKind, s->cGame_stateAfterLoad),
            std::make_tuple(1, 1, 6));
  Chooser(cGame::kStateExit);
  EXPECT_EQ(s->cGame_launchState, 8);
  EXPECT_EQ(s->cGame_chooserWorld, -1);
  EXPECT_EQ(Selected(), 2) << "the choice stays for the next visit";
}

TEST_F(LevelChooserTest, ThePaintShowsABlackFieldTheBluePanelAndTheLevelsName) {
  Enter();
  Paint();
  EXPECT_EQ(screen_->at(2, 2), 0x0000);
  const std::vector<int32_t> panel = BoxOf(kPanelBlue);
  EXPECT_EQ(panel, (std::vector<int32_t>{25, 61, 454, 778})) << "inside its white outline";
  EXPECT_EQ(screen_->at(24, 60), 0xFFFF);
  // The name below the rows follows the highlight: level 1 of world 1 is the 14th.
  const auto [x, lastY, w] = NumberAt(7, 1);
  auto nameBand = [this, lastY = lastY] {
    std::vector<uint16_t> band;
    for (int32_t y = lastY + 8; y < lastY + 32; y++) {
      for (int32_t x = 30; x < 450; x++) band.push_back(screen_->at(x, y));
    }
    return band;
  };
  const std::vector<uint16_t> first = nameBand();
  Select(1, 0);
  Paint();
  EXPECT_NE(nameBand(), first);
  Select(9, 0);
  Paint();
  const std::vector<uint16_t> none = nameBand();
  EXPECT_EQ(std::count(none.begin(), none.end(), 0xFFFF), 0) << "no name outside the rows";
}

}  // namespace
