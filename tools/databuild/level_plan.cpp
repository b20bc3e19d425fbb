// The levels of the data set. Each is drawn from a generator seeded by its world, its level
// and its attempt, and grows with them: more colours, bunches, bubbles, stages and bunch types.
// World 0 opens with three two-stage lessons; worlds 1 to 6 each bring a level type among
// plain levels, world 7 mixes them all, level 12 of each main world is a boss level, the extra
// worlds mix every type with a countdown level and a survival level, and world 11 is survival.
// A level the check refuses is drawn again from the next attempt's seed.
#include "tools/databuild/level_plan.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "tools/databuild/build_error.h"
#include "tools/databuild/game_texts.h"

namespace databuild {

namespace {

constexpr int kLevelsPerWorld[kLevelWorldCount] = {13, 13, 13, 13, 13, 13, 13, 13, 10, 10, 10, 1};
constexpr int kMainWorlds = 8;
constexpr int kBossLevel = 12;
constexpr int kBossKinds[kMainWorlds] = {0, 1, 2, 3, 4, 5, 2, 3};
constexpr int kWorldTypes[] = {4, 5, 6, 7, 8, 3};  // the type each of worlds 1..6 brings
constexpr int kWorld7Types[] = {0, 4, 0, 5, 6, 0, 7, 8, 0, 3, 0, 0};
constexpr int kExtraTypes[] = {0, 4, 5, 6, 7, 8, 3, 1, 2, 0};
constexpr int kSurvivalWorld = 11;
constexpr int kBigWorld = 7, kBigLevel = 11;  // 8 bunches of 15: the play benchmark's level
constexpr int kAttempts = 40;
constexpr int kPlainColours = 7;
constexpr int kSpecialKinds = 22;
constexpr int kIntroLines = kLevelIntroLines;
constexpr int kWonLines = kLevelWonLines;
constexpr int kLostLines = kLevelLostLines;
constexpr int kFirstLine = kFirstLevelLineText - kLevelTextBase;  // as a header names it
// Bunch types by growth: a world of plain levels uses the first 1 + world of them.
constexpr int kGrowingBunchTypes[] = {0, 9, 11, 4, 8, 6, 2, 3};
constexpr int kScenerySafeTypes[] = {0, 4, 8};
constexpr int kHubType = 2;  // its core brings the first ring  // type 3: no feature sprites needed
constexpr int kObjectiveFlag = 0x20;            // 0x20, 0x40, 0x80: lesson steps 0, 1, 2
constexpr int kWonEvent = 50;
constexpr int kTimerPulse = 0x400;

using Cell = std::pair<int, int>;

// The game's own generator step (x * 1664525 + 1013904223), upper 16 bits.
class LevelRandom {
 public:
  LevelRandom(int world, int level, int attempt)
      : state_(static_cast<uint32_t>(world + 1) * 7919u +
               static_cast<uint32_t>(level + 1) * 104729u +
               static_cast<uint32_t>(attempt) * 15485863u) {
    for (int i = 0; i < 4; i++) next();
  }
  // lo .. hi, both included.
  int range(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
  }

