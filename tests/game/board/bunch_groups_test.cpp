// Groups of bubbles between bunches over real pools and bunches: a template's bunch and its
// reveal, the split of a part hanging on its own handle, and a merge by whole cells.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class BunchGroupsTest : public BunchTest {
 protected:
  // Template 0: five cells (0,0) (1,0) (2,0) (0,1) (1,1) of kinds 1..5, the fourth flagged 0x20.
  void FiveCellTemplate() {
    s->cGame_bunchTemplateCount = 1;
    s->cGame_bunchTemplateSize->elements()[0] = 5;
    const int32_t cells[5][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}};
    for (int32_t k = 0; k < 5; k++) {
      Row(s->cGame_bunchTemplateCol)->elements()[k] = static_cast<int8_t>(cells[k][0]);
      Row(s->cGame_bunchTemplateRow)->elements()[k] = static_cast<int8_t>(cells[k][1]);
      Row(s->cGame_bunchTemplateKind)->elements()[k] = static_cast<int8_t>(k + 1);
    }
    static_cast<IntArray*>(s->cGame_bunchTemplateFlags->elements()[0])->elements()[3] = 0x20;
  }
  static ByteArray* Row(ObjectArray* table) {
    return static_cast<ByteArray*>(table->elements()[0]);
  }
  static std::tuple<int32_t, int32_t> CellOf(const Bubble* b) { return {b->col, b->row}; }
};

TEST_F(BunchGroupsTest, ATemplateBuildsItsBunchAndRevealsFromTheLastCell) {
  FiveCellTemplate();
  s->Bubble_bubblesChanged = 0;
  cGame::buildBunchFromTemplate(0, 2, 240 * kPx, 300 * kPx, 6, 42);
  const std::vector<Bubble*> members = Members(2);
  ASSERT_EQ(members.size(), 5u);
  const int32_t kDelays[] = {8, 6, 4, 2, 0};
  for (int32_t k = 0; k < 5; k++) {
    Bubble* b = members[k];
    EXPECT_EQ(std::make_tuple(b->colour, b->appearance, b->targetAppearance, b->changeSteps,
                              b->changeDelay),
              std::make_tuple(k + 1, 42, 42, 9, kDelays[k]))
        << k;
    EXPECT_TRUE(b->flags & Bubble::kClearedOnCopy);
    EXPECT_EQ(b->prevPixelX, b->pixelX);
  }
  EXPECT_TRUE(members[3]->flags & 0x20);
  EXPECT_EQ(Bunch(2)->core, members[0]);
  cGame_CBubbleBunch* bunch = Bunch(2);
  EXPECT_EQ(std::tie(bunch->type, bunch->partner, bunch->colourA, bunch->cfgDuration),
            std::make_tuple(6, -1, 0, 0));
  EXPECT_EQ(std::tie(bunch->centreX, bunch->restY), std::make_tuple(240 * kPx, 300 * kPx));
  EXPECT_EQ(std::tie(bunch->attachedTotal, bunch->landedCount, bunch->prevCount),
            std::make_tuple(int16_t{0}, int16_t{0}, int16_t{5}));
  EXPECT_EQ(s->Bubble_bubblesChanged, 1);
  EXPECT_EQ(std::tie(members[4]->pixelX, members[4]->pixelY), std::make_tuple(295, 267));
}

TEST_F(BunchGroupsTest, WithoutAnAppearanceEachBubbleKeepsItsLook) {
  FiveCellTemplate();
  cGame::buildBunchFromTemplate(0, 2, 240 * kPx, 300 * kPx, 0, -1);
  for (Bubble* b : Members(2))
    EXPECT_EQ(std::tie(b->appearance, b->changeSteps), std::make_tuple(0, 0));
}

TEST_F(BunchGroupsTest, AMissingTemplateOrBunchBuildsNothing) {
  FiveCellTemplate();
  for (auto [t, b] : {std::pair{1, 2}, {-1, 2}, {0, 10}, {0, -1}}) {
    TraceCapture trace;
    cGame::buildBunchFromTemplate(t, b, 0, 0, 6, -1);
    EXPECT_EQ(trace.lines().size(), 1u) << t << " " << b;
  }
  EXPECT_EQ(s->Bubble_activeBubbleCount, 0);
  EXPECT_EQ(Bunch(2)->count, 0);
}

