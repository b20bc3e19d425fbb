// The menu states over the data set's layouts: for each state and each choice, what the fade
// is asked to do (the state after it, or the load with its chain), what is remembered and
// which sounds are asked; keys wait for a fade while touch actions do not, back from the
// in-game options leads to the map's pause only after it, and a popup's answer acts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/layout_writer.h"

namespace {

constexpr int32_t kNone = -1;
constexpr int32_t kTouchSelect = 11;
constexpr int32_t kBack = 19;

using Handler = void (*)(int32_t);

// What a state's update asked for.
struct Request {
  int32_t pendingAction = 0;
  int32_t stateAfterLoad = kNone;
  int32_t loadKind = kNone;
  int32_t chainedKind = kNone;
  int32_t chainedState = kNone;
};

Request GoTo(int32_t state) {
  return {4, state};
}

Request LoadInto(int32_t kind, int32_t state) {
  return {1, state, kind};
}

Request Chain(int32_t kind, int32_t chainedKind, int32_t chainedState) {
  return {1, 4, kind, chainedKind, chainedState};
}

class MenuStatesTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    if (!s->cGame_menuLists) cGame::clinitTables();
    const std::vector<std::vector<uint8_t>> entries = databuild::LayoutEntries();
    cGame::initMenuTables();
    cGame::parseLayout(ManagedBytes(entries[0]));
    for (int32_t t = 1; t < 20; t++) cGame::parseLayoutTable(t, ManagedBytes(entries[t]));
    cGame::assignAnimationSlots();
    cGame::initProgressTables();
    s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
    s->cGame_spriteTable = NewObjectArray(cid::Object, 63);
    s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
    s->cGame_sfxEnabled = true;
    s->cGame_musicEnabled = true;
  }
  // The state entered with launchState `from`, its fade done, then `entry` chosen by touch.
  Request Choose(Handler state, int32_t from, int32_t entry) {
    Enter(state, from);
    const int32_t index = IndexOf(entry);
    EXPECT_GE(index, 0) << "entry " << entry << " is not in the list";
    s->cGame_menuSelection = index;
    return Act(state, kTouchSelect);
  }
  void Enter(Handler state, int32_t from) {
    Reset();
    s->cGame_launchState = from;
    state(cGame::kStateEnter);
    s->cGame_fadeDirection = 0;
    s->cGame_fadeTime = 200;
  }
  Request Act(Handler state, int32_t action) {
    Reset();
    s->cGame_touchAction = action;
    s->cGame_frameTime = 0;
    state(cGame::kStateUpdate);
    return {s->cGame_pendingAction, s->cGame_stateAfterLoad, s->cGame_loadKind,
            s->cGame_chainedLoadKind, s->cGame_chainedStateAfterLoad};
  }
  void Reset() {
    s->cGame_pendingAction = 0;
    s->cGame_stateAfterLoad = s->cGame_loadKind = kNone;
    s->cGame_chainedLoadKind = s->cGame_chainedStateAfterLoad = kNone;
    s->cGame_touchAction = cGame::kNoTouchAction;
    s->cGame_touchActionTaken = false;
  }
  int32_t IndexOf(int32_t entry) {
    for (int32_t i = 0; i < s->cGame_menuItemCount; i++) {
      if ((s->cGame_menuItems->elements()[i] & 0x0FFFFFFF) == entry) return i;
    }
    return -1;
  }
  static std::vector<int32_t> Sounds(const TraceCapture& trace) {
    std::vector<int32_t> ids;
    const std::string prefix = "cGame::playSound: sound ";
    for (const std::string& line : trace.lines()) {
      if (line.rfind(prefix, 0) == 0) ids.push_back(std::stoi(line.substr(prefix.size())));
    }
    return ids;
  }
  int32_t Remembered(int32_t list) { return s->cGame_menuSavedSelection->elements()[list]; }

  GameStatics* s = nullptr;
};

