// A shot's landing on levels of the data set built onto the board, one row per case a built
// level brings by itself: a match of three and its points, two of a colour, the nudge of a
// type-0 bunch after a match and after a wall bounce, what the core no longer holds dropping
// once the pops have played, a second bunch close enough to join a match, the side turn at
// the play area's left edge beside a wave level's rows, and a lesson's objective markers.
// Each case is found by walking the free cells beside the built bunches' members; what a
// landing there takes and leaves hanging is worked out here from the cells alone. The cases
// no level brings (jokers, special kinds, locks, catchers, bunches of types 12 and 15, the
// big-match award, the pop-end events) keep their hand-built boards in
// tests/game/board/landing_test.cpp.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/world/level_fixture.h"
#include "tools/databuild/level_plan.h"

namespace {

constexpr int32_t kFrameMs = 40;
constexpr int32_t kPopFrames = 60;  // 2.4 s: every pop of a match has played
constexpr int32_t kRise = -600;     // px/s, the shot's climb
constexpr int32_t kNudge = 12;      // px
constexpr int32_t kMissEvent = 21;
constexpr int32_t kFirstMarker = 0x20;  // objective 0's; 1's is the next bit

using Group = std::set<const Bubble*>;

// A free cell beside hit (a member of bunch `bunch`, on side) and the colour of the shot that
// lands there. group: the members that match with the shot, when with the shot they are three
// or more; held: what still hangs on the core when the group has gone; drops: the members
// left that hang on nothing.
struct Landing {
  Bubble* hit = nullptr;
  int32_t bunch = 0, side = 0, colour = 0;
  Group group, held;
  size_t groupSize = 0, drops = 0;
};

class BuiltLevelLandingTest : public BuiltLevelShotTest {
 protected:
  static Bubble* At(int32_t b, int32_t col, int32_t row) {
    for (Bubble* m : Members(b)) {
      if (m->col == col && m->row == row) return m;
    }
    return nullptr;
  }
  // The members of colour c joined to the cell through members of colour c.
  static Group SameColour(int32_t b, int32_t col, int32_t row, int32_t c) {
    Group group;
    std::vector<std::pair<int32_t, int32_t>> open = {{col, row}};
    while (!open.empty()) {
      auto [x, y] = open.back();
      open.pop_back();
      for (int32_t d = 0; d < 6; d++) {
        const Bubble* n = At(b, x + Bubble::kNeighbourDx[d], y + Bubble::kNeighbourDy[d]);
        if (!n || n->colour != c || group.count(n)) continue;
        group.insert(n);
        open.push_back({n->col, n->row});
      }
    }
    return group;
  }
  // The members joined to the core through members outside gone.
  static Group Held(int32_t b, const Group& gone) {
    const Bubble* core = Bunch(b)->core;
    Group held;
    if (!core || gone.count(core)) return held;
    std::vector<const Bubble*> open = {core};
    held.insert(core);
    while (!open.empty()) {
      const Bubble* m = open.back();
      open.pop_back();
      for (int32_t d = 0; d < 6; d++) {
        const Bubble* n = At(b, m->col + Bubble::kNeighbourDx[d], m->row + Bubble::kNeighbourDy[d]);
        if (!n || gone.count(n) || held.count(n)) continue;
        held.insert(n);
        open.push_back(n);
      }
    }
    return held;
  }
  static bool OnPlayArea(int32_t b, int32_t col, int32_t row) {
    GameStatics* g = Statics<GameStatics>();
    Bubble::cellPosition(Bunch(b), col, row, true, true);
    return g->Bubble_cellX >= g->cGame_playLeft && g->Bubble_cellX <= g->cGame_playRight;
  }
  // Builds each level of the data set that `level` takes, with `variant`, and each stage of
  // a type-0 level in turn (stepped once, as the first frame of play steps it), until a free
  // cell beside a member of a plain colour and a plain shot colour give a landing that
  // `wanted` takes; that stage stays built. onArea: only cells on the play area.
  bool Find(const std::function<bool(int world, int index)>& level,
            const std::function<bool(const Landing&)>& wanted, Landing* found,
            int32_t variant = kPlainVariant, bool onArea = true) {
    for (int world = 0; world < databuild::kLevelWorldCount; world++) {
      for (int index = 0; index < databuild::LevelsInWorld(world); index++) {
        if (!level(world, index)) continue;
        BuildPlanned(world, index, variant);
        EnterPlay();
        const int32_t stages = s->cGame_levelType == 0 ? s->cGame_stageCount : 1;
        for (int32_t stage = 0; stage < stages; stage++) {
          if (stage > 0) {
            Bubble::resetPool();
            cGame::startBoard();
            s->cGame_currentStage = stage;
            cGame::loadNextStage();
          }
          s->cGame_frameTime = 0;
          cGame::updateWorldObjects();
          Bubble::rebuildGrid();
          if (Search(wanted, onArea, found)) return true;
        }
      }
    }
    return false;
  }
  static bool Search(const std::function<bool(const Landing&)>& wanted, bool onArea,
                     Landing* found) {
    for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
      if (!Bunch(b)->inUse) continue;
      for (Bubble* m : Members(b)) {
        if (!m->isMatchable()) continue;
        for (int32_t side = 0; side < 6; side++) {
          const int32_t col = m->col + Bubble::kNeighbourDx[side];
          const int32_t row = m->row + Bubble::kNeighbourDy[side];
          if (At(b, col, row) || (onArea && !OnPlayArea(b, col, row))) continue;
          for (int32_t c = 0; c < Bubble::kPlainColours; c++) {
            Landing l{m, b, side, c, SameColour(b, col, row, c), {}, 0, 0};
            l.groupSize = l.group.size() + 1;
            if (l.groupSize < 3) l.group.clear();
            l.held = Held(b, l.group);
            l.drops = Members(b).size() - l.group.size() - l.held.size();
            if (wanted(l)) {
              *found = l;
              return true;
            }
          }
        }
      }
    }
    return false;
  }
  static bool Plain(int world, int index) {
    return !databuild::IsLessonLevel(world, index) && databuild::BossKindOf(world, index) < 0 &&
           databuild::PlannedLevel(world, index).header.levelType == 0;
  }
  // The shot of the landing's colour at its cell (dy px lower), rising with vx px/s across,
  // comes to rest against the hit bubble on the landing's side.
  static Bubble* Land(const Landing& l, int32_t vx = 0, int32_t dy = 0) {
    GameStatics* g = Statics<GameStatics>();
    Bubble* hit = l.hit;
    Bubble::cellPosition(Bunch(hit->bunch), hit->col + Bubble::kNeighbourDx[l.side],
                         hit->row + Bubble::kNeighbourDy[l.side], true, true);
    Bubble* shot = Bubble::allocate();
    shot->colour = l.colour;
    shot->setPosition(g->Bubble_cellX >> 16, (g->Bubble_cellY >> 16) + dy);
    shot->syncPixelFromPosition();
    shot->vx = vx * kPx;
    shot->vy = kRise * kPx;
    g->Bubble_hitBubble = hit;
    g->Bubble_hitSide = l.side;
    cGame::onBubbleLanded(shot, hit, hit->bunch, l.side, 0, 0);
    return shot;
  }
};