// Core (0,0) with (1,0) joined to it; (3,0), a handle bubble, and (4,0) hang apart from them.
class SplitTest : public BunchGroupsTest {
 protected:
  void SetUp() override {
    BunchGroupsTest::SetUp();
    Placed(0, 0, 240, 300);
    Bunch(0)->restX = 230 * kPx;  // pushed 10 px right of its rest point
    Attached(0, 0, 0, 1);
    Attached(0, 1, 0, 1);
    handle = Attached(0, 3, 0, 2, Bubble::kAttachment);
    beyond = Attached(0, 4, 0, 2);
  }
  Bubble* handle = nullptr;
  Bubble* beyond = nullptr;
};

TEST_F(SplitTest, APartOnItsOwnHandleMovesToAFreeSlotAroundIt) {
  ASSERT_EQ(Bunch(0)->handleCount, 1);
  cGame::splitOffAnchoredPart(0);
  EXPECT_EQ(Members(0).size(), 2u);
  EXPECT_EQ(Bunch(0)->handleCount, 0);
  EXPECT_EQ(Bunch(0)->prevCount, 2);
  cGame_CBubbleBunch* part = Bunch(1);
  EXPECT_EQ(part->inUse, 1);
  EXPECT_EQ(Members(1), (std::vector<Bubble*>{beyond, handle}));
  EXPECT_EQ(CellOf(handle), std::make_tuple(0, 0));
  EXPECT_EQ(CellOf(beyond), std::make_tuple(1, 0));
  EXPECT_EQ(part->core, handle);
  EXPECT_FALSE(handle->flags & Bubble::kAttachment);
  EXPECT_EQ(std::tie(part->type, part->hadHandles, part->prevCount),
            std::make_tuple(0, int8_t{1}, int16_t{2}));
  EXPECT_EQ(std::tie(handle->x, handle->pixelX), std::make_tuple(351 * kPx, 351));
  EXPECT_EQ(s->cGame_bunchBubbleTotal, 4);
}

TEST_F(SplitTest, APartStillJoinedToTheCoreStays) {
  Attached(0, 2, 0, 1);  // the gap closes
  cGame::splitOffAnchoredPart(0);
  EXPECT_EQ(Members(0).size(), 5u);
  EXPECT_EQ(Bunch(0)->handleCount, 1);
  EXPECT_TRUE(handle->flags & Bubble::kAttachment);
  EXPECT_EQ(Bunch(1)->inUse, 0);
}

TEST_F(SplitTest, WithTenLiveSlotsNothingChanges) {
  for (int32_t b = 1; b < 10; b++) Bunch(b)->inUse = 1;
  cGame::splitOffAnchoredPart(0);
  EXPECT_EQ(Members(0).size(), 4u);
  EXPECT_EQ(Bunch(0)->handleCount, 1);
  EXPECT_TRUE(handle->flags & Bubble::kAttachment);
  EXPECT_EQ(handle->bunch, 0);
}

// From 33 px above, rows move one up (R = -1 gives row + 1) and the half column of that row
// comes back as one column left (C = 1): cell (0, 0) lands at (-1, 1), 18.5 px left of where
// it hung.
TEST_F(BunchGroupsTest, ABunchAboveAnotherMergesOneRowHigher) {
  Placed(0, 6, 240, 300);
  Attached(0, 0, 0, 1);
  Placed(1, 15, 240, 267);
  Bubble* a = Attached(1, 0, 0, 2);
  Bubble* b = Attached(1, 1, 0, 3);
  cGame::mergeBunch(1, 0);
  EXPECT_EQ(Members(0).size(), 3u);
  EXPECT_EQ(CellOf(a), std::make_tuple(-1, 1));
  EXPECT_EQ(CellOf(b), std::make_tuple(0, 1));
  EXPECT_EQ(std::tie(a->pixelX, a->pixelY), std::make_tuple(221, 267));
  EXPECT_FALSE(a->flags & Bubble::kKey) << "the source's core is one bubble among others";
  EXPECT_EQ(std::tie(Bunch(1)->count, Bunch(1)->inUse), std::make_tuple(int16_t{0}, int8_t{0}));
  EXPECT_EQ(Bunch(0)->prevCount, 3);
  EXPECT_EQ(s->cGame_bunchBubbleTotal, 3);
}

TEST_F(BunchGroupsTest, MergingIntoItselfOrOutsideTheTableDoesNothing) {
  Placed(0, 15, 240, 300);
  Attached(0, 0, 0, 1);
  for (auto [f, t] : {std::pair{0, 0}, {0, 10}, {-1, 0}, {10, 0}}) {
    cGame::mergeBunch(f, t);
    EXPECT_EQ(Members(0).size(), 1u) << f << " " << t;
    EXPECT_EQ(s->cGame_bunchBubbleTotal, 1);
  }
}

}  // namespace
