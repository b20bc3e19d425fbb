// The levels of the data set. Each is drawn from a generator seeded by its world and level,
// and grows with them: more colours, more bubbles, more special kinds, a larger time bonus.
// Every level is one bunch of a few bubbles with a shot sequence that repeats and holds
// three shots of every colour in the bunch, so it can always be cleared.
#include "tools/databuild/level_plan.h"

#include <algorithm>
#include <string>
#include <utility>

#include "tools/databuild/build_error.h"
#include "tools/databuild/game_texts.h"

namespace databuild {

namespace {

constexpr int kLevelsPerWorld[kLevelWorldCount] = {13, 13, 13, 13, 13, 13, 13, 13, 10, 10, 10, 1};
constexpr int kMainWorlds = 8;
constexpr int kParamCount = 13;
constexpr int kListCapacity = 6;
constexpr int kUnlockItems = 15;
constexpr int kPlainColours = 7;  // bubble kinds 0..6
constexpr int kLastLevelType = 8;
constexpr int kSpecialKinds = 22;
constexpr size_t kBunchSlots = 10;  // the level's bunch table
constexpr int kPoolBubbles = 170;   // the bubble pool
constexpr int kScreenThousandths = 1000;

constexpr int kIntroLines = kLevelIntroLines;
constexpr int kWonLines = kLevelWonLines;
constexpr int kLostLines = kLevelLostLines;
constexpr int kFirstLine = kFirstLevelLineText - kLevelTextBase;  // as a header names it

// The bunch's cells: the core, then its six neighbours in direction order.
constexpr std::pair<int, int> kCells[] = {{0, 0},  {1, 0},  {1, -1}, {0, -1},
                                          {-1, 0}, {-1, 1}, {0, 1}};

// The game's own generator step (x * 1664525 + 1013904223), upper 16 bits.
class LevelRandom {
 public:
  LevelRandom(int world, int level)
      : state_(static_cast<uint32_t>(world + 1) * 7919u +
               static_cast<uint32_t>(level + 1) * 104729u) {
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

// Item w is won in the middle level of main world w, item 8 + w in the last level of main
// worlds 0..6: the fifteen items of the unlock list.
int UnlockItemOf(int world, int level) {
  if (world >= kMainWorlds) return -1;
  if (level == 6) return world;
  if (level == 12 && world < kMainWorlds - 1) return kMainWorlds + world;
  return -1;
}

int ColoursOf(int world, int level) {
  if (world >= kMainWorlds) return kPlainColours;
  return std::min(kPlainColours, 3 + world / 2 + level / 7);
}

void PlanHeader(LevelHeader& h, LevelRandom& random, int world, int level) {
  h.levelType = 0;
  h.actorSet = world % 8;
  h.shotSequenceRepeats = -1;
  h.unlockItem = UnlockItemOf(world, level);
  h.fastTime = 15000 + 1500 * level + 1000 * ColoursOf(world, level);
  h.timeBonus = 500 + 250 * world + 50 * level;
  h.slowTimeSpan = 20000;
  h.specialChance = std::min(30, 2 * world + random.range(0, 4));
  h.specialBaseChance = h.specialChance;
  h.specialChanceStep = random.range(1, 3);
  const int kinds = std::min(kSpecialKinds, 3 + world + level / 4);
  for (int k = 0; k < kinds; k++) h.specialWeights[k] = random.range(1, 5);
  // Drop step, two trigger values, the countdown (ms), two more, the handle kind, the
  // type-2 ring timer and its step, the type-3 placement counts and divisor, one spare.
  h.params = {4 + random.range(0, 3), 0, 0, 120000, 0, 0, 7, 3000, 500, 5, 2, 1000, 0};
  const int introCount = random.range(1, 3);
  for (int i = 0; i < introCount; i++) {
    h.intro.push_back({kFirstLine + random.range(0, kIntroLines - 1), i == 0 ? 0 : 1 + i % 2, {}});
  }
  h.won.push_back({kFirstLine + kIntroLines + random.range(0, kWonLines - 1), 0, {}});
  h.lost.push_back({kFirstLine + kIntroLines + kWonLines + random.range(0, kLostLines - 1), 1, {}});
}

void PlanBody(Level& l, LevelRandom& random, int world, int level) {
  LevelBunch bunch;
  bunch.y = 250 + random.range(0, 100);
  const int colours = ColoursOf(world, level);
  const int bubbles = std::min<int>(std::size(kCells), 3 + colours / 2 + random.range(0, 2));
  const int firstColour = random.range(0, kPlainColours - 1);
  for (int i = 0; i < bubbles; i++) {
    const int kind = (firstColour + i % colours) % kPlainColours;
    bunch.bubbles.push_back({kCells[i].first, kCells[i].second, kind, 0});
  }
  bunch.colourA = bunch.bubbles[0].kind;
  bunch.colourB = bunch.bubbles[bubbles > 1 ? 1 : 0].kind;
  for (const LevelBubble& bubble : bunch.bubbles) {
    if (std::find(l.shots.begin(), l.shots.end(), bubble.kind) != l.shots.end()) continue;
    l.shots.insert(l.shots.end(), 3, bubble.kind);
  }
  // A fixed shuffle of the sequence, so the colours come mixed.
  for (size_t i = l.shots.size(); i > 1; i--) {
    std::swap(l.shots[i - 1], l.shots[random.range(0, static_cast<int>(i) - 1)]);
  }
  l.bunches.push_back(std::move(bunch));
}

void Refuse(int world, int index, const std::string& why) {
  throw BuildError("level " + std::to_string(index) + " of world " + std::to_string(world) + ": " +
                   why);
}

void CheckList(const std::vector<DialogueEntry>& list, int first, int count, const char* name,
               int world, int index) {
  if (list.size() > kListCapacity) Refuse(world, index, std::string("more than six ") + name);
  for (const DialogueEntry& entry : list) {
    if (entry.text < first || entry.text >= first + count) {
      Refuse(world, index,
             std::string(name) + " text " + std::to_string(entry.text) + " is not a level line");
    }
  }
}

}  // namespace

int LevelsInWorld(int world) {
  return world >= 0 && world < kLevelWorldCount ? kLevelsPerWorld[world] : 0;
}

Level PlannedLevel(int world, int level) {
  LevelRandom random(world, level);
  Level l;
  PlanHeader(l.header, random, world, level);
  PlanBody(l, random, world, level);
  CheckLevel(l, world, level);
  return l;
}

void CheckLevel(const Level& level, int world, int index) {
  const LevelHeader& h = level.header;
  if (h.params.size() != kParamCount) Refuse(world, index, "the header needs 13 parameters");
  if (h.levelType < 0 || h.levelType > kLastLevelType) Refuse(world, index, "no such level type");
  if (h.unlockItem < -1 || h.unlockItem >= kUnlockItems) Refuse(world, index, "no such item");
  CheckList(h.intro, kFirstLine, kIntroLines, "intro lines", world, index);
  CheckList(h.won, kFirstLine + kIntroLines, kWonLines, "won lines", world, index);
  CheckList(h.lost, kFirstLine + kIntroLines + kWonLines, kLostLines, "lost lines", world, index);
  if (level.bunches.size() > kBunchSlots) Refuse(world, index, "more bunches than the table");
  int bubbles = 0;
  for (const LevelBunch& bunch : level.bunches) {
    if (bunch.x < 0 || bunch.x > kScreenThousandths || bunch.y < 0 ||
        bunch.y > kScreenThousandths) {
      Refuse(world, index, "a bunch off the screen");
    }
    if (bunch.stage != 0) Refuse(world, index, "a bunch of a later stage");
    for (const LevelBubble& bubble : bunch.bubbles) {
      if (bubble.kind < 0 || bubble.kind >= kPlainColours) Refuse(world, index, "a bubble kind");
      // Two shots of its colour beside a lone bubble make the three that clear it.
      if (std::count(level.shots.begin(), level.shots.end(), bubble.kind) < 2) {
        Refuse(world, index, "kind " + std::to_string(bubble.kind) + " is shot less than twice");
      }
      bubbles++;
    }
  }
  if (bubbles == 0) Refuse(world, index, "no bubble to clear");
  if (bubbles > kPoolBubbles) Refuse(world, index, "more bubbles than the pool");
  if (level.shots.empty()) Refuse(world, index, "no shot");
  if (level.header.shotSequenceRepeats != -1) {
    Refuse(world, index, "a shot sequence that runs out before the bunch is cleared");
  }
}

}  // namespace databuild
