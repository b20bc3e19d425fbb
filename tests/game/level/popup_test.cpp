// The popup over the data set's body font, texts and particle definitions, on a memory display
// with 40 ms frames: where each kind opens and what it measures, the timed kinds' fireworks and
// end, the fireworks stopped by every close and every open, the taps and keys that close each
// kind, and kind 1's choice by pointer, keys, taps and the forced answer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "javame/random.h"
#include "runtime/string.h"
#include "tests/game/world/screen_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

constexpr int32_t kParticlePack = 76;   // string constants naming the packs
constexpr int32_t kBackdropPack = 101;  // slot 30's portraits
constexpr int32_t kEmitters = 50;
constexpr int32_t kFrameMs = 40;
constexpr int32_t kButtonY = 500;  // the first button's centre, as the paint would store it
constexpr int32_t kNoTap = -1;

class PopupTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    cGame::loadMathTables();
    cGame::loadFixedPointTables();
    s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1234});
    cGame::openPack(GetConstantString(kParticlePack));
    cGame::loadParticleDefinitions(cGame::readPackEntry(0));
    cGame::closeResourceStream();
    cGame::createParticlePlayers();  // every emitter free
    cGame::createPopupPlayer();
    cGame::openPack(GetConstantString(kBackdropPack));
    s->cGame_spriteTable->elements()[30] = cGame::loadSprite(0, 1, 0, 0, true, false, 0, nullptr);
    cGame::closeResourceStream();
    s->cGame_spriteTable->elements()[61] = Font();
    s->cGame_spriteTable->elements()[60] = Font();
  }

  // The popup marked open with nothing pending, as the shell leaves it once it has opened.
  void Shown() {
    s->cGame_popupOpen = true;
    s->cGame_popupAnswered = false;
    s->cGame_pendingAction = 0;
    s->cGame_popupButtonY = kButtonY;
  }

  // One popup frame: game key `released` let go in it (none below 0), a tap released at
  // (tapX, tapY) (none for kNoTap), the pointer at (pointerX, pointerY); input cleared after.
  void Frame(int32_t released = -1, int32_t tapX = kNoTap, int32_t tapY = kNoTap,
             int32_t pointerX = -1, int32_t pointerY = -1) {
    s->cGame_frameTime = kFrameMs;
    s->cGame_touchAction = cGame::kNoTouchAction;
    s->cGame_tapX = tapX;
    s->cGame_tapY = tapY;
    s->cGame_pointerX = pointerX;
    s->cGame_pointerY = pointerY;
    if (released >= 0) s->cGame_keysLatched->elements()[released] = -1;
    cGame::updatePopup();
    if (released >= 0) s->cGame_keysLatched->elements()[released] = 0;
    s->cGame_tapX = s->cGame_tapY = kNoTap;
    s->cGame_pointerX = s->cGame_pointerY = -1;
    s->cGame_touchAction = cGame::kNoTouchAction;
  }

  static int32_t RunningEmitters() {
    int32_t n = 0;
    for (int32_t e = 0; e < kEmitters; e++) n += cGame::isEmitterState1(e);
    return n;
  }
  std::vector<int32_t> RecordedEmitters() const {
    IntArray* slots = s->cGame_popupEmitters;
    return {slots->elements(), slots->elements() + slots->length};
  }
  // The wrapped height of text id in the body font, 380 px wide.
  int32_t HeightOf(int32_t textId) const {
    String* wrapped = Font()->wrapToString(cGame::getString(textId), 380);
    Font()->getStringSize(wrapped, nullptr);
    return s->ASprite_textHeight;
  }
};

// ---- Opening ---------------------------------------------------------------------------------