void ExpectRequest(const Request& got, const Request& want) {
  EXPECT_EQ(got.pendingAction, want.pendingAction);
  EXPECT_EQ(got.stateAfterLoad, want.stateAfterLoad);
  EXPECT_EQ(got.loadKind, want.loadKind);
  EXPECT_EQ(got.chainedKind, want.chainedKind);
  EXPECT_EQ(got.chainedState, want.chainedState);
}

TEST_F(MenuStatesTest, EachChoiceAsksItsStateOrLoad) {
  struct Case {
    const char* state;
    Handler handler;
    int32_t from, entry;
    Request request;
  };
  const Case kCases[] = {
      {"main menu: play", cGame::stateMainMenu, 0, 209, LoadInto(10, 20)},
      {"main menu: new game", cGame::stateMainMenu, 0, 60, GoTo(22)},
      {"main menu: extras", cGame::stateMainMenu, 0, 62, GoTo(27)},
      {"main menu: options", cGame::stateMainMenu, 0, 64, GoTo(10)},
      {"options: help", cGame::stateMenu10, 0, 65, Chain(25, 9, 29)},
      {"options: about", cGame::stateMenu10, 0, 66, GoTo(18)},
      {"sound choice: on", cGame::stateMenu12, 0, 34, GoTo(10)},
      {"pause: resume", cGame::statePauseMenu, 0, 210, GoTo(17)},
      {"pause: options", cGame::statePauseMenu, 0, 64, GoTo(14)},
      {"in-game options: help", cGame::stateMenu14, 13, 65, GoTo(30)},
      {"map pause: resume", cGame::stateMenu32, 9, 210, GoTo(9)},
      {"extras: extra levels", cGame::stateMenu27, 6, 71, Chain(25, 8, 28)},
      {"extras: challenge", cGame::stateMenu27, 6, 70, Chain(25, 2, 17)},
      {"extras: awards", cGame::stateMenu27, 6, 636, Chain(25, 13, 24)},
      {"extras: statistics", cGame::stateMenu27, 6, 228, Chain(25, 14, 26)},
      {"modes: characters", cGame::stateMenu23, 6, 72, Chain(17, 4, 22)},
      {"modes: help", cGame::stateMenu23, 6, 65, Chain(17, 9, 29)},
      {"modes: statistics", cGame::stateMenu23, 6, 228, GoTo(26)},
      {"modes: unlockables", cGame::stateMenu23, 6, 689, GoTo(25)},
      {"modes: awards", cGame::stateMenu23, 6, 636, GoTo(24)},
      {"world select", cGame::stateMenu20, 6, 193, Chain(21, 6, 9)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.state);
    ExpectRequest(Choose(c.handler, c.from, c.entry), c.request);
  }
  EXPECT_EQ(s->cGame_launchState, 20) << "the world select starts the map";
}

TEST_F(MenuStatesTest, BackLeadsWhereTheScreenWasStartedFrom) {
  struct Case {
    const char* state;
    Handler handler;
    int32_t from;
    Request request;
  };
  const Case kCases[] = {
      {"options", cGame::stateMenu10, 6, GoTo(6)},
      {"sound choice", cGame::stateMenu12, 10, GoTo(10)},
      {"pause", cGame::statePauseMenu, 9, GoTo(17)},
      {"in-game options after the map pause", cGame::stateMenu14, 32, GoTo(32)},
      {"in-game options after the pause", cGame::stateMenu14, 13, GoTo(13)},
      {"in-game options after the map", cGame::stateMenu14, 9, GoTo(13)},
      {"after-level", cGame::stateLevelEnd, 17, GoTo(14)},
      {"world select", cGame::stateMenu20, 6, Chain(21, 1, 6)},
      {"character select from the menu", cGame::stateMenu22, 6, Chain(16, 1, 6)},
      {"character select from the map", cGame::stateMenu22, 9, Chain(16, 6, 9)},
      {"character select from the modes", cGame::stateMenu22, 23, Chain(16, 5, 23)},
      {"modes from the menu", cGame::stateMenu23, 6, LoadInto(17, 6)},
      {"modes from the map", cGame::stateMenu23, 9, Chain(17, 6, 9)},
      {"awards from the extras", cGame::stateMenu24, 27, Chain(23, 1, 27)},
      {"awards from the modes", cGame::stateMenu24, 23, GoTo(23)},
      {"unlockables", cGame::stateMenu25, 23, GoTo(23)},
      {"statistics from the extras", cGame::stateMenu26, 27, Chain(24, 1, 27)},
      {"extras", cGame::stateMenu27, 6, GoTo(6)},
      {"extra grid", cGame::stateMenu28, 27, Chain(19, 1, 27)},
      {"help from the modes", cGame::stateMenu29, 23, Chain(20, 5, 23)},
      {"help from the options", cGame::stateMenu29, 10, Chain(20, 1, 10)},
      {"list 19", cGame::stateMenu30, 14, GoTo(14)},
      {"map pause", cGame::stateMenu32, 9, GoTo(9)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.state);
    Enter(c.handler, c.from);
    ExpectRequest(Act(c.handler, kBack), c.request);
  }
}