// ---- Matches, misses and drops ------------------------------------------------------------

TEST_F(BuiltLevelLandingTest, LandingsOnBuiltBunchesMatchScoreNudgeAndDrop) {
  struct Case {
    const char* name;
    std::function<bool(const Landing&)> wanted;
    int32_t bestBefore;
    std::function<void(const Landing&, Bubble* shot, GameStatics* s)> check;
  };
  auto core = [](const Landing& l) { return Bunch(l.bunch)->core; };
  const Case kCases[] = {
      {"a match of three scores 300 + 200 + 200 for each bubble past the best",
       [&](const Landing& l) { return l.groupSize == 3 && !l.group.count(core(l)) && !l.drops; }, 1,
       [](const Landing& l, Bubble* shot, GameStatics* s) {
         EXPECT_EQ(s->cGame_score, 300 + 200 + 2 * 200);
         EXPECT_EQ(
             std::tie(s->cGame_matchCount, s->cGame_poppedBubbleCount, s->cGame_bestMatchSize),
             std::make_tuple(1, 3, 3));
         EXPECT_EQ(shot->floodOrder, 0);
         for (const Bubble* m : l.group) {
           EXPECT_TRUE(m->flags & Bubble::kVisited);
           EXPECT_EQ(m->popTimer, m->floodOrder * 1000 / 16) << "flood place " << m->floodOrder;
         }
       }},
      {"two of a colour make no match and count a miss",
       [](const Landing& l) { return l.groupSize == 2; }, 0,
       [](const Landing& l, Bubble* shot, GameStatics* s) {
         EXPECT_EQ(std::tie(s->cGame_score, s->cGame_matchCount), std::make_tuple(0, 0));
         EXPECT_EQ(std::tie(s->cGame_missStreak, s->cGame_popStreak), std::make_tuple(1, 0));
         EXPECT_EQ(shot->bunch, l.bunch);
         EXPECT_EQ(Events(), std::vector<int32_t>{kMissEvent});
       }},
      {"a match on a type-0 bunch nudges it away from the hit, a quarter of the offset a second",
       [](const Landing& l) {
         return Bunch(l.bunch)->type == 0 && l.groupSize == 3 && !l.drops &&
                l.hit->x != Bunch(l.bunch)->centreX;
       },
       0,
       [](const Landing& l, Bubble*, GameStatics*) {
         cGame_CBubbleBunch* bunch = Bunch(l.bunch);
         const int32_t d = l.hit->x - bunch->centreX;
         EXPECT_EQ(bunch->restX, bunch->centreX + (d > 0 ? -kNudge : kNudge) * kPx);
         EXPECT_EQ(bunch->vx, -d / 4);
       }},
      {"what the core no longer holds drops once the pops have played, 200 each",
       [&](const Landing& l) { return l.groupSize == 3 && !l.group.count(core(l)) && l.drops; }, 3,
       [](const Landing& l, Bubble*, GameStatics* s) {
         for (int32_t f = 0; f < kPopFrames; f++) Frame(kFrameMs);
         Group kept;
         for (const Bubble* m : Members(l.bunch)) kept.insert(m);
         EXPECT_EQ(kept, l.held);
         EXPECT_EQ(s->cGame_droppedBubbleCount, static_cast<int32_t>(l.drops));
         EXPECT_EQ(s->cGame_score, 300 + 200 + 200 * static_cast<int32_t>(l.drops));
       }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Landing l;
    ASSERT_TRUE(Find(Plain, c.wanted, &l)) << "no plain level brings the case";
    s->cGame_score = s->cGame_matchCount = s->cGame_poppedBubbleCount = 0;
    s->cGame_droppedBubbleCount = s->cGame_missStreak = s->cGame_popStreak = 0;
    s->cGame_bestMatchSize = c.bestBefore;
    s->cGame_eventCount = 0;
    Bubble* shot = Land(l);
    c.check(l, shot, s);
  }
}

// ---- A second bunch ------------------------------------------------------------------------

// Bunches of a built level stand close enough for a second one to join a match: the first
// bubble in play of another bunch, of the shot's colour and within 74 px (across plus down) of
// it, floods its own bunch the same way; another such bubble elsewhere stays out.
TEST_F(BuiltLevelLandingTest, ASecondBunchJoinsTheMatchThroughTheFirstBubbleWithinReach) {
  constexpr int32_t kReach = 74, kMargin = 4;  // px; no candidate this close to the reach
  Group expected, outside;
  auto secondBunch = [&](const Landing& l) {
    GameStatics* g = Statics<GameStatics>();
    Bubble::cellPosition(Bunch(l.bunch), l.hit->col + Bubble::kNeighbourDx[l.side],
                         l.hit->row + Bubble::kNeighbourDy[l.side], true, true);
    std::vector<const Bubble*> near;
    for (const Bubble* o : Live()) {
      if (o->bunch < 0 || o->bunch == l.bunch || o->colour != l.colour) continue;
      const int32_t d = (std::abs(o->x - g->Bubble_cellX) + std::abs(o->y - g->Bubble_cellY)) >> 16;
      if (std::abs(d - kReach) <= kMargin) return false;
      if (d < kReach) near.push_back(o);
    }
    if (near.empty()) return false;
    Group joined = SameColour(near[0]->bunch, near[0]->col, near[0]->row, l.colour);
    joined.insert(near[0]);
    outside.clear();
    for (const Bubble* o : near) {
      if (!joined.count(o)) outside.insert(o);
    }
    if (outside.empty()) return false;
    expected = SameColour(l.bunch, l.hit->col + Bubble::kNeighbourDx[l.side],
                          l.hit->row + Bubble::kNeighbourDy[l.side], l.colour);
    expected.insert(joined.begin(), joined.end());
    return true;
  };
  Landing l;
  ASSERT_TRUE(Find(Plain, secondBunch, &l)) << "no plain level brings two bunches this close";
  s->cGame_poppedBubbleCount = 0;
  Bubble* shot = Land(l);
  Group visited;
  for (const Bubble* b : Live()) {
    if (b != shot && (b->flags & Bubble::kVisited)) visited.insert(b);
  }
  EXPECT_EQ(visited, expected);
  for (const Bubble* o : outside) EXPECT_FALSE(o->flags & Bubble::kVisited);
  const int32_t n = static_cast<int32_t>(expected.size()) + 1;
  EXPECT_EQ(s->cGame_poppedBubbleCount, n >= 3 ? n : 0);
}

// ---- Nudges of a wall-bounced shot --------------------------------------------------------

TEST_F(BuiltLevelLandingTest, AWallBouncedShotWithoutAMatchNudgesABuiltTypeZeroBunchItsWay) {
  for (auto [vx, dx] : {std::pair{300, kNudge}, {-300, -kNudge}}) {
    SCOPED_TRACE(vx);
    Landing l;
    ASSERT_TRUE(Find(
        Plain, [](const Landing& l) { return Bunch(l.bunch)->type == 0 && l.groupSize == 1; }, &l));
    cGame_CBubbleBunch* bunch = Bunch(l.bunch);
    const int32_t restX = bunch->restX, restY = bunch->restY;
    s->cGame_wallBounced = 1;
    Bubble* shot = Land(l, vx);
    EXPECT_EQ(shot->bunch, l.bunch);
    EXPECT_EQ(std::tie(bunch->restX, bunch->restY), std::make_tuple(restX + dx * kPx, restY));
  }
}

// ---- The side turn at the play area's edge ------------------------------------------------

// A wave level's rows reach the play area's left edge: a shot landing left of a row's first
// bubble, whose cell lies off the area, turns to the free cell below it when it comes from
// below, above it when it comes from above.
TEST_F(BuiltLevelLandingTest, ACellLeftOfThePlayAreaTurnsTowardTheShotsHeightOnAWaveLevel) {
  struct Case {
    int32_t dy, side;
  };
  constexpr int32_t kLeft = 3;
  for (const Case& c : {Case{10, 2}, Case{-10, 4}}) {
    SCOPED_TRACE(c.dy);
    auto wave = [](int world, int index) {
      return databuild::BossKindOf(world, index) < 0 &&
             databuild::PlannedLevel(world, index).header.levelType == 2;
    };
    auto offTheLeft = [&](const Landing& l) {
      const int32_t col = l.hit->col + Bubble::kNeighbourDx[c.side];
      const int32_t row = l.hit->row + Bubble::kNeighbourDy[c.side];
      return l.side == kLeft && !OnPlayArea(l.bunch, l.hit->col - 1, l.hit->row) &&
             !At(l.bunch, col, row) && SameColour(l.bunch, col, row, l.colour).size() < 2;
    };
    Landing l;
    ASSERT_TRUE(Find(wave, offTheLeft, &l, kPlainVariant, false));
    Bubble* shot = Land(l, 0, c.dy);
    EXPECT_EQ(std::make_tuple(shot->bunch, shot->col, shot->row),
              std::make_tuple(l.bunch, l.hit->col + Bubble::kNeighbourDx[c.side],
                              l.hit->row + Bubble::kNeighbourDy[c.side]));
  }
}

// ---- A lesson's objective markers ---------------------------------------------------------

TEST_F(BuiltLevelLandingTest, ALandingBesideALessonsMarkerMeetsTheObjectiveInPlay) {
  struct Case {
    int32_t marker, objective;
    bool met;
  };
  for (const Case& c :
       {Case{kFirstMarker, 0, true}, {kFirstMarker << 1, 1, true}, {kFirstMarker << 1, 0, false}}) {
    SCOPED_TRACE(testing::Message() << c.marker << " " << c.objective);
    Landing l;
    ASSERT_TRUE(Find(
        databuild::IsLessonLevel,
        [&](const Landing& l) { return (l.hit->flags & c.marker) && l.groupSize < 3; }, &l,
        kLessonVariant));
    s->cGame_currentObjective = c.objective;
    Land(l);
    EXPECT_EQ(s->cGame_objectiveFlags->elements()[c.objective], c.met ? 1 : 0);
  }
}

}  // namespace
