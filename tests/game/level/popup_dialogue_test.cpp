// The dialogue popup over the data set's body font and texts: each kind's place, its wrapped
// and measured text, the keys and the skip square that close it with their choices, and the
// portrait that a second line of the same speaker does not restart.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "runtime/string.h"
#include "tests/game/world/screen_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

constexpr int32_t kText = 616;

class PopupDialogueTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    s->cGame_popupPlayer = NewObject<MQLibPlayer>();
    s->cGame_spriteTable->elements()[61] = Font();  // a sprite with animations for the portrait
    s->cGame_spriteTable->elements()[60] = Font();
  }
  void Open(int32_t speaker, bool portrait) {
    cGame::openPopupDialog(kText, kFontSlot, speaker, portrait);
    s->cGame_popupOpen = true;
    s->cGame_popupAnswered = false;
    s->cGame_pendingAction = 0;
  }
};

TEST_F(PopupDialogueTest, EachKindOpensInItsPlaceWithItsTextWrappedAndMeasured) {
  struct Case {
    int32_t speaker;
    bool portrait;
    int32_t kind, y;
  };
  const Case kCases[] = {
      {-1, true, 2, 320}, {0, true, 3, 560}, {3, true, 3, 560}, {5, false, 4, 560}};
  for (const Case& c : kCases) {
    Open(c.speaker, c.portrait);
    EXPECT_EQ(std::make_tuple(s->cGame_popupKind, s->cGame_popupY, s->cGame_popupChoice,
                              s->cGame_popupTextId, s->cGame_popupFont),
              std::make_tuple(c.kind, c.y, 4, kText, kFontSlot))
        << c.speaker;
  }
  EXPECT_EQ(TextOf(s->cGame_popupText), "We did it! Every world is free of the bubbles.");
  const std::string wrapped = TextOf(s->cGame_popupWrapped);
  EXPECT_NE(wrapped.find('\n'), std::string::npos) << "wrapped to 380 px: " << wrapped;
  Font()->getStringSize(s->cGame_popupWrapped, nullptr);
  EXPECT_EQ(s->cGame_popupTextHeight, s->ASprite_textHeight);
  EXPECT_GT(s->cGame_popupTextHeight, Font()->getFontHeight() + Font()->getLineSpacing());
}

// The box is the screen less 60 px and the text keeps 20 px inside it on either side: every
// wrapped line, of a narrator's or a speaker's, fits 380 px (wrapped to the screen less 40, a
// line of the level openings ran past both edges of the box).
TEST_F(PopupDialogueTest, EveryWrappedLineFitsInsideTheBox) {
  constexpr int32_t kInside = 480 - 60 - 40;
  for (const int32_t text : {kText, 507}) {
    for (const int32_t speaker : {-1, 0}) {
      cGame::openPopupDialog(text, kFontSlot, speaker, true);
      ASSERT_NE(s->cGame_popupWrapped, nullptr) << text;
      Font()->getStringSize(s->cGame_popupWrapped, nullptr);
      EXPECT_LE(s->ASprite_textWidth, kInside) << TextOf(s->cGame_popupWrapped);
      EXPECT_GT(s->ASprite_textWidth, kInside / 2) << TextOf(s->cGame_popupWrapped);
    }
  }
}

TEST_F(PopupDialogueTest, KeysAndTheSkipSquareCloseItWithTheirChoice) {
  struct Case {
    const char* what;
    int32_t speaker;
    int32_t key;  // -1: a tap on the skip square
    bool closes;
    int32_t choice;
  };
  const Case kCases[] = {
      {"fire closes a narrator's line", -1, 5, true, 4},
      {"the left soft key closes it", -1, cGame::kLeftSoftKey, true, 4},
      {"a touch select closes it", -1, 11, true, 4},
      {"the right soft key does nothing without a speaker", -1, cGame::kRightSoftKey, false, 4},
      {"a tap on the skip square continues a narrator's line, unskipped", -1, -1, true, 4},
      {"the right soft key skips a speaker's line", 1, cGame::kRightSoftKey, true, 3},
      {"so does a tap on the skip square", 1, -1, true, 3},
      {"fire reads it", 1, 5, true, 4},
      {"other keys do nothing", 1, 2, false, 4},
  };
  for (const Case& c : kCases) {
    Open(c.speaker, true);
    s->cGame_tapX = c.key < 0 ? 440 : -1;
    s->cGame_tapY = c.key < 0 ? 760 : -1;
    s->cGame_touchAction = cGame::kNoTouchAction;
    s->cGame_keysLatched->elements()[c.key < 0 ? 0 : c.key] = c.key < 0 ? 0 : -1;  // released
    s->cGame_frameTime = 40;
    cGame::updatePopup();
    if (c.key >= 0) s->cGame_keysLatched->elements()[c.key] = 0;
    EXPECT_EQ(s->cGame_popupAnswered, c.closes) << c.what;
    EXPECT_EQ(s->cGame_popupChoice, c.choice) << c.what;
    EXPECT_EQ(s->cGame_pendingAction != 0 || !s->cGame_popupOpen, c.closes) << c.what;
  }
  // The closing fade runs to its end and the popup is shut.
  Open(-1, false);
  s->cGame_keysLatched->elements()[5] = -1;
  cGame::updatePopup();
  s->cGame_keysLatched->elements()[5] = 0;
  for (int32_t i = 0; i < 6 && s->cGame_popupOpen; i++) cGame::updatePopup();
  EXPECT_FALSE(s->cGame_popupOpen);
}

TEST_F(PopupDialogueTest, ASecondLineOfTheSameSpeakerKeepsThePortraitPlaying) {
  s->cGame_currentWorld = 2;
  Open(3, true);
  MQLibPlayer* portrait = s->cGame_popupPlayer;
  EXPECT_EQ(portrait->anim, 2) << "the narrator shows the current world";
  portrait->setFrame(1);
  Open(3, true);
  EXPECT_EQ(portrait->frame, 1);
  Open(0, true);
  EXPECT_EQ(std::make_tuple(portrait->anim, portrait->frame),
            std::make_tuple(cGame::speakerPortraitAnim(0), 0));
}

}  // namespace