// A key waits while the fade runs; a touch action is taken at once.
TEST_F(MenuStatesTest, KeysWaitForTheFadeButTouchActionsDoNot) {
  cGame::stateMenu10(cGame::kStateEnter);
  ASSERT_EQ(s->cGame_fadeDirection, 1) << "entering fades in";
  s->cGame_keysLatched->elements()[kBack] = -1;  // released this frame
  Reset();
  s->cGame_frameTime = 0;
  cGame::stateMenu10(cGame::kStateUpdate);
  EXPECT_EQ(s->cGame_pendingAction, 0);
  s->cGame_keysLatched->elements()[kBack] = 0;
  ExpectRequest(Act(cGame::stateMenu10, kBack), GoTo(6));
}

TEST_F(MenuStatesTest, ClicksAndMusicOnlyWhenOn) {
  struct Case {
    bool sfx, music;
    std::vector<int32_t> sounds;
  };
  for (const Case& c : {Case{true, true, {0, 14}}, Case{false, true, {0}}, Case{true, false, {14}},
                        Case{false, false, {}}}) {
    SCOPED_TRACE(std::to_string(c.sfx) + "/" + std::to_string(c.music));
    s->cGame_sfxEnabled = c.sfx;
    s->cGame_musicEnabled = c.music;
    TraceCapture trace;
    Choose(cGame::stateMainMenu, 0, 62);
    EXPECT_EQ(Sounds(trace), c.sounds) << "music 0 at the start, the click of a choice";
  }
}

// Exit remembers the selection of the state's list; launchState is written by the states that
// start others.
TEST_F(MenuStatesTest, ExitRemembersTheSelectionAndTheLaunchState) {
  struct Case {
    Handler handler;
    int32_t list, entry, launchState;
  };
  for (const Case c : {Case{cGame::stateMainMenu, 0, 64, 6}, Case{cGame::stateMenu27, 13, 636, 27},
                       Case{cGame::stateMenu23, 9, 689, 23}, Case{cGame::stateMenu32, 20, 224, 32},
                       Case{cGame::stateMenu10, 5, 66, 99}}) {
    SCOPED_TRACE(c.list);
    Enter(c.handler, 99);
    s->cGame_menuSelection = IndexOf(c.entry);
    c.handler(cGame::kStateExit);
    EXPECT_EQ(Remembered(c.list), IndexOf(c.entry));
    EXPECT_EQ(s->cGame_launchState, c.launchState);
  }
}

TEST_F(MenuStatesTest, OptionsToggleTheSettingsAndShowTheWayBack) {
  Enter(cGame::stateMenu10, 6);
  ASSERT_GE(IndexOf(185), 0) << "effects are on: the entry turns them off";
  s->cGame_menuSelection = IndexOf(185);
  Act(cGame::stateMenu10, kTouchSelect);
  EXPECT_FALSE(s->cGame_sfxEnabled);
  EXPECT_GE(IndexOf(186), 0);
  s->cGame_menuSelection = IndexOf(192);
  Act(cGame::stateMenu10, kTouchSelect);
  EXPECT_FALSE(s->cGame_levelIntroTextsEnabled);
  EXPECT_GE(IndexOf(191), 0);
}

