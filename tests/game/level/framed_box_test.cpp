// The framed box and the type-7 track on memory images with the data set's box pieces (slot
// 12) and track bubbles (slot 40): boxes of any size stay inside their rectangle with their
// corners and the caller's clip, the dimmed box fills behind a style-1 box, and the track's
// rows are the track frames placed where their age puts them.
#include <gtest/gtest.h>

#include <vector>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/platform/canvas.h"

namespace {

constexpr int32_t kBoxSlot = 12, kTrackSlot = 40;
constexpr int32_t kUiPack = 66, kHudPack = 88;
constexpr int32_t kPiece = 16;  // the box pieces' thickness
constexpr uint16_t kGround = 0x0841;

std::vector<uint16_t> PixelsOf(const Canvas& canvas) {
  std::vector<uint16_t> pixels;
  for (int32_t y = 0; y < canvas.image->height; y++) {
    for (int32_t x = 0; x < canvas.image->width; x++) pixels.push_back(canvas.at(x, y));
  }
  return pixels;
}

class FramedBoxTest : public BunchTest {
 protected:
  void SetUp() override {
    BunchTest::SetUp();
    PlantPacks({"ui", "hud", "data"});
    Load(kUiPack, kBoxSlot, 4);
    Load(kHudPack, kTrackSlot, 0);
    cGame::loadFixedPointTables();
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 800;
    s->cGame_rectScratch = NewIntArray(4);
    screen_ = new Canvas(480, 800);
    screen_->fill(kGround);
    s->cGame_drawGraphics = screen_->graphics;
  }
  void TearDown() override {
    delete screen_;
    BunchTest::TearDown();
  }
  void Load(int32_t pack, int32_t slot, int32_t entry) {
    cGame::openPack(GetConstantString(pack));
    s->cGame_spriteTable->elements()[slot] =
        cGame::loadSprite(entry, 1, 0, 0, true, false, 0, nullptr);
    cGame::closeResourceStream();
    ASSERT_NE(Slot(slot), nullptr);
  }
  bool Painted(int32_t x, int32_t y) const { return screen_->at(x, y) != kGround; }
  // Painted pixels outside [x0, x1) x [y0, y1).
  int32_t PaintedOutside(int32_t x0, int32_t y0, int32_t x1, int32_t y1) const {
    int32_t n = 0;
    for (int32_t y = 0; y < 800; y++) {
      for (int32_t x = 0; x < 480; x++)
        n += Painted(x, y) && (x < x0 || x >= x1 || y < y0 || y >= y1);
    }
    return n;
  }

