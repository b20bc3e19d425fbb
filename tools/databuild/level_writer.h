// Writer of level records: the header, a type-0 bunch layout, the shot sequence and the
// trigger rules, little-endian, exactly as the game's level readers take them.
#pragma once

#include <array>
#include <cstdint>
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

// A level of type 0: after the header, s8 bunch count and the bunches, then i32 shot count
// and the shot kinds (s8, the first shot first), then i32 rule count and seven i32 a rule.
struct Level {
  LevelHeader header;
  std::vector<LevelBunch> bunches;
  std::vector<int> shots;
  std::vector<std::array<int32_t, 7>> rules;
};

// The header alone. A value outside its field's width is a BuildError; counts are written as
// the vectors hold them, so fixtures may hold more entries than the game's tables.
std::vector<uint8_t> WriteLevelHeader(const LevelHeader& header);
// The whole record; levelType must be 0.
std::vector<uint8_t> WriteLevel(const Level& level);

}  // namespace databuild
