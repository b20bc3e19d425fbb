// The text screen (state 18) over the data set's body font and texts: its text with the
// application's version, below the screen at first, its first line at the top after 20 s,
// round again once all of it has left the top, painted in the font over black, and the right
// soft key back to the options.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "javame/midlet.h"
#include "runtime/string.h"
#include "tests/game/world/screen_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"
#include "tools/databuild/app_descriptor_writer.h"
#include "tools/databuild/app_properties.h"

namespace {

class TextScreenTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    PlantArchiveEntry("app.jad", databuild::WriteAppDescriptor(databuild::AppPropertyTable()));
    s->cGame_gameMidlet = NewObject<javax_microedition_midlet_MIDlet>();
  }
  static void Screen(int32_t message) { cGame::stateScreen18(message); }
  int32_t Top() const { return (s->cGame_textScrollY + 128) >> 8; }
  // Rows of the image holding any pixel that is not black.
  int32_t InkedRows() {
    screen_->fill(0xFFFF);
    Screen(cGame::kStatePaint);
    int32_t rows = 0;
    for (int32_t y = 0; y < 800; y++) {
      bool inked = false;
      for (int32_t x = 0; x < 480 && !inked; x++) inked = screen_->at(x, y) != 0;
      rows += inked;
    }
    return rows;
  }
};

TEST_F(TextScreenTest, TheTextRisesFromBelowTheScreenAndComesRoundAgain) {
  Screen(cGame::kStateEnter);
  const std::string text = TextOf(s->cGame_scrollText);
  EXPECT_EQ(text.substr(text.size() - 13), "Version 1.0.0") << text;
  ASSERT_NE(s->cGame_scrollTextBreaks, nullptr);
  const int32_t lines = s->cGame_scrollTextBreaks->elements()[0];
  EXPECT_GT(lines, 5);
  EXPECT_EQ(s->cGame_scrollTextHeight,
            lines * (Font()->getFontHeight() + Font()->getLineSpacing()));
  EXPECT_EQ(Top(), 800);
  EXPECT_EQ(InkedRows(), 0) << "below the screen";
  // 40 px a second: the first line reaches the top after 20 s of 40 ms frames (and one frame
  // more for the steps of 409/256 px that the 8.8 rise truncates to).
  int32_t atTop = 0;
  for (int32_t frame = 1; frame <= 510 && !atTop; frame++) {
    Update(Screen);
    if (frame == 250) {
      EXPECT_GT(InkedRows(), 0) << "half-way up";
    }
    if (Top() <= 0) atTop = frame;
  }
  EXPECT_EQ(atTop, 501);
  // It starts again from below only once the whole text is above the screen.
  int32_t frames = 0;
  while (Top() >= -s->cGame_scrollTextHeight && frames < 10000) {
    Update(Screen);
    frames++;
  }
  EXPECT_LT(Top(), -s->cGame_scrollTextHeight);
  Update(Screen);
  EXPECT_EQ(Top(), 798) << "from below, then one frame's rise";
  EXPECT_EQ(s->cGame_nextState, -1);
}

TEST_F(TextScreenTest, TheRightSoftKeyGoesBackToTheOptions) {
  for (const bool effects : {false, true}) {
    s->cGame_nextState = -1;
    s->cGame_sfxEnabled = effects;
    Screen(cGame::kStateEnter);
    EXPECT_EQ(std::make_tuple(s->cGame_softKeyLeft, s->cGame_softKeyRight, s->cGame_softKeysFlag),
              std::make_tuple(-1, 2, true));
    Update(Screen, 5);
    EXPECT_EQ(s->cGame_nextState, -1) << "fire does not leave";
    TraceCapture trace;
    Update(Screen, cGame::kRightSoftKey);
    EXPECT_EQ(s->cGame_nextState, 10);
    EXPECT_EQ(trace.contains("cGame::playSound: sound 13 has no data; nothing plays"), effects);
  }
}

}  // namespace
