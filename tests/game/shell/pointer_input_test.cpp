// The stylus: drags against taps, the frame in which a tap is seen, the hit tests' edges, and
// the mapping of the pointer and the tap onto the rows of a touch list.
#include <gtest/gtest.h>

#include <vector>

#include "tests/game/shell/frame_fixture.h"

namespace {

using PointerInputTest = FrameTest;

IntArray* Ints(const std::vector<int32_t>& values) {
  IntArray* array = NewIntArray(static_cast<int32_t>(values.size()));
  for (size_t i = 0; i < values.size(); i++) array->elements()[i] = values[i];
  return array;
}

TEST_F(PointerInputTest, AMoveOfFivePixelsIsStillATapAndSixStartADrag) {
  struct Case {
    int32_t dx, dy;
    bool dragging;
  };
  for (const Case c : {Case{5, 0, false}, Case{0, 5, false}, Case{-5, -5, false}, Case{6, 0, true},
                       Case{0, -6, true}, Case{-6, 2, true}}) {
    canvas()->pointerPressed(200, 300);
    canvas()->pointerDragged(200 + c.dx, 300 + c.dy);
    EXPECT_EQ(s_->cGame_pointerDragging, c.dragging) << c.dx << ", " << c.dy;
    EXPECT_EQ(s_->cGame_pointerX, 200 + c.dx);
    // Back within five pixels a drag goes on until the release.
    canvas()->pointerDragged(200, 300);
    EXPECT_EQ(s_->cGame_pointerDragging, c.dragging);
    canvas()->pointerReleased(200, 300);
    EXPECT_FALSE(s_->cGame_pointerDragging);
    Frame();
  }
}

TEST_F(PointerInputTest, ATapIsSeenInExactlyTheFrameAfterItsRelease) {
  std::vector<int32_t> tapsSeen;
  std::vector<int32_t> pointerSeen;
  onStateCall = [&](int32_t, int32_t message) {
    if (message != cGame::kStateUpdate) return;
    tapsSeen.push_back(s_->cGame_tapX);
    pointerSeen.push_back(s_->cGame_pointerX);
  };
  Frame();
  canvas()->pointerPressed(100, 200);
  canvas()->pointerReleased(101, 202);
  for (int frame = 0; frame < 3; frame++) Frame();
  EXPECT_EQ(tapsSeen, (std::vector<int32_t>{-1, -1, 101, -1}));
  EXPECT_EQ(pointerSeen, (std::vector<int32_t>{-1, 100, -1, -1}));
  EXPECT_EQ(s_->cGame_tapY, -1);
  EXPECT_EQ(s_->cGame_pointerPressX, -1);
}

// The rectangle (10, 20, 30, 40) holds x 10..40 and y 20..60.
TEST_F(PointerInputTest, HitTestsHoldAllFourEdgesOfTheirRectangle) {
  struct Case {
    int32_t x, y;
    bool inside;
  };
  const Case kCases[] = {{10, 20, true},  {40, 60, true}, {10, 60, true},  {40, 20, true},
                         {25, 40, true},  {9, 20, false}, {41, 60, false}, {10, 19, false},
                         {40, 61, false}, {-1, -1, false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    s_->cGame_pointerPressX = c.x;
    s_->cGame_pointerPressY = c.y;
    s_->cGame_pointerX = c.x;
    s_->cGame_pointerY = c.y;
    s_->cGame_tapX = c.x;
    s_->cGame_tapY = c.y;
    EXPECT_EQ(cGame::isTapPressedInRect(10, 20, 30, 40), c.inside);
    EXPECT_EQ(cGame::isPointerInRect(10, 20, 30, 40), c.inside);
    EXPECT_EQ(cGame::isTapReleasedInRect(10, 20, 30, 40), c.inside);
  }
}

TEST_F(PointerInputTest, TapsOnTheScreenAndAboveTheDangerLine) {
  s_->cGame_dangerLineY = 600;
  struct Case {
    int32_t y;
    bool onScreen, aboveLine;
  };
  for (const Case c :
       {Case{-1, false, false}, Case{0, true, false}, Case{1, true, true}, Case{619, true, true},
        Case{620, true, false}, Case{800, true, false}, Case{801, false, false}}) {
    s_->cGame_tapY = c.y;
    EXPECT_EQ(cGame::isTapReleasedOnScreen(), c.onScreen) << c.y;
    EXPECT_EQ(cGame::isTapReleasedAboveLine(), c.aboveLine) << c.y;
  }
}

TEST_F(PointerInputTest, FindListRowAtSearchesTheRowsBothArraysHold) {
  struct Case {
    const char* name;
    std::vector<int32_t> tops, bottoms;
    int32_t y, row;
  };
  const Case kCases[] = {
      {"empty arrays", {}, {}, 0, -1},
      {"a first top", {0, 100, 200}, {90, 190, 290}, 0, 0},
      {"a first bottom", {0, 100, 200}, {90, 190, 290}, 90, 0},
      {"between two rows", {0, 100, 200}, {90, 190, 290}, 95, -1},
      {"a middle row", {0, 100, 200}, {90, 190, 290}, 150, 1},
      {"the last bottom", {0, 100, 200}, {90, 190, 290}, 290, 2},
      {"below the last", {0, 100, 200}, {90, 190, 290}, 291, -1},
      {"above the first", {0, 100, 200}, {90, 190, 290}, -5, -1},
      {"a row without its bottom", {0, 100, 200}, {90, 190}, 250, -1},
      {"a row before it", {0, 100, 200}, {90, 190}, 150, 1},
      {"a row without its top", {0, 100}, {90, 190, 290}, 250, -1},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::findListRowAt(0, c.y, Ints(c.tops), Ints(c.bottoms)), c.row) << c.name;
  }
  EXPECT_EQ(cGame::findListRowAt(0, 0, nullptr, Ints({0})), -1);
  EXPECT_EQ(cGame::findListRowAt(0, 0, Ints({0}), nullptr), -1);
}

// Row 0 (y 100..190) has its item at x 240; row 1 (y 200..290) has none.
TEST_F(PointerInputTest, ATouchReachesAListItemWithin120PixelsLeftOrRight) {
  s_->cGame_listRowTops = Ints({100, 200});
  s_->cGame_listRowBottoms = Ints({190, 290});
  s_->cGame_listItemPositions = Ints({240, 150});
  struct Case {
    int32_t x, y, row;
    bool reached;
  };
  for (const Case c :
       {Case{120, 150, 0, true}, Case{360, 150, 0, true}, Case{119, 150, 0, false},
        Case{361, 150, 0, false}, Case{240, 250, 1, false}, Case{240, 195, -1, false}}) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    s_->cGame_touchAction = cGame::kNoTouchAction;
    s_->cGame_touchListSelect = false;
    s_->cGame_menuSelection = 7;
    s_->cGame_tapX = c.x;
    s_->cGame_tapY = c.y;
    s_->cGame_pointerX = c.x;
    s_->cGame_pointerY = c.y;
    EXPECT_EQ(cGame::touchSelectListItem(), c.row);
    EXPECT_EQ(s_->cGame_touchAction, c.reached ? cGame::kTouchSelect : cGame::kNoTouchAction);
    EXPECT_EQ(s_->cGame_touchListSelect, c.reached);
    EXPECT_EQ(cGame::touchHighlightListItem(), c.row);
    EXPECT_EQ(s_->cGame_menuSelection, c.reached ? c.row : 7);
  }
  s_->cGame_listItemPositions = nullptr;
  s_->cGame_tapX = 240;
  s_->cGame_tapY = 150;
  s_->cGame_touchAction = cGame::kNoTouchAction;
  EXPECT_EQ(cGame::touchSelectListItem(), 0);
  EXPECT_EQ(s_->cGame_touchAction, cGame::kNoTouchAction) << "no item positions: nothing reached";
}

}  // namespace
