// The event queue: posting (full queue, id 0, duplicates and the 0x100 bit), the search by id,
// removal in order, consuming with the keep bit read from the queued entry, and the first of a
// list consumed.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"

namespace {

class EventQueueTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
    s->cGame_eventCount = 0;
  }
  std::vector<int32_t> events() const {
    return std::vector<int32_t>(s->cGame_eventQueue->elements(),
                                s->cGame_eventQueue->elements() + s->cGame_eventCount);
  }
  static void Post(std::initializer_list<int32_t> codes) {
    for (const int32_t code : codes) cGame::postEvent(code);
  }
  static ShortArray* List(std::initializer_list<int16_t> codes) {
    ShortArray* list = NewShortArray(static_cast<int32_t>(codes.size()));
    int32_t i = 0;
    for (const int16_t code : codes) list->elements()[i++] = code;
    return list;
  }

  GameStatics* s = nullptr;
};

TEST_F(EventQueueTest, PostingKeepsOneEntryAnIdUnlessTheCodeAllowsMore) {
  struct Case {
    std::vector<int32_t> posted;
    std::vector<int32_t> queued;
  };
  const Case kCases[] = {
      {{50, 50}, {50}},
      {{50, 0x132}, {50, 0x132}},
      {{0x132, 50}, {0x132}},  // id 50 is queued already
      {{0x332, 0x332}, {0x332, 0x332}},
      {{0x232, 50, 0x150}, {0x232, 0x150}},
      {{256, 0, 0x200, 0x10000}, {}},  // id 0 is no event, whatever the flags
      {{0x11A, 0x11A, 26}, {0x11A, 0x11A}},
      {{0x1005, 5, 0x20005}, {0x1005}},  // higher bits are carried and ignored
  };
  for (const Case& c : kCases) {
    s->cGame_eventCount = 0;
    for (const int32_t code : c.posted) cGame::postEvent(code);
    EXPECT_EQ(events(), c.queued) << testing::PrintToString(c.posted);
  }
}

TEST_F(EventQueueTest, AFullQueueDropsEvenTheEndEvents) {
  for (int32_t id = 1; id <= 40; id++) cGame::postEvent(id + 100);
  std::vector<int32_t> first(40);
  for (int32_t i = 0; i < 40; i++) first[i] = i + 101;
  ASSERT_EQ(events(), first);
  Post({141, 50, 51, 0x132, 0x11A});
  EXPECT_EQ(events(), first);
  EXPECT_FALSE(cGame::isEventQueued(50));
  // A count past the queue is taken as the queue: nothing is written past it.
  s->cGame_eventCount = 900;
  cGame::postEvent(60);
  EXPECT_EQ(cGame::findEvent(60), -1);
}

TEST_F(EventQueueTest, EventsAreFoundByTheirLowByteAndRemovedInOrder) {
  Post({0x105, 0x07, 0x206, 0x09});
  EXPECT_EQ(cGame::findEvent(0x305), 0);
  EXPECT_EQ(cGame::findEvent(0x09), 3);
  EXPECT_EQ(cGame::findEvent(0x0A), -1);
  EXPECT_TRUE(cGame::isEventQueued(0x106));
  cGame::removeEvent(0);
  EXPECT_EQ(events(), (std::vector<int32_t>{0x07, 0x206, 0x09}));
  EXPECT_EQ(cGame::findEvent(6), 1);
  // An index outside the live events changes nothing: the count and the last event stay.
  for (const int32_t i : {-1, 3, 40, 1000}) {
    cGame::removeEvent(i);
    EXPECT_EQ(events(), (std::vector<int32_t>{0x07, 0x206, 0x09})) << i;
  }
  cGame::removeEvent(1);
  EXPECT_EQ(events(), (std::vector<int32_t>{0x07, 0x09}));
  // A count past the queue searches only the queue.
  s->cGame_eventCount = 900;
  EXPECT_EQ(cGame::findEvent(0x33), -1);
  s->cGame_eventCount = 0;
  EXPECT_EQ(cGame::findEvent(0x07), -1);
}

// The keep bit is read from the entry in the queue, never from the code consumed.
TEST_F(EventQueueTest, ConsumingLeavesAnEntryThatCarriesTheKeepBit) {
  Post({0x200 | 68, 30, 31});
  EXPECT_EQ(cGame::consumeEvent(68), 1);
  EXPECT_EQ(cGame::consumeEvent(68), 1);
  EXPECT_EQ(events(), (std::vector<int32_t>{0x244, 30, 31}));
  EXPECT_EQ(cGame::consumeEvent(0x200 | 30), 1);
  EXPECT_EQ(events(), (std::vector<int32_t>{0x244, 31}));
  EXPECT_EQ(cGame::consumeEvent(30), 0);
  // Of two entries of one id, the first goes first.
  Post({0x11A, 0x11A | 0x1000});
  EXPECT_EQ(cGame::consumeEvent(26), 1);
  EXPECT_EQ(events(), (std::vector<int32_t>{0x244, 31, 0x111A}));
}

TEST_F(EventQueueTest, TheFirstQueuedOfAListIsConsumedAndOnlyIt) {
  struct Case {
    std::vector<int32_t> queued;
    std::initializer_list<int16_t> list;
    int32_t n;
    int32_t result;
    std::vector<int32_t> left;
  };
  const Case kCases[] = {
      {{30, 40}, {30, 40}, 2, 0, {40}},
      {{30, 40}, {40, 30}, 2, 0, {30}},  // list order, not queue order
      {{30, 40}, {50, 40}, 2, 1, {30}},
      {{30, 40}, {50, 40}, 1, -1, {30, 40}},
      {{30, 40}, {30, 40}, 0, -1, {30, 40}},
      {{30, 40}, {30, 40}, -3, -1, {30, 40}},
      {{30, 40}, {50, 40}, 9, 1, {30}},  // n past the list: the list only
      {{0x21E, 40}, {30, 40}, 2, 0, {0x21E, 40}},
      {{}, {30, 40}, 2, -1, {}},
  };
  for (const Case& c : kCases) {
    s->cGame_eventCount = 0;
    for (const int32_t code : c.queued) cGame::postEvent(code);
    EXPECT_EQ(cGame::consumeFirstEvent(List(c.list), c.n), c.result) << c.n;
    EXPECT_EQ(events(), c.left) << c.n;
  }
  EXPECT_EQ(cGame::consumeFirstEvent(nullptr, 2), -1);
}

}  // namespace