TEST_F(PopupTest, EachKindOpensAtItsPlaceWithItsFontItsMeasuredHeightAndItsTraceLine) {
  struct Case {
    const char* what;
    std::function<void()> open;
    int32_t kind, y, font, textId;
    std::function<int32_t()> height;
  };
  const int32_t lower = 800 / 2;
  const Case kCases[] = {
      {"a plain text", [] { cGame::openPopupText(29, 3, 250); }, 0, 250, 3, 29,
       [&] { return HeightOf(29); }},
      {"the yes/no question", [] { cGame::openPopupChoice(28, 1, 0); }, 1, lower, 3, 28,
       [&] { return HeightOf(28); }},
      {"the story box adds both texts' heights", [] { cGame::openPopupPortrait(616, 29, 3); }, 5,
       320, 3, 616, [&] { return HeightOf(616) + HeightOf(29); }},
  };
  for (const Case& c : kCases) {
    TraceCapture trace;
    s->cGame_popupY = -1;
    c.open();
    EXPECT_EQ(std::make_tuple(s->cGame_popupKind, s->cGame_popupY, s->cGame_popupFont,
                              s->cGame_popupTextId),
              std::make_tuple(c.kind, c.y, c.font, c.textId))
        << c.what;
    EXPECT_EQ(s->cGame_popupTextHeight, c.height()) << c.what;
    EXPECT_GT(s->cGame_popupTextHeight, 0) << c.what;
    EXPECT_TRUE(trace.contains("popup " + std::to_string(c.kind) + " " + std::to_string(c.textId)))
        << c.what;
  }
}

TEST_F(PopupTest, TheAwardNoticeJoinsItsTitleAndTheAwardsNameAndTracesText485) {
  TraceCapture trace;
  cGame::openPopupAward(5);
  EXPECT_EQ(TextOf(s->cGame_popupText),
            TextOf(cGame::getString(485)) + "\n" + TextOf(cGame::getString(642)));
  EXPECT_EQ(std::make_tuple(s->cGame_popupKind, s->cGame_popupTimer, s->cGame_popupFireworks),
            std::make_tuple(6, 2000, 5));
  EXPECT_TRUE(trace.contains("popup 6 485"));
  cGame::openPopupCelebration(29);
  EXPECT_EQ(std::make_tuple(s->cGame_popupKind, s->cGame_popupTimer, TextOf(s->cGame_popupText)),
            std::make_tuple(7, 4000, TextOf(cGame::getString(29))));
  EXPECT_TRUE(trace.contains("popup 7 29"));
}

// A reward item that slot 30 has no animation for (none, -1, or past its animations) leaves
// the portrait without one.
TEST_F(PopupTest, TheStoryBoxShowsTheRewardsAnimationOnlyWhenTheSpriteHasIt) {
  auto* portraits = CheckCast<ASprite>(s->cGame_spriteTable->elements()[30]);
  ASSERT_NE(portraits, nullptr);
  const int32_t anims = portraits->animAFrameCount->length;
  ASSERT_GT(anims, 2);
  const std::pair<int32_t, int32_t> kCases[] = {{2, 2}, {0, 0}, {-1, -1}, {anims, -1}};
  for (const auto& [item, anim] : kCases) {
    s->cGame_levelUnlockItem = item;
    cGame::openPopupPortrait(616, 29, 3);
    EXPECT_EQ(s->cGame_popupPlayer->anim, anim) << item;
  }
}

// ---- Timed kinds -----------------------------------------------------------------------------

// The ms after opening at which each firework goes up and the popup closes, read frame by
// frame; every firework inside the middle half of the 480 x 800 screen.
TEST_F(PopupTest, TheTimedKindsLaunchTheirFireworks400MsApartAndCloseOnTime) {
  struct Case {
    int32_t kind;
    std::vector<int32_t> launches;
    int32_t closes;
  };
  const Case kCases[] = {{6, {0, 400, 800, 1200, 1600}, 2000},
                         {7, {2000, 2400, 2800, 3200, 3600}, 4000}};
  for (const Case& c : kCases) {
    if (c.kind == 6) cGame::openPopupAward(3);
    if (c.kind == 7) cGame::openPopupCelebration(29);
    Shown();
    std::vector<int32_t> launches;
    int32_t closed = -1;
    for (int32_t t = 0; t <= 5000 && closed < 0; t += kFrameMs) {
      const int32_t before = s->cGame_popupFireworks;
      Frame();
      if (s->cGame_popupFireworks < before) {
        launches.push_back(t);
        const int32_t e = s->cGame_popupEmitters->elements()[s->cGame_popupFireworks];
        ASSERT_GE(e, 0) << t;
        EXPECT_TRUE(cGame::getEmitterX(e) >= 120 && cGame::getEmitterX(e) < 360) << t;
        EXPECT_TRUE(cGame::getEmitterY(e) >= 200 && cGame::getEmitterY(e) < 600) << t;
      }
      if (s->cGame_popupAnswered) closed = t;
    }
    EXPECT_EQ(launches, c.launches) << c.kind;
    EXPECT_EQ(closed, c.closes) << c.kind;
    EXPECT_TRUE(s->cGame_pendingAction == 3 || !s->cGame_popupOpen) << c.kind;
  }
}

