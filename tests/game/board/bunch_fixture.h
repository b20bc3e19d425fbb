// Bunch tests: the actor fixture's real pools with the board started (bubble pool filled, the
// ten bunches made and cleared), and small builders of bunches and members.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "tests/game/board/actor_fixture.h"

class BunchTest : public ActorTest {
 protected:
  static constexpr int32_t kPx = 1 << 16;

  void SetUp() override {
    ActorTest::SetUp();
    cGame::startBoard();
  }
  static cGame_CBubbleBunch* Bunch(int32_t b) { return cGame::getBunch(b); }
  // Bunch b of the given type centred at (x, y) px, not yet in use.
  static cGame_CBubbleBunch* Placed(int32_t b, int32_t type, int32_t x, int32_t y) {
    cGame_CBubbleBunch* bunch = Bunch(b);
    bunch->type = type;
    cGame::setBunchCentre(b, x * kPx, y * kPx);
    return bunch;
  }
  // A bubble from the pool of the given colour and flags, attached to bunch b at (col, row).
  static Bubble* Attached(int32_t b, int32_t col, int32_t row, int32_t colour = 0,
                          int32_t flags = 0) {
    Bubble* bubble = Bubble::allocate();
    bubble->colour = colour;
    bubble->flags |= flags;
    cGame::attachBubbleToBunch(bubble, b, col, row);
    return bubble;
  }
  static Bubble* Link(const Bubble* bubble, int32_t d) {
    return static_cast<Bubble*>(bubble->neighbours->elements()[d]);
  }
  static std::vector<Bubble*> Members(int32_t b) {
    cGame_CBubbleBunch* bunch = Bunch(b);
    std::vector<Bubble*> list;
    for (int32_t i = 0; i < bunch->count; i++) {
      list.push_back(static_cast<Bubble*>(bunch->bubbles->elements()[i]));
    }
    return list;
  }
};
