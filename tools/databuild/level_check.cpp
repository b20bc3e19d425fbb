// The level check: the limits of the game's level readers and what a level needs to be won,
// over a planned level. Each rule gives its problem in a few words; the plan draws a level
// again while one is found.
#include "tools/databuild/level_check.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <utility>

#include "tools/databuild/build_error.h"
#include "tools/databuild/game_texts.h"

namespace databuild {

namespace {

constexpr int kParamCount = 13;
constexpr int kListCapacity = 6;
constexpr int kUnlockItems = 15;
constexpr int kPlainColours = 7;  // bubble kinds 0..6
constexpr int kLastKind = 43;
constexpr int kLastLevelType = 8;
constexpr int kLastBunchType = 15;
constexpr size_t kBunchSlots = 10;
constexpr int kPoolBubbles = 170;
constexpr size_t kBunchCells = 180;
constexpr size_t kTemplates = 7;
constexpr size_t kTemplateCells = 20;
constexpr size_t kStages = 20;
constexpr size_t kTrackBubbles = 10;
constexpr int kTargetKind = 36;
constexpr int kHubType = 2;  // a bunch whose core brings a ring of six
constexpr int kTargets = 5;
constexpr size_t kPathSteps = 127;
constexpr int kLastSpecialKind = 28;
constexpr int kLastSegmentKind = 11;
constexpr int kTrackCell = 111;  // px
constexpr int kTurnSteps = 1024;
constexpr int kLineBase = kFirstLevelLineText - kLevelTextBase;

using Cell = std::pair<int, int>;
// The six neighbour steps (column, row), in direction order.
constexpr Cell kSteps[] = {{1, 0}, {1, -1}, {0, -1}, {-1, 0}, {-1, 1}, {0, 1}};

std::string ListProblem(const std::vector<DialogueEntry>& list, int first, int count,
                        const char* name) {
  if (list.size() > kListCapacity) return std::string("more than six ") + name;
  for (const DialogueEntry& entry : list) {
    if (entry.text < first || entry.text >= first + count) {
      return std::string(name) + " text " + std::to_string(entry.text) + " is not a level line";
    }
  }
  return "";
}

std::string HeaderProblem(const LevelHeader& h) {
  if (h.params.size() != kParamCount) return "the header needs 13 parameters";
  if (h.levelType < 0 || h.levelType > kLastLevelType) return "no such level type";
  if (h.unlockItem < -1 || h.unlockItem >= kUnlockItems) return "no such item";
  if (h.params[0] == 0) return "a drop step of 0";
  std::string p = ListProblem(h.intro, kLineBase, kLevelIntroLines, "intro lines");
  if (p.empty()) p = ListProblem(h.won, kLineBase + kLevelIntroLines, kLevelWonLines, "won lines");
  if (p.empty()) {
    p = ListProblem(h.lost, kLineBase + kLevelIntroLines + kLevelWonLines, kLevelLostLines,
                    "lost lines");
  }
  return p;
}

// Cells all distinct, the core (0, 0) among them and every cell joined to it.
std::string CellsProblem(const std::vector<LevelBubble>& bubbles) {
  std::set<Cell> cells;
  for (const LevelBubble& b : bubbles) {
    if (!cells.insert({b.column, b.row}).second) return "two bubbles in one cell";
  }
  if (!cells.count({0, 0})) return "a bunch without its core";
  std::set<Cell> reached = {{0, 0}};
  std::vector<Cell> todo = {{0, 0}};
  while (!todo.empty()) {
    const Cell c = todo.back();
    todo.pop_back();
    for (const Cell& d : kSteps) {
      const Cell n = {c.first + d.first, c.second + d.second};
      if (cells.count(n) && reached.insert(n).second) todo.push_back(n);
    }
  }
  return reached.size() == cells.size() ? "" : "a bubble off its bunch's core";
}

// A cell one step from the core.
bool IsFirstRing(int column, int row) {
  return std::find(std::begin(kSteps), std::end(kSteps), Cell{column, row}) != std::end(kSteps);
}

// The bunch types whose sprites the loader loads after a scan of a type-0 layout only.
bool NeedsFeatureSprites(int type) {
  constexpr int kTypes[] = {1, 2, 3, 5, 6, 7, 9, 11};
  return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

bool IsPlain(int kind) {
  return kind >= 0 && kind < kPlainColours;
}

// A bubble at cell (column, row) of a bunch centred at (x, y) px lies inside the side walls,
// below the top and a drop step above the danger line.
bool InPlay(int x, int y, int column, int row) {
  const int bx = x + (2 * column + row) * 37 / 2;
  const int by = y - 33 * row;
  return bx >= kSideWall + kBubbleRadius && bx <= kPlayWidth - kSideWall - kBubbleRadius &&
         by >= kBubbleRadius && by <= kDangerLineY - kDropStep - kBubbleRadius;
}

// The colours on the board of a level, and a problem with its bubbles.
struct Board {
  std::set<int> colours;
  std::string problem;
};

std::string BubblesProblem(const std::vector<LevelBubble>& bubbles, Board& board) {
  for (const LevelBubble& b : bubbles) {
    if (!IsPlain(b.kind) && b.kind != kTargetKind) {
      return "a bubble of kind " + std::to_string(b.kind);
    }
    if (IsPlain(b.kind)) board.colours.insert(b.kind);
  }
  return CellsProblem(bubbles);
}

// Types 0 and 3: the bunches of each stage.
std::string LayoutProblem(const Level& l, Board& board) {
  if (l.bunches.empty()) return "no bubble to clear";
  if (l.bunches.size() > kBunchSlots) return "more bunches than the table";
  std::map<int, int> stageBubbles;
  std::map<int, int> stageTargets;
  int lastStage = 0;
  for (const LevelBunch& bunch : l.bunches) {
    if (bunch.type < 0 || bunch.type > kLastBunchType) return "no such bunch type";
    if (l.header.levelType == 3 && NeedsFeatureSprites(bunch.type)) {
      return "a type-3 level with a bunch whose sprites are not loaded";
    }
    if (bunch.type == 3 && l.header.params[11] == 0) return "a type-3 bunch dividing by 0";
    if (bunch.partner < -1 || bunch.partner >= static_cast<int>(l.bunches.size())) {
      return "a partner outside the bunches";
    }
    if (bunch.stage < 0) return "a negative stage";
    lastStage = std::max(lastStage, bunch.stage);
    if (bunch.bubbles.empty() || bunch.bubbles.size() > kBunchCells) return "a bunch's size";
    const int x = bunch.x * kPlayWidth / 1000;
    const int y = bunch.y * kPlayHeight / 1000;
    for (const LevelBubble& b : bunch.bubbles) {
      if (!InPlay(x, y, b.column, b.row)) return "a bubble outside the play area";
      stageTargets[bunch.stage] += b.kind == kTargetKind ? 1 : 0;
    }
    stageBubbles[bunch.stage] += static_cast<int>(bunch.bubbles.size());
    if (bunch.type == kHubType) {
      // The hub's core brings its first ring: a bubble of the layout on it would be moved.
      for (const LevelBubble& b : bunch.bubbles) {
        if (IsFirstRing(b.column, b.row)) return "a bubble on a hub's own ring";
      }
      for (const Cell& d : kSteps) {
        if (!InPlay(x, y, d.first, d.second)) return "a hub's ring outside the play area";
      }
      stageBubbles[bunch.stage] += static_cast<int>(std::size(kSteps));
    }
    std::vector<LevelBubble> members = bunch.bubbles;
    for (size_t k = 0; bunch.type == kHubType && k < std::size(kSteps); k++) {
      members.push_back({kSteps[k].first, kSteps[k].second, k % 2 ? bunch.colourB : bunch.colourA, 0});
    }
    const std::string p = BubblesProblem(members, board);
    if (!p.empty()) return p;
  }
  for (int stage = 0; stage <= lastStage; stage++) {
    if (!stageBubbles.count(stage)) return "a stage without a bunch";
    if (stageBubbles[stage] > kPoolBubbles) return "more bubbles than the pool";
    if (stageTargets[stage] > kTargets) return "more targets than their lists";
  }
  return "";
}

std::string TemplatesProblem(const Level& l, Board& board) {
  if (l.templates.empty() || l.templates.size() > kTemplates) return "a template count";
  for (const LevelTemplate& t : l.templates) {
    if (t.bubbles.size() > kTemplateCells) return "a template of more than 20 cells";
    const std::string p = BubblesProblem(t.bubbles, board);
    if (!p.empty()) return p;
  }
  return "";
}

bool IsTemplate(const Level& l, int t) {
  return t >= 0 && t < static_cast<int>(l.templates.size());
}

std::string PathsProblem(const LevelPaths& p) {
  if (p.paths.empty() || p.walkerSlots < 1 || p.goals < 1) return "paths without walkers";
  for (const std::vector<PathStep>& path : p.paths) {
    if (path.empty() || path.size() > kPathSteps) return "a path's length";
    for (const PathStep& step : path) {
      if (step.point < 0 || step.point >= static_cast<int>(p.points.size())) {
        return "a step to no path point";
      }
      if (step.duration <= 0) return "a step of no time";
    }
  }
  if (p.params.empty() || p.params.size() % 2 != 0) return "walker parameters not in pairs";
  for (size_t i = 0; i < p.params.size(); i += 2) {
    if (p.params[i] < 0 || p.params[i] >= static_cast<int>(p.paths.size())) {
      return "a walker on no path";
    }
    if (p.params[i + 1] != -1 && !IsPlain(p.params[i + 1])) return "a walker's kind";
  }
  return "";
}

std::string WavesProblem(const LevelWaves& w, Board& board) {
  if (w.stages.empty() || w.stages.size() > kStages) return "a stage count";
  if (w.startLayouts < 0) return "a negative layout count";
  for (const LevelStage& s : w.stages) {
    if (s.wave[0] < 1 || s.wave[0] > kPlainColours) return "a stage's colours";
    if (s.wave[1] < 1) return "a stage of no shots a row";
    if (s.wave[3] < 1) return "a stage of no specials to collect";
    for (const int k : s.specials) {
      if (k != 0 && (k < kPlainColours || k > kLastSpecialKind)) return "a stage special kind";
    }
    if (!std::is_sorted(s.rowA.begin(), s.rowA.end()) ||
        !std::is_sorted(s.rowB.begin(), s.rowB.end())) {
      return "stage bounds out of order";
    }
  }
  for (int c = 0; c < w.stages[0].wave[0]; c++) board.colours.insert(c);
  return "";
}

// The track's cell moves in halves of a cell, and its turns.
struct SegmentMove {
  int dx2, dy2, turn;
};
SegmentMove MoveOf(int kind) {
  constexpr SegmentMove kMoves[] = {{2, 0, 0},     {0, 2, 0},    {-2, 0, 0},    {0, -2, 0},
                                    {1, -1, 256},  {1, 1, 256},  {-1, 1, 256},  {-1, -1, 256},
                                    {-1, 1, -256}, {1, 1, -256}, {1, -1, -256}, {-1, -1, -256}};
  return kMoves[kind];
}

std::string TrackProblem(const LevelTrack& t, Board& board) {
  if (t.bubbles.empty() || t.bubbles.size() > kTrackBubbles) return "a track bubble count";
  if (t.speed == 0) return "a track that does not move";
  if (t.segments.empty()) return "a track of no segments";
  int x2 = 0, y2 = 0, turn = 0;
  const int ox = t.x * kPlayWidth / 1000;
  const int oy = t.y * kPlayHeight / 1000;
  for (const int kind : t.segments) {
    if (kind < 0 || kind > kLastSegmentKind) return "no such segment kind";
    const SegmentMove m = MoveOf(kind);
    x2 += m.dx2;
    y2 += m.dy2;
    turn += m.turn;
    const int px = ox + x2 * kTrackCell / 2;
    const int py = oy + y2 * kTrackCell / 2;
    if (px < kSideWall + kBubbleRadius || px > kPlayWidth - kSideWall - kBubbleRadius ||
        py < kBubbleRadius || py > kDangerLineY - kBubbleRadius) {
      return "a track outside the play area";
    }
  }
  if (x2 != 0 || y2 != 0 || turn % kTurnSteps != 0) return "a track that does not close";
  // The chain's bubbles stand a third of a cell apart.
  if (t.bubbles.size() > 3 * t.segments.size()) return "a chain longer than its track";
  for (const TrackBubble& b : t.bubbles) {
    if (!IsPlain(b.kind)) return "a track bubble's kind";
    board.colours.insert(b.kind);
  }
  return "";
}

std::string SectionProblem(const Level& l, Board& board) {
  switch (l.header.levelType) {
    case 0:
    case 3:
      if (l.header.levelType == 3 && l.header.params[5] < 1) return "no shots a floor step";
      return LayoutProblem(l, board);
    case 2:
      return WavesProblem(l.waves, board);
    case 4:
      for (int k = 0; k < kPlainColours; k++) board.colours.insert(k);
      return PathsProblem(l.paths);
    case 5: {
      std::string p = TemplatesProblem(l, board);
      if (!p.empty()) return p;
      const LevelBelt& b = l.belt;
      if (b.rowY.size() != l.templates.size()) return "a belt row a template";
      if (b.speed == 0 || b.spacing <= 0) return "a belt that does not run";
      if (b.delayMin < 1 || b.delayMax < b.delayMin) return "a belt's delay range";
      if (b.goals < 1) return "no goal";
      return "";
    }
    case 6: {
      std::string p = TemplatesProblem(l, board);
      if (!p.empty()) return p;
      const LevelDrops& d = l.drops;
      for (const LevelDrop& drop : d.drops) {
        if (!IsTemplate(l, drop.templateIndex)) return "a drop of no template";
        if (drop.time < 0 || drop.x < 0 || drop.x > 1000) return "a drop's time or place";
      }
      if (d.penalty < 1) return "no penalty";
      if (d.goals < 1 || d.goals > static_cast<int>(d.drops.size())) {
        return "a goal larger than the drops";
      }
      return "";
    }
    case 7: {
      std::string p = TemplatesProblem(l, board);
      if (!p.empty()) return p;
      const LevelRows& r = l.rows;
      if (r.interval < 1 || r.firstTime == 0) return "a row feeder's times";
      if (r.templates.empty()) return "no row";
      for (const int t : r.templates) {
        if (!IsTemplate(l, t)) return "a row of no template";
      }
      return "";
    }
    case 8:
      return TrackProblem(l.track, board);
    default:  // type 1: no board; any colour may be shot
      for (int k = 0; k < kPlainColours; k++) board.colours.insert(k);
      return "";
  }
}

// The shots: kinds on the board, and each colour of a board to clear shot at least twice by
// a sequence that repeats.
std::string ShotsProblem(const Level& l, const Board& board) {
  if (l.shots.empty()) return "no shot";
  if (l.header.shotSequenceRepeats != -1) {
    return "a shot sequence that runs out before the board is cleared";
  }
  for (const int kind : l.shots) {
    if (kind < 0 || kind > kLastKind) return "a shot of no kind";
    if (!board.colours.count(kind))
      return "shot kind " + std::to_string(kind) + " is not on the board";
  }
  const int type = l.header.levelType;
  if (type == 0 || type == 3 || type == 8) {
    for (const int colour : board.colours) {
      if (std::count(l.shots.begin(), l.shots.end(), colour) < 2) {
        return "kind " + std::to_string(colour) + " is shot less than twice";
      }
    }
  }
  return "";
}

}  // namespace

std::string LevelProblem(const Level& level) {
  std::string p = HeaderProblem(level.header);
  if (!p.empty()) return p;
  Board board;
  p = SectionProblem(level, board);
  if (!p.empty()) return p;
  return ShotsProblem(level, board);
}

void CheckLevel(const Level& level, int world, int index) {
  const std::string problem = LevelProblem(level);
  if (!problem.empty()) {
    throw BuildError("level " + std::to_string(index) + " of world " + std::to_string(world) +
                     ": " + problem);
  }
}

}  // namespace databuild
