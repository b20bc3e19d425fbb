// The main menu and the options as plain lists: moving with wrap, choosing by fire or by a tap
// on a row, the states the chosen items open, and back from the options.
#include <gtest/gtest.h>

#include <vector>

#include "tests/game/world/screen_fixture.h"

namespace {

class InterimMenuTest : public ScreenTest {
 protected:
  static void MainMenu(int32_t message) { cGame::stateMainMenu(message); }
  static void Options(int32_t message) { cGame::stateMenu10(message); }
};

TEST_F(InterimMenuTest, KeysOrATapChooseAnItemAndItsStateOpens) {
  struct Case {
    const char* what;
    void (*handler)(int32_t);
    std::vector<int32_t> keys;
    int32_t nextState;
  };
  // Main menu: 209, 60, 62, 74, 64, 67; options: 186, 184, 188, 191, 65, 66, 182.
  const Case kCases[] = {
      {"the fourth item opens the chooser", MainMenu, {2, 2, 2, 5}, 8},
      {"up from the first wraps to the last", MainMenu, {1, 1, 1, 11}, 8},
      {"the options", MainMenu, {2, 2, 2, 2, 18}, 10},
      {"an item without its screen yet", MainMenu, {5}, -1},
      {"about, from the options", Options, {8, 8, 14, 5}, -1},
      {"about is the sixth option", Options, {2, 2, 2, 2, 2, 5}, 18},
      {"back from the options", Options, {cGame::kRightSoftKey}, 6},
      {"back in the main menu does nothing", MainMenu, {cGame::kRightSoftKey}, -1},
  };
  for (const Case& c : kCases) {
    s->cGame_nextState = -1;
    c.handler(cGame::kStateEnter);
    for (const int32_t k : c.keys) Update(c.handler, k);
    EXPECT_EQ(s->cGame_nextState, c.nextState) << c.what;
  }
}

TEST_F(InterimMenuTest, ATapOnARowChoosesItAndThePaintHighlightsTheSelection) {
  MainMenu(cGame::kStateEnter);
  Update(MainMenu, 2);
  MainMenu(cGame::kStatePaint);
  const std::vector<int32_t> row = BoxOf(0x222222);
  ASSERT_NE(row[0], -1);
  EXPECT_EQ(std::vector<int32_t>({row[0], row[2]}), std::vector<int32_t>({0, 479}));
  // Two rows further down is the fourth item, the chooser.
  const int32_t height = row[3] - row[1] + 1;
  s->cGame_tapX = 240;
  s->cGame_tapY = (row[1] + row[3]) / 2 + 2 * height;
  Update(MainMenu);
  EXPECT_EQ(s->cGame_nextState, 8);
  EXPECT_EQ(s->cGame_menuSelection, 3);
}

}  // namespace