// Closed early by a key, replaced by another popup, or run to its end: its emitters are free
// and none of their ids is kept for the next fireworks popup to paint.
TEST_F(PopupTest, AFireworksPopupLeavesNoEmitterRunningHoweverItEnds) {
  struct Case {
    const char* what;
    int32_t frames;  // 40 ms frames before it ends
    std::function<void()> end;
  };
  const Case kCases[] = {
      {"key 5 at 500 ms", 12, [&] { Frame(5); }},
      {"replaced by a plain text", 20, [] { cGame::openPopupText(29, 3, 320); }},
      {"a celebration closed by the left soft key", 70, [&] { Frame(cGame::kLeftSoftKey); }},
      {"its own end", 50, [&] { Frame(); }},
  };
  for (const Case& c : kCases) {
    if (c.frames == 70) {
      cGame::openPopupCelebration(29);
    } else {
      cGame::openPopupAward(5);
    }
    Shown();
    for (int32_t i = 0; i < c.frames; i++) Frame();
    ASSERT_GT(RunningEmitters(), 0) << c.what;
    c.end();
    EXPECT_EQ(RunningEmitters(), 0) << c.what;
    EXPECT_EQ(RecordedEmitters(), std::vector<int32_t>(5, -1)) << c.what;
  }
}

TEST_F(PopupTest, TwentyFireworksPopupsInARowLeaveEveryEmitterSlotFree) {
  for (int32_t i = 0; i < 20; i++) {
    if (i % 2) {
      cGame::openPopupCelebration(29);
    } else {
      cGame::openPopupAward(i % 25);
    }
    Shown();
    for (int32_t f = 0; f < 200 && !s->cGame_popupAnswered; f++)
      Frame(i % 3 == 0 && f == 45 ? 5 : -1);
    ASSERT_TRUE(s->cGame_popupAnswered) << i;
    for (int32_t f = 0; f < 10 && s->cGame_popupOpen; f++) Frame();
    EXPECT_FALSE(s->cGame_popupOpen) << i;
  }
  for (int32_t e = 0; e < kEmitters; e++)
    EXPECT_EQ(cGame::startParticleEmitter(0, 0, 2, -1, -1), e);
}

// ---- Taps and keys ---------------------------------------------------------------------------

void OpenKind(int32_t kind) {
  switch (kind) {
    case 0:
      cGame::openPopupText(29, 3, 320);
      break;
    case 1:
      cGame::openPopupChoice(28, 1, 0);
      break;
    case 2:
    case 3:
    case 4:
      cGame::openPopupDialog(616, 3, kind == 2 ? -1 : 1, kind == 3);
      break;
    case 5:
      cGame::openPopupPortrait(616, 29, 3);
      break;
    case 6:
      cGame::openPopupAward(1);
      break;
    default:
      cGame::openPopupCelebration(29);
      break;
  }
}

