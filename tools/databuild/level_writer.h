// Writer of level records: the header, the section of the level's type, the shot sequence and
// the trigger rules, little-endian, exactly as the game's level readers take them.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace databuild {

// One entry of a dialogue list (9 bytes). The text shown is 480 + text. An intro entry keeps
// all four values; an entry of the won or lost list keeps values 0 to 2.
struct DialogueEntry {
  int text = 0;
  int second = 0;  // the speaker + 1 (0: no portrait) in the intro and lost lists
  std::array<int, 4> values{};
};

// Header layout (offsets from the start of the record; n, c1, c2, c3 are the vector sizes):
//   0 s8 levelType       1 s8 flags          2 s16 actorSet       4 s8, 5 s8, 6 s16, 8 s8,
//   9 s8, 10 s16 kept    12 s8 shot repeats  13 s8 countdown      14 s8 flag
//  15 s8 unlockItem     16 i32 kept         20 i32 fastTime      24 i32 timeBonus
//  28 i32 slowTimeSpan  32 s8 chance        33 s8 base chance    34 s8 chance step
//  35 22 x s8 weights   57 i32 n            61 n x i32 params
//  then i32 c1, c1 x intro entry {s16 text, s16 speaker, 4 x s8, 1 byte 0};
//  s16, s16, s8, s8 (tail 0-3), 2 bytes 0, s8 (tail 4);
//  i32 c2, c2 x won entry {s16 text, s16 value, s8, s8, 2 bytes 0, s8};
//  i32 c3, c3 x lost entry {s16 text, s16 speaker, s8, s8, 2 bytes 0, s8}.
struct LevelHeader {
  int levelType = 0;
  int flags = 0;
  int actorSet = 0;
  std::array<int, 6> kept{};  // offsets 4, 5, 6, 8, 9, 10
  int shotSequenceRepeats = 0;
  bool countdown = false;
  bool flag14 = false;
  int unlockItem = -1;
  int32_t kept16 = 0;
  int32_t fastTime = 0;  // ms
  int32_t timeBonus = 0;
  int32_t slowTimeSpan = 0;  // ms after fastTime
  int specialChance = 0;     // percent
  int specialBaseChance = 0;
  int specialChanceStep = 0;
  std::array<int, 22> specialWeights{};
  std::vector<int32_t> params;  // the game expects 13
  std::vector<DialogueEntry> intro;
  std::array<int, 5> tail{};  // s16, s16, s8, s8, then s8 after two unused bytes
  std::vector<DialogueEntry> won;
  std::vector<DialogueEntry> lost;
};

// A bubble of a bunch (7 bytes): s8 hex column, s8 hex row, s8 kind, i32 flags.
struct LevelBubble {
  int column = 0;
  int row = 0;
  int kind = 0;
  int32_t flags = 0;
};

// A bunch record of the type-0 layout: s16 x, s16 y (thousandths of the screen), s8 stage,
// s8 type, s8 partner, s8 colourA, s8 colourB, s16 cfgDuration, s8 facing, i32 bubble count.
struct LevelBunch {
  int x = 500;
  int y = 300;
  int stage = 0;
  int type = 0;
  int partner = -1;
  int colourA = 0;
  int colourB = 1;
  int cfgDuration = 1000;  // ms
  int facing = 0;
  std::vector<LevelBubble> bubbles;
};

// A template of level types 5, 6 and 7: i32 cell count, then cells as a bunch's bubbles.
struct LevelTemplate {
  std::vector<LevelBubble> bubbles;
};

// Type 4: i32 point count, points (s16 x, s16 y in thousandths); i32 path count, each path
// i32 step count and steps (s8 point index, s16 ms); s8 walker slots, s8 goal count, i32
// parameter count and parameters (s8: pairs of path index and carried kind).
struct PathStep {
  int point = 0;
  int duration = 0;  // ms
};
struct LevelPaths {
  std::vector<std::pair<int, int>> points;
  std::vector<std::vector<PathStep>> paths;
  int walkerSlots = 0;
  int goals = 0;
  std::vector<int> params;
};

// Type 5: i32 row count and rows (s16 y in thousandths), i32 goals, i32 speed (px/s), i32
// spacing (px), i32 delay range (ms).
struct LevelBelt {
  std::vector<int> rowY;
  int32_t goals = 0;
  int32_t speed = 0;
  int32_t spacing = 0;
  int32_t delayMin = 0;
  int32_t delayMax = 0;
};

// Type 6: i32 drop count, drops (s8 template, i32 ms, s16 x in thousandths, s8 value), s8
// penalty, s8 goals.
struct LevelDrop {
  int templateIndex = 0;
  int32_t time = 0;  // ms
  int x = 500;
  int value = 0;
};
struct LevelDrops {
  std::vector<LevelDrop> drops;
  int penalty = 0;
  int goals = 0;
};

// Type 7: i32 interval (ms), i32 first row (ms), s16 speed, i32 row count, rows (s8 template).
struct LevelRows {
  int32_t interval = 0;
  int32_t firstTime = 0;
  int speed = 0;
  std::vector<int> templates;
};

// A stage of type 2 (25 bytes, all s8): four wave values (colours, shots per row, special
// columns, specials goal), five special kinds, six stage values, a row of four and one of six.
struct LevelStage {
  std::array<int, 4> wave{};
  std::array<int, 5> specials{};
  std::array<int, 6> values{};
  std::array<int, 4> rowA{};
  std::array<int, 6> rowB{};
};
// Type 2: s8 layouts made at the start, i32 stage count, the stages.
struct LevelWaves {
  int startLayouts = 0;
  std::vector<LevelStage> stages;
};

// Type 8: s16 x, s16 y (thousandths), s16 speed (thousandths of a px per ms), i32 segment
// count and segments (s8 kind), i32 bubble count and bubbles (s8 kind, s16 flags).
struct TrackBubble {
  int kind = 0;
  int flags = 0;
};
struct LevelTrack {
  int x = 500;
  int y = 500;
  int speed = 0;
  std::vector<int> segments;
  std::vector<TrackBubble> bubbles;
};

// A whole level: the header, the section of its type (0 and 3 the bunch layout: s8 bunch
// count and the bunches; 5, 6, 7 s8 template count and the templates, then their own part;
// 1 and any other type none), then i32 shot count and the shot kinds (s8, the first shot
// first), then i32 rule count and seven i32 a rule (flags, repeat, mustSet, mustClear,
// mustRise, mustFall, event).
struct Level {
  LevelHeader header;
  std::vector<LevelBunch> bunches;
  std::vector<LevelTemplate> templates;
  LevelPaths paths;
  LevelBelt belt;
  LevelDrops drops;
  LevelRows rows;
  LevelWaves waves;
  LevelTrack track;
  std::vector<int> shots;
  std::vector<std::array<int32_t, 7>> rules;
};

// The header alone. A value outside its field's width is a BuildError; counts are written as
// the vectors hold them, so fixtures may hold more entries than the game's tables.
std::vector<uint8_t> WriteLevelHeader(const LevelHeader& header);
// The level-type section alone, as it follows the header.
std::vector<uint8_t> WriteLevelSection(const Level& level);
// The whole record: header, section, shot sequence and rules.
std::vector<uint8_t> WriteLevel(const Level& level);

}  // namespace databuild
