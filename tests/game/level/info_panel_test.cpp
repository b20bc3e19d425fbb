// The level-end screen's info panel on 40 ms frames: its results bubbles revealed one at a time
// after the delay, fire-or-tap (key 11) showing them all at once, the panel closing on key 11
// once all show, and a panel without bubbles.
#include <gtest/gtest.h>

#include <vector>

#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/world/screen_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kFrameMs = 40, kItemSlot = 35, kSelect = 11;

class InfoPanelTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    s->cGame_spriteTable->elements()[kItemSlot] = Font();  // the bubbles' reveal sprite
  }
  // The panel as the level-end screen leaves it, with n bubbles, none revealed.
  void Build(int32_t n) {
    s->cGame_infoPanelTimer = 1000;
    s->cGame_infoPanelShown = 0;
    s->cGame_infoPanelNextTime = 0;
    s->cGame_infoPanelRevealing = false;
    s->cGame_resultsPlayerCount = n;
    s->cGame_resultsPlayers = NewObjectArray(cid::Object, n);
    for (int32_t i = 0; i < n; i++) {
      s->cGame_resultsPlayers->elements()[i] = NewObject<MQLibPlayer>(nullptr, 0, 0);
    }
    s->cGame_softKeyLeft = 0;
    s->cGame_softKeyRight = 2;
  }
  // One frame with key 11 let go in it, or a tap released at (x, y), or neither.
  bool Frame(bool select = false, int32_t tapY = -1) {
    s->cGame_frameTime = kFrameMs;
    s->cGame_touchAction = cGame::kNoTouchAction;
    s->cGame_tapX = tapY < 0 ? -1 : 240;
    s->cGame_tapY = tapY;
    if (select) s->cGame_keysLatched->elements()[kSelect] = -1;
    const bool closed = cGame::updateInfoPanel();
    s->cGame_keysLatched->elements()[kSelect] = 0;
    s->cGame_tapX = s->cGame_tapY = -1;
    return closed;
  }
  MQLibPlayer* Item(int32_t i) const {
    return static_cast<MQLibPlayer*>(s->cGame_resultsPlayers->elements()[i]);
  }
};

// Four bubbles 500 ms apart from the first frame past the 1000 ms delay; each plays slot 35's
// animation 0 once. Until all show nothing closes the panel, key 11 included once they do.
TEST_F(InfoPanelTest, TheBubblesAreRevealedOneAtATimeAfterTheDelay) {
  Build(4);
  std::vector<int32_t> revealedAt;
  for (int32_t t = kFrameMs; t <= 3000; t += kFrameMs) {
    const int32_t before = s->cGame_infoPanelShown;
    EXPECT_FALSE(Frame()) << t;
    if (s->cGame_infoPanelShown == before) continue;
    revealedAt.push_back(t);
    MQLibPlayer* item = Item(before);
    EXPECT_EQ(item->sprite, Font()) << t;
    EXPECT_EQ(item->anim, 0) << t;
    EXPECT_EQ(item->loopCounter, 0) << "once, " << t;
  }
  EXPECT_EQ(revealedAt, (std::vector<int32_t>{1040, 1520, 2000, 2520}));
  EXPECT_EQ(std::make_pair(s->cGame_softKeyLeft, s->cGame_softKeyRight), std::make_pair(-1, -1));
  EXPECT_FALSE(Frame());
  EXPECT_TRUE(Frame(true));
}

// Key 11, or a tap on the screen, while any bubble is hidden shows them all at once (the list
// is dropped) without closing the panel; the next one past the delay closes it.
TEST_F(InfoPanelTest, KeyElevenOrATapShowsEveryBubbleAtOnce) {
  struct Case {
    const char* what;
    int32_t framesBefore;  // 40 ms frames before the key or the tap
    bool tap;
  };
  const Case kCases[] = {{"key 11 during the delay", 5, false},
                         {"key 11 midway", 40, false},
                         {"a tap midway", 40, true}};
  for (const Case& c : kCases) {
    Build(6);
    for (int32_t i = 0; i < c.framesBefore; i++) Frame();
    EXPECT_FALSE(c.tap ? Frame(false, 400) : Frame(true)) << c.what;
    EXPECT_EQ(s->cGame_resultsPlayers, nullptr) << c.what;
    EXPECT_EQ(s->cGame_infoPanelShown, 6) << c.what;
    for (int32_t i = 0; i < 30; i++) Frame();
    EXPECT_TRUE(c.tap ? Frame(false, 700) : Frame(true)) << c.what;
  }
}

// Without bubbles the reveal is over as soon as the delay is: no step of 2000 / 0 ms.
TEST_F(InfoPanelTest, APanelWithoutBubblesClosesOnKeyElevenOnceTheDelayIsOver) {
  Build(0);
  TraceCapture trace;
  for (int32_t i = 0; i < 25; i++) EXPECT_FALSE(Frame(i == 10)) << i;
  EXPECT_FALSE(Frame());
  EXPECT_TRUE(Frame(true));
  EXPECT_EQ(trace.lines(), std::vector<std::string>{});
}

}  // namespace