// Key 19 skips only a speaker's line; a tap in the upper screen continues the boxes that ask
// for one (and answers the question); the closing keys close every kind.
TEST_F(PopupTest, KeysAndTapsCloseEachKindAsItsBoxSays) {
  struct Case {
    int32_t kind;
    bool key19Closes, tapCloses;
    int32_t choiceAfter19;
  };
  const Case kCases[] = {{0, false, true, -1},  {1, false, true, 1},  {2, false, true, 4},
                         {3, true, false, 3},   {4, true, false, 3},  {5, false, true, -1},
                         {6, false, false, -1}, {7, false, false, -1}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.kind);
    OpenKind(c.kind);
    Shown();
    const int32_t choice = s->cGame_popupChoice;
    Frame(cGame::kRightSoftKey);
    EXPECT_EQ(s->cGame_popupAnswered, c.key19Closes);
    EXPECT_EQ(s->cGame_popupChoice, c.key19Closes ? c.choiceAfter19 : choice);

    OpenKind(c.kind);
    Shown();
    Frame(-1, 100, 150);
    EXPECT_EQ(s->cGame_popupAnswered, c.tapCloses);

    for (const int32_t key : {5, 11, 18}) {
      if (c.kind == 1 && key == 18) continue;  // the question answers by fire or select only
      OpenKind(c.kind);
      Shown();
      Frame(key);
      EXPECT_TRUE(s->cGame_popupAnswered) << key;
    }
  }
}

// ---- The yes/no question ---------------------------------------------------------------------

TEST_F(PopupTest, ThePointerOverAButtonChoosesItAndKeys1281And14ToggleTheChoice) {
  struct Case {
    const char* what;
    int32_t opened, key, pointerY;
    int32_t choice;
  };
  const Case kCases[] = {
      {"the pointer on the upper button", 0, -1, kButtonY - 10, 1},
      {"the pointer on the lower button", 1, -1, kButtonY + 50, 0},
      {"the pointer between the buttons", 1, -1, kButtonY + 30, 1},
      {"key 1", 0, 1, -1, 1},
      {"key 2", 1, 2, -1, 0},
      {"key 8", 1, 8, -1, 0},
      {"key 14", 0, 14, -1, 1},
      {"key 3 does not toggle", 0, 3, -1, 0},
  };
  for (const Case& c : kCases) {
    cGame::openPopupChoice(28, c.opened, 0);
    Shown();
    Frame(c.key, kNoTap, kNoTap, c.pointerY < 0 ? -1 : 240, c.pointerY);
    EXPECT_EQ(s->cGame_popupChoice, c.choice) << c.what;
    EXPECT_FALSE(s->cGame_popupAnswered) << c.what;
  }
  // Once the closing runs the keys no longer move it.
  cGame::openPopupChoice(28, 1, 0);
  Shown();
  s->cGame_pendingAction = 3;
  Frame(2);
  EXPECT_EQ(s->cGame_popupChoice, 1);
}

// A tap anywhere answers; one on a button answers with that button's choice.
TEST_F(PopupTest, ATapOutsideBothButtonsConfirmsTheCurrentChoice) {
  struct Case {
    int32_t opened, tapX, tapY;
    int32_t answer;
    bool tapped;
  };
  const Case kCases[] = {{1, 20, 40, 1, false},
                         {0, 460, 780, 0, false},
                         {1, 240, kButtonY + 40, 0, true},
                         {0, 240, kButtonY, 1, true}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.tapX) + "," + std::to_string(c.tapY));
    cGame::openPopupChoice(28, c.opened, 0);
    Shown();
    Frame(-1, c.tapX, c.tapY);
    EXPECT_TRUE(s->cGame_popupAnswered);
    EXPECT_EQ(s->cGame_popupChoice, c.answer);
    EXPECT_EQ(s->cGame_popupTapped, c.tapped);
  }
}

TEST_F(PopupTest, TheForcedAnswerIsNoExceptYesToTheRetryQuestion) {
  struct Case {
    int32_t textId, opened, key;
    int32_t answer;
  };
  const Case kCases[] = {{28, 1, 5, 0}, {28, 0, 1, 0}, {214, 0, 5, 1}, {214, 1, 2, 1}};
  s->cGame_popupForcedAnswer = true;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.textId);
    cGame::openPopupChoice(c.textId, c.opened, 0);
    Shown();
    Frame(c.key);
    Frame(5);
    EXPECT_TRUE(s->cGame_popupAnswered);
    EXPECT_EQ(s->cGame_popupChoice, c.answer);
  }
}

}  // namespace