TEST_F(MenuStatesTest, PopupAnswersAct) {
  struct Case {
    const char* what;
    Handler handler;
    int32_t from, popup;
    bool yes;
    Request request;
  };
  const Case kCases[] = {
      {"leave the level from the map", cGame::statePauseMenu, 9, 226, true, Chain(15, 6, 9)},
      {"leave the level from the grid", cGame::statePauseMenu, 28, 226, true, Chain(15, 8, 28)},
      {"leave the level from the chooser", cGame::statePauseMenu, 8, 226, true, LoadInto(15, 8)},
      {"leave the level from the extras", cGame::statePauseMenu, 27, 226, true, Chain(15, 1, 27)},
      {"leave the level from elsewhere", cGame::statePauseMenu, 6, 226, true, Chain(15, 1, 6)},
      {"pause: to the menu", cGame::statePauseMenu, 9, 212, true, Chain(15, 1, 6)},
      {"map pause: to the menu", cGame::stateMenu32, 9, 212, true, Chain(18, 1, 6)},
      {"map pause: to the worlds", cGame::stateMenu32, 9, 41, true, Chain(18, 10, 20)},
      {"restart: no", cGame::statePauseMenu, 9, 213, false, {}},
      {"restart", cGame::statePauseMenu, 9, 213, true, GoTo(17)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Enter(c.handler, c.from);
    s->cGame_popupAnswered = true;
    s->cGame_popupTextId = c.popup;
    s->cGame_popupChoice = c.yes ? 1 : 0;
    ExpectRequest(Act(c.handler, cGame::kNoTouchAction), c.request);
    EXPECT_FALSE(s->cGame_popupAnswered);
    EXPECT_EQ(s->cGame_fadeDirection, 1) << "the fade-in starts again";
  }
  Enter(cGame::stateMainMenu, 0);
  s->cGame_popupAnswered = true;
  s->cGame_popupTextId = 39;
  s->cGame_popupChoice = 1;
  s->cGame_runState = 0;
  Act(cGame::stateMainMenu, cGame::kNoTouchAction);
  EXPECT_EQ(s->cGame_runState, -1) << "quit";
}

// While the pointer is held on the map's select area (edges included) the map shows its hint.
TEST_F(MenuStatesTest, TheMapShowsItsHintWhileTheSelectAreaIsHeld) {
  struct Case {
    int32_t x, y;
    bool shown;
  };
  const Case kCases[] = {{185, 690, true}, {295, 800, true}, {240, 745, true},
                         {184, 745, false}, {240, 689, false}, {-1, -1, false}};
  s->cGame_currentWorld = 3;
  Enter(cGame::stateMenu9, 20);
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
    s->cGame_pointerPressX = c.x;
    s->cGame_pointerPressY = c.y;
    Act(cGame::stateMenu9, cGame::kNoTouchAction);
    EXPECT_EQ(s->cGame_mapItemPressed, c.shown);
  }
}

TEST_F(MenuStatesTest, AMapOutsideTheMainWorldsLeavesForTheMainMenu) {
  for (int32_t world : {-1, 8, 11}) {
    SCOPED_TRACE(world);
    s->cGame_currentWorld = world;
    TraceCapture trace;
    cGame::stateMenu9(cGame::kStateEnter);
    EXPECT_EQ(s->cGame_nextState, 6);
    EXPECT_EQ(trace.lines().size(), 1u);
    cGame::stateMenu9(cGame::kStateUpdate);
    cGame::stateMenu9(cGame::kStatePaint);
  }
  s->cGame_currentWorld = 3;
  cGame::stateMenu9(cGame::kStateEnter);
  EXPECT_EQ(s->cGame_currentMenu, 5);
}

}  // namespace