  Canvas* screen_ = nullptr;
};

TEST_F(FramedBoxTest, ABoxOfAnySizeIsFramedInsideItsRectangleAndLeavesTheClip) {
  struct Case {
    int32_t x, y, w, h;
  };
  const Case kCases[] = {
      {30, 100, 420, 120}, {0, 0, 480, 800}, {200, 300, 40, 40}, {100, 500, 300, 33}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    screen_->fill(kGround);
    screen_->graphics->setClip(10, 20, 470, 780);
    cGame::paintFramedBox(c.x, c.y, c.w, c.h, 0);
    EXPECT_EQ(screen_->graphics->getClipX(), 10);
    EXPECT_EQ(screen_->graphics->getClipHeight(), 780);
    screen_->graphics->setClip(0, 0, 480, 800);
    // Inside the caller's clip, inside the box: the caller's clip stays in force.
    EXPECT_EQ(PaintedOutside(std::max(c.x, 10), std::max(c.y, 20), c.x + c.w, c.y + c.h), 0);
    const int32_t mx = c.x + c.w / 2, my = c.y + c.h / 2, mid = kPiece / 2;
    if (c.x >= 10 && c.y >= 20) {
      EXPECT_TRUE(Painted(c.x + mid, c.y + mid)) << "top-left corner";
      EXPECT_TRUE(Painted(mx, c.y + mid)) << "top edge";
      EXPECT_TRUE(Painted(c.x + mid, my)) << "left edge";
    }
    EXPECT_TRUE(Painted(c.x + c.w - mid, c.y + c.h - mid)) << "bottom-right corner";
    EXPECT_TRUE(Painted(mx, c.y + c.h - mid)) << "bottom edge";
    EXPECT_TRUE(Painted(c.x + c.w - mid, my)) << "right edge";
    if (c.w > 2 * kPiece && c.h > 2 * kPiece) {
      EXPECT_FALSE(Painted(mx, my)) << "no body";
    }
  }
}

TEST_F(FramedBoxTest, ABoxNarrowerThanTheTopEdgesOffsetKeepsItsCorners) {
  cGame::paintFramedBox(100, 100, 10, 200, 0);
  EXPECT_TRUE(Painted(100 + 4, 100 + 8)) << "top-left corner";
  EXPECT_TRUE(Painted(110 - 4, 300 - 8)) << "bottom-right corner";
  // Nothing of the top edge lies beyond the corners' own width.
  for (int32_t x = 117; x < 480; x++) EXPECT_FALSE(Painted(x, 107)) << x;
}

TEST_F(FramedBoxTest, StyleOneChangesOnlyTheBottomAndTheDimmedBoxFillsBehindIt) {
  cGame::paintFramedBox(60, 200, 360, 200, 0);
  const std::vector<uint16_t> plain = PixelsOf(*screen_);
  screen_->fill(kGround);
  cGame::paintFramedBox(60, 200, 360, 200, 1);
  const std::vector<uint16_t> second = PixelsOf(*screen_);
  int32_t top = 0, bottom = 0;
  for (int32_t y = 200; y < 400; y++) {
    for (int32_t x = 60; x < 420; x++) {
      const size_t i = static_cast<size_t>(y) * 480 + x;
      (y < 400 - kPiece ? top : bottom) += plain[i] != second[i];
    }
  }
  EXPECT_EQ(top, 0);
  EXPECT_GT(bottom, 360);
  screen_->fill(kGround);
  cGame::paintDimmedFramedBox(80, 216, 320, 168);  // the same box, grown by 20 and 16
  const std::vector<uint16_t> dimmed = PixelsOf(*screen_);
  int32_t differs = 0;
  for (size_t i = 0; i < dimmed.size(); i++) {
    const int32_t x = static_cast<int32_t>(i % 480), y = static_cast<int32_t>(i / 480);
    if (second[i] != kGround) {
      differs += dimmed[i] != second[i];
    } else {
      const bool inside = x >= 60 && x < 420 && y >= 200 && y < 400;
      EXPECT_EQ(dimmed[i], inside ? 0 : kGround) << "at " << x << ", " << y;
      if (dimmed[i] != (inside ? 0 : kGround)) return;
    }
  }
  EXPECT_EQ(differs, 0) << "the frame over the fill is the style-1 frame";
}

// ---- The type-7 track --------------------------------------------------------------------

class TrackRowPaintTest : public FramedBoxTest {
 protected:
  void SetUp() override {
    FramedBoxTest::SetUp();
    s->cGame_levelType = 7;
    s->cGame_rowCount = 2;
    s->cGame_rowTemplate = NewIntArray(2);
    s->cGame_rowInterval = 1000;
    s->cGame_rowFirstTime = 2000;
    s->cGame_rowFirstVisible = 0;
    s->cGame_rowLastVisible = 0;
    reference_ = new Canvas(480, 800);
    reference_->fill(kGround);
  }
  void TearDown() override {
    delete reference_;
    FramedBoxTest::TearDown();
  }
  // Template t's cells: {col, row, kind, flags} each.
  void Template(int32_t t, const std::vector<std::vector<int32_t>>& cells) {
    s->cGame_bunchTemplateSize->elements()[t] = static_cast<int32_t>(cells.size());
    for (size_t k = 0; k < cells.size(); k++) {
      auto* col = static_cast<ByteArray*>(s->cGame_bunchTemplateCol->elements()[t]);
      auto* row = static_cast<ByteArray*>(s->cGame_bunchTemplateRow->elements()[t]);
      auto* kind = static_cast<ByteArray*>(s->cGame_bunchTemplateKind->elements()[t]);
      auto* flags = static_cast<IntArray*>(s->cGame_bunchTemplateFlags->elements()[t]);
      col->elements()[k] = static_cast<int8_t>(cells[k][0]);
      row->elements()[k] = static_cast<int8_t>(cells[k][1]);
      kind->elements()[k] = static_cast<int8_t>(cells[k][2]);
      flags->elements()[k] = cells[k][3];
    }
  }
  void Expect(int32_t frame, int32_t x, int32_t y) {
    Slot(kTrackSlot)->paintFrame(reference_->graphics, frame, x, y, 0, 0, 0);
  }
  Canvas* reference_ = nullptr;
};

TEST_F(TrackRowPaintTest, ARowGrowsFromHalfSizeAtTheTopToFullSizeAFifthDown) {
  struct Case {
    const char* what;
    int32_t elapsed, flags;
    int32_t frame, y;  // frame -1: nothing painted
  };
  // rowFirstTime 2000 ms; the screen's fifth is 160 px, 113 px an eighth turn past it.
  const Case kCases[] = {{"a new row", 0, 0, 0, 0},
                         {"at full size", 2000, 0, 3, 160},
                         {"the second look", 2000, 0x100, 7, 160},
                         {"past full size keeps the last step", 3000, 0, 3, 113},
                         {"twice the time: no size at all", 4000, 0, -1, 0}};
  for (const Case& c : kCases) {
    screen_->fill(kGround);
    reference_->fill(kGround);
    Template(0, {{0, 0, 0, c.flags}});
    s->cGame_rowElapsed = c.elapsed;
    cGame::paintLevelType7Track();
    if (c.frame >= 0) Expect(c.frame, 240, c.y);
    EXPECT_TRUE(PixelsOf(*screen_) == PixelsOf(*reference_)) << c.what;
  }
}

TEST_F(TrackRowPaintTest, EmptyCellsLeaveGapsAndOnlyVisibleRowsOfThisTypePaint) {
  Template(0, {{0, 0, 0, 0}, {1, 0, 39, 0}, {2, 0, 0, 0}});
  Template(1, {{0, 0, 0, 0}});
  s->cGame_rowTemplate->elements()[1] = 1;
  s->cGame_rowLastVisible = 5;  // rows 2..5 lie past rowCount
  s->cGame_rowInterval = 2000;
  s->cGame_rowElapsed = 3000;  // row 0 is 3000 ms old, row 1 1000 ms
  cGame::paintLevelType7Track();
  // Row 1 (newer) first: scale 171, step 1, at y 113; row 0: past full size (scale 512),
  // step 3, at y 113 again.
  Expect(1, 240, 113);
  for (const int32_t col : {0, 2}) Expect(3, 240 + ((col * 37 * 512 + 128) >> 8), 113);
  EXPECT_TRUE(PixelsOf(*screen_) == PixelsOf(*reference_));
  struct Case {
    const char* what;
    int32_t type, firstTime;
  };
  const Case kCases[] = {
      {"another level type", 5, 2000}, {"no first time", 7, 0}, {"a negative first time", 7, -5}};
  for (const Case& c : kCases) {
    screen_->fill(kGround);
    s->cGame_levelType = c.type;
    s->cGame_rowFirstTime = c.firstTime;
    cGame::paintLevelType7Track();
    EXPECT_EQ(PaintedOutside(0, 0, 0, 0), 0) << c.what;
  }
}

}  // namespace