 private:
  uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 16;
  }
  uint32_t state_;
};

// What a level is drawn from.
struct Draw {
  int world, level, attempt;
  LevelRandom& random;
};

int LevelTypeOf(int world, int level) {
  if (world == kSurvivalWorld) return 2;
  if (world >= kMainWorlds) return kExtraTypes[level];
  if (world == 0 || level == kBossLevel) return 0;
  if (world == kMainWorlds - 1) return kWorld7Types[level];
  return level == 4 || level == 8 || level == 11 ? kWorldTypes[world - 1] : 0;
}

// Item w is won in the middle level of main world w, item 8 + w in the last level of main
// worlds 0..6: the fifteen items of the unlock list.
int UnlockItemOf(int world, int level) {
  if (world >= kMainWorlds) return -1;
  if (level == 6) return world;
  if (level == kBossLevel && world < kMainWorlds - 1) return kMainWorlds + world;
  return -1;
}

int ColoursOf(int world, int level) {
  if (world >= kMainWorlds) return kPlainColours;
  return std::min(kPlainColours, 3 + world / 2 + level / 7);
}

// ---- Shapes ---------------------------------------------------------------------------------

// The cells around the core ring by ring, the lower of two cells of a ring first: every prefix
// is joined to the core.
std::vector<Cell> RingCells(int rings) {
  std::vector<Cell> cells;
  for (int c = -rings; c <= rings; c++) {
    for (int r = -rings; r <= rings; r++) {
      if (std::max({std::abs(c), std::abs(r), std::abs(c + r)}) <= rings) cells.push_back({c, r});
    }
  }
  auto ring = [](const Cell& x) {
    return std::max({std::abs(x.first), std::abs(x.second), std::abs(x.first + x.second)});
  };
  std::stable_sort(cells.begin(), cells.end(), [&](const Cell& a, const Cell& b) {
    if (ring(a) != ring(b)) return ring(a) < ring(b);
    if (a.second != b.second) return a.second < b.second;
    return std::abs(2 * a.first + a.second) < std::abs(2 * b.first + b.second);
  });
  return cells;
}

// A flat shape of three rows of five: the big level's bunches and the bosses' walking surface.
std::vector<Cell> WideCells(int rows) {
  std::vector<Cell> cells = {{0, 0}};
  for (int c = -2; c <= 2; c++) {
    if (c != 0) cells.push_back({c, 0});
  }
  if (rows > 1) {
    for (int c = -1; c <= 3; c++) cells.push_back({c, -1});
  }
  if (rows > 2) {
    for (int c = -3; c <= 1; c++) cells.push_back({c, 1});
  }
  return cells;
}

std::vector<LevelBubble> Colour(const std::vector<Cell>& cells, size_t count, int colours,
                                LevelRandom& random) {
  std::vector<LevelBubble> bubbles;
  const int first = random.range(0, kPlainColours - 1);
  for (size_t i = 0; i < std::min(count, cells.size()); i++) {
    const int kind = (first + random.range(0, colours - 1)) % kPlainColours;
    bubbles.push_back({cells[i].first, cells[i].second, kind, 0});
  }
  return bubbles;
}

// Thousandths of the play screen (480 x 640) for a pixel position.
int ThousandthsX(int px) {
  return (px * 1000 + kPlayWidth / 2) / kPlayWidth;
}
int ThousandthsY(int py) {
  return (py * 1000 + kPlayHeight / 2) / kPlayHeight;
}

// ---- The level types ------------------------------------------------------------------------

// The size in pixels of the shapes above: one ring, two rings, the flat shape.
struct Size {
  int width, height;
};
constexpr Size kOneRing = {112, 104};
constexpr Size kTwoRings = {188, 170};
constexpr Size kWide = {224, 104};

// The bunches of a stage laid out in rows across the play area, as many to a row as fit.
void PlaceStage(Level& l, std::vector<LevelBunch> bunches, Size size, int stage) {
  const int n = static_cast<int>(bunches.size());
  const int across = std::max(1, std::min(n, (kPlayWidth - 2 * kSideWall) / size.width));
  const int width = (kPlayWidth - 2 * kSideWall) / across;
  const int height = size.height;
  for (int i = 0; i < n; i++) {
    LevelBunch& b = bunches[i];
    const int column = i % across, row = i / across;
    b.x = ThousandthsX(kSideWall + width * column + width / 2);
    b.y = ThousandthsY(height / 2 + 2 + row * (height + 2));
    b.stage = stage;
    l.bunches.push_back(std::move(b));
  }
}

void PlanLayout(Level& l, const Draw& d) {
  const bool lesson = IsLessonLevel(d.world, d.level);
  const bool big = d.world == kBigWorld && d.level == kBigLevel;
  const int boss = BossKindOf(d.world, d.level);
  const int colours = ColoursOf(d.world, d.level);
  if (boss >= 0) {
    // The wheel of kinds 0 and 4 is a type-6 bunch, the chain of kind 1 a type-8 one; kinds 2
    // and 5 walk the top of bunch 0, kind 3 sits in a round bunch 0.
    LevelBunch b;
    b.type = boss == 0 || boss == 4 ? 6 : boss == 1 ? 8 : 0;
    const bool flat = boss == 2 || boss == 5;
    b.bubbles = Colour(flat ? WideCells(3) : RingCells(2), 19, colours, d.random);
    PlaceStage(l, {b}, flat ? kWide : kTwoRings, 0);
    return;
  }
  const int stages = lesson ? 2 : (d.world >= 2 && d.level % 5 == 2 ? 2 : 1);
  const int kinds = std::min<int>(std::size(kGrowingBunchTypes), 1 + d.world);
  for (int stage = 0; stage < stages; stage++) {
    const int n = big ? 8 : std::min(4, 1 + (d.world + d.level / 4) / 3 + stage);
    const int cells =
        big ? 15
            : std::max(3, 4 + d.world / 2 + d.level / 3 + d.random.range(0, 2) - d.attempt / 4);
    const bool twoRings = !big && cells > 7;
    std::vector<LevelBunch> bunches;
    for (int i = 0; i < n; i++) {
      LevelBunch b;
      b.type = l.header.levelType == 3
                   ? kScenerySafeTypes[d.random.range(0, std::size(kScenerySafeTypes) - 1)]
                   : kGrowingBunchTypes[d.random.range(0, kinds - 1)];
      b.bubbles =
          Colour(big ? WideCells(3) : RingCells(twoRings ? 2 : 1), cells, colours, d.random);
      b.colourA = b.bubbles[0].kind;
      b.colourB = b.bubbles.back().kind;
      if (b.type == kHubType) {
        // The hub's core brings its first ring of colourA and colourB itself.
        std::erase_if(b.bubbles, [](const LevelBubble& c) {
          return std::max({std::abs(c.column), std::abs(c.row), std::abs(c.column + c.row)}) == 1;
        });
      }
      if (lesson && i == 0) b.bubbles[0].flags |= kObjectiveFlag << stage;
      bunches.push_back(std::move(b));
    }
    PlaceStage(l, std::move(bunches), big ? kWide : twoRings ? kTwoRings : kOneRing, stage);
  }
}

void PlanPaths(Level& l, const Draw& d) {
  LevelPaths& p = l.paths;
  p.points = {{-60, 300}, {1060, 300}, {-60, 520}, {1060, 520}, {500, 150}};
  const int walk = std::max(2500, 7000 - 300 * d.level);
  p.paths = {{{0, walk}, {1, 1}},
             {{1, walk}, {0, 1}},
             {{2, walk}, {3, 1}},
             {{3, walk / 2}, {4, walk / 2}, {2, 1}}};
  p.walkerSlots = 2 + d.level / 5;
  p.goals = 6 + d.level;
  for (int i = 0; i < 8; i++) {
    p.params.push_back(d.random.range(0, static_cast<int>(p.paths.size()) - 1));
    p.params.push_back(i % 3 == 2 ? -1 : d.random.range(0, ColoursOf(d.world, d.level) - 1));
  }
}

// Small templates of one ring for the belt, the drops and the row feeder.
void PlanTemplates(Level& l, const Draw& d, int count) {
  const int colours = ColoursOf(d.world, d.level);
  for (int t = 0; t < count; t++) {
    l.templates.push_back({Colour(RingCells(1), 4 + d.random.range(0, 3), colours, d.random)});
  }
}

void PlanBelt(Level& l, const Draw& d) {
  PlanTemplates(l, d, 3 + d.level / 5);
  for (size_t i = 0; i < l.templates.size(); i++) l.belt.rowY.push_back(220 + 20 * (i % 2));
  l.belt.goals = 2 * static_cast<int>(l.templates.size());
  l.belt.speed = (d.random.range(0, 1) ? 1 : -1) * (30 + 2 * d.level);
  l.belt.spacing = 150;
  l.belt.delayMin = 4000;
  l.belt.delayMax = 9000;
}

void PlanDrops(Level& l, const Draw& d) {
  PlanTemplates(l, d, 3);
  const int drops = 6 + d.level / 2;
  for (int i = 0; i < drops; i++) {
    l.drops.drops.push_back(
        {i % 3, 2000 + (7000 - 200 * d.level) * i, d.random.range(250, 750), 30 + d.level});
  }
  l.drops.penalty = 20;
  l.drops.goals = drops;
}

void PlanRows(Level& l, const Draw& d) {
  PlanTemplates(l, d, 3);
  l.rows.interval = std::max(5000, 10000 - 300 * d.level);
  l.rows.firstTime = 8000;
  l.rows.speed = 20 + d.level;
  for (int i = 0; i < 6 + d.level / 2; i++) l.rows.templates.push_back(d.random.range(0, 2));
}

void PlanWaves(Level& l, const Draw& d) {
  l.waves.startLayouts = 3;
  const int stages = 3 + d.level / 4;
  for (int s = 0; s < stages; s++) {
    LevelStage stage;
    stage.wave = {std::min(kPlainColours, 3 + s), std::max(2, 5 - s / 2), 2, 3 + s};
    stage.specials = {7 + s % 5, 9, 12, 0, 0};
    stage.values = {s, 10 + 5 * s, 5, 1, 2, 3};
    stage.rowA = {1, 2, 3, 4};
    stage.rowB = {1, 2, 3, 4, 5, 6};
    l.waves.stages.push_back(stage);
  }
}

// A closed loop of straight cells and quarter turns, three cells by two.
void PlanTrack(Level& l, const Draw& d) {
  l.track.x = 200;
  l.track.y = 150;
  l.track.speed = 1;
  l.track.segments = {0, 0, 5, 1, 6, 2, 2, 7, 3, 4};
  const int colours = ColoursOf(d.world, d.level);
  for (int i = 0; i < 6 + d.level / 3; i++) {
    l.track.bubbles.push_back({d.random.range(0, colours - 1), 0});
  }
}

void PlanHeader(Level& l, const Draw& d, int type) {
  LevelHeader& h = l.header;
  h.levelType = type;
  h.actorSet = d.world;  // the scene of the level: an entry of the scenery pack per world
  h.shotSequenceRepeats = -1;
  h.unlockItem = UnlockItemOf(d.world, d.level);
  h.fastTime = 15000 + 1500 * d.level + 1000 * ColoursOf(d.world, d.level);
  h.timeBonus = 500 + 250 * d.world + 50 * d.level;
  h.slowTimeSpan = 20000;
  h.specialChance = std::min(30, 2 * d.world + d.random.range(0, 4));
  h.specialBaseChance = h.specialChance;
  h.specialChanceStep = d.random.range(1, 3);
  const int kinds = std::min(kSpecialKinds, 3 + d.world + d.level / 4);
  for (int k = 0; k < kinds; k++) h.specialWeights[k] = d.random.range(1, 5);
  // Drop step, the two waits of the hints (ms), timer A (the countdown of a timed level) and
  // B, the shots a floor step, the handle kind, the ring timer and its step, the placement
  // counts and divisor, one spare.
  const int countdown = type == 1 ? 40000 + 4000 * d.level : 120000;
  h.params = {4 + d.random.range(0, 3), 8000, 15000, countdown, 0, 5, 7, 3000, 500, 5, 2, 1000, 0};
  h.countdown = type == 1;
  const int introCount = d.random.range(1, 3);
  for (int i = 0; i < introCount; i++) {
    h.intro.push_back(
        {kFirstLine + d.random.range(0, kIntroLines - 1), i == 0 ? 0 : 1 + i % 2, {}});
  }
  h.won.push_back({kFirstLine + kIntroLines + d.random.range(0, kWonLines - 1), 0, {}});
  h.lost.push_back(
      {kFirstLine + kIntroLines + kWonLines + d.random.range(0, kLostLines - 1), 1, {}});
}

// Three shots of every colour on the board (every colour for a level without one), mixed.
void PlanShots(Level& l, const Draw& d) {
  std::vector<int> colours;
  auto add = [&](const std::vector<LevelBubble>& bubbles) {
    for (const LevelBubble& b : bubbles) {
      if (b.kind < kPlainColours) colours.push_back(b.kind);
    }
  };
  for (const LevelBunch& b : l.bunches) add(b.bubbles);
  for (const LevelTemplate& t : l.templates) add(t.bubbles);
  for (const TrackBubble& b : l.track.bubbles) colours.push_back(b.kind);
  const int type = l.header.levelType;
  const int all = type == 2 ? l.waves.stages[0].wave[0] : ColoursOf(d.world, d.level);
  if (type == 1 || type == 2 || type == 4) {
    for (int k = 0; k < all; k++) colours.push_back(k);
  }
  std::sort(colours.begin(), colours.end());
  colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
  for (const int kind : colours) l.shots.insert(l.shots.end(), 3, kind);
  for (size_t i = l.shots.size(); i > 1; i--) {
    std::swap(l.shots[i - 1], l.shots[d.random.range(0, static_cast<int>(i) - 1)]);
  }
}

Level Plan(const Draw& d) {
  Level l;
  const int type = LevelTypeOf(d.world, d.level);
  PlanHeader(l, d, type);
  switch (type) {
    case 0:
    case 3:
      PlanLayout(l, d);
      break;
    case 1:  // won by its rule when the countdown's timer first passes
      l.rules.push_back({1, 1, 0, 0, kTimerPulse, 0, kWonEvent});
      break;
    case 2:
      PlanWaves(l, d);
      break;
    case 4:
      PlanPaths(l, d);
      break;
    case 5:
      PlanBelt(l, d);
      break;
    case 6:
      PlanDrops(l, d);
      break;
    case 7:
      PlanRows(l, d);
      break;
    default:
      PlanTrack(l, d);
      break;
  }
  PlanShots(l, d);
  return l;
}

}  // namespace

int LevelsInWorld(int world) {
  return world >= 0 && world < kLevelWorldCount ? kLevelsPerWorld[world] : 0;
}

bool IsLessonLevel(int world, int level) {
  return world == 0 && level >= 0 && level < 3;
}

int BossKindOf(int world, int level) {
  return world >= 0 && world < kMainWorlds && level == kBossLevel ? kBossKinds[world] : -1;
}

Level PlannedLevel(int world, int level) {
  std::string problem;
  for (int attempt = 0; attempt < kAttempts; attempt++) {
    LevelRandom random(world, level, attempt);
    const Level l = Plan({world, level, attempt, random});
    problem = LevelProblem(l);
    if (problem.empty()) return l;
  }
  throw BuildError("level " + std::to_string(level) + " of world " + std::to_string(world) +
                   ": no draw passes the level check (" + problem + ")");
}

}  // namespace databuild
