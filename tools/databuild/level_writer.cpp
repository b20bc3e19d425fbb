// Level records, field by field in the order the game reads them; every value is checked
// against its field's width so that what is written reads back unchanged.
#include "tools/databuild/level_writer.h"

#include <limits>
#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

// Appends value as a signed field of width bytes; one outside the field is a BuildError.
void PutSigned(std::vector<uint8_t>& out, int64_t value, int width, const char* what) {
  const int64_t limit = int64_t{1} << (8 * width - 1);
  if (value < -limit || value >= limit) {
    throw BuildError(std::string("level ") + what + " " + std::to_string(value) + " does not fit " +
                     std::to_string(width) + " signed byte(s)");
  }
  PutLittleEndian(out, static_cast<uint32_t>(value), width);
}

void PutS8(std::vector<uint8_t>& out, int64_t value, const char* what) {
  PutSigned(out, value, 1, what);
}
void PutS16(std::vector<uint8_t>& out, int64_t value, const char* what) {
  PutSigned(out, value, 2, what);
}
void PutI32(std::vector<uint8_t>& out, int64_t value, const char* what) {
  PutSigned(out, value, 4, what);
}
void PutCount(std::vector<uint8_t>& out, size_t count, const char* what) {
  if (count > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    throw BuildError(std::string("level ") + what + " count passes the int32 range");
  }
  PutI32(out, static_cast<int64_t>(count), what);
}

void PutIntroEntry(std::vector<uint8_t>& out, const DialogueEntry& entry) {
  PutS16(out, entry.text, "intro text");
  PutS16(out, entry.second, "intro speaker");
  for (const int value : entry.values) PutS8(out, value, "intro value");
  out.push_back(0);
}

// The won and the lost list share one layout: the second field is a value or a speaker.
void PutEndEntry(std::vector<uint8_t>& out, const DialogueEntry& entry) {
  PutS16(out, entry.text, "closing text");
  PutS16(out, entry.second, "closing value");
  PutS8(out, entry.values[0], "closing value");
  PutS8(out, entry.values[1], "closing value");
  out.insert(out.end(), 2, 0);
  PutS8(out, entry.values[2], "closing value");
}

void PutCells(std::vector<uint8_t>& out, const std::vector<LevelBubble>& cells) {
  PutCount(out, cells.size(), "bubble");
  for (const LevelBubble& bubble : cells) {
    PutS8(out, bubble.column, "bubble column");
    PutS8(out, bubble.row, "bubble row");
    PutS8(out, bubble.kind, "bubble kind");
    PutI32(out, bubble.flags, "bubble flags");
  }
}

void PutBunch(std::vector<uint8_t>& out, const LevelBunch& bunch) {
  PutS16(out, bunch.x, "bunch x");
  PutS16(out, bunch.y, "bunch y");
  PutS8(out, bunch.stage, "bunch stage");
  PutS8(out, bunch.type, "bunch type");
  PutS8(out, bunch.partner, "bunch partner");
  PutS8(out, bunch.colourA, "bunch colourA");
  PutS8(out, bunch.colourB, "bunch colourB");
  PutS16(out, bunch.cfgDuration, "bunch cfgDuration");
  PutS8(out, bunch.facing, "bunch facing");
  PutCells(out, bunch.bubbles);
}

void PutTemplates(std::vector<uint8_t>& out, const std::vector<LevelTemplate>& templates) {
  PutS8(out, static_cast<int64_t>(templates.size()), "template count");
  for (const LevelTemplate& t : templates) PutCells(out, t.bubbles);
}

void PutPaths(std::vector<uint8_t>& out, const LevelPaths& p) {
  PutCount(out, p.points.size(), "path point");
  for (const auto& [x, y] : p.points) {
    PutS16(out, x, "path point x");
    PutS16(out, y, "path point y");
  }
  PutCount(out, p.paths.size(), "path");
  for (const std::vector<PathStep>& path : p.paths) {
    PutCount(out, path.size(), "path step");
    for (const PathStep& step : path) {
      PutS8(out, step.point, "path step point");
      PutS16(out, step.duration, "path step time");
    }
  }
  PutS8(out, p.walkerSlots, "walker slots");
  PutS8(out, p.goals, "goal count");
  PutCount(out, p.params.size(), "object parameter");
  for (const int value : p.params) PutS8(out, value, "object parameter");
}

void PutBelt(std::vector<uint8_t>& out, const LevelBelt& b) {
  PutCount(out, b.rowY.size(), "belt row");
  for (const int y : b.rowY) PutS16(out, y, "belt row y");
  PutI32(out, b.goals, "goal count");
  PutI32(out, b.speed, "belt speed");
  PutI32(out, b.spacing, "belt spacing");
  PutI32(out, b.delayMin, "belt delay");
  PutI32(out, b.delayMax, "belt delay");
}

void PutDrops(std::vector<uint8_t>& out, const LevelDrops& d) {
  PutCount(out, d.drops.size(), "drop");
  for (const LevelDrop& drop : d.drops) {
    PutS8(out, drop.templateIndex, "drop template");
    PutI32(out, drop.time, "drop time");
    PutS16(out, drop.x, "drop x");
    PutS8(out, drop.value, "drop value");
  }
  PutS8(out, d.penalty, "drop penalty");
  PutS8(out, d.goals, "goal count");
}

void PutRows(std::vector<uint8_t>& out, const LevelRows& r) {
  PutI32(out, r.interval, "row interval");
  PutI32(out, r.firstTime, "first row time");
  PutS16(out, r.speed, "row speed");
  PutCount(out, r.templates.size(), "row");
  for (const int t : r.templates) PutS8(out, t, "row template");
}

void PutWaves(std::vector<uint8_t>& out, const LevelWaves& w) {
  PutS8(out, w.startLayouts, "start layouts");
  PutCount(out, w.stages.size(), "stage");
  for (const LevelStage& stage : w.stages) {
    for (const int v : stage.wave) PutS8(out, v, "stage value");
    for (const int v : stage.specials) PutS8(out, v, "stage special");
    for (const int v : stage.values) PutS8(out, v, "stage value");
    for (const int v : stage.rowA) PutS8(out, v, "stage row");
    for (const int v : stage.rowB) PutS8(out, v, "stage row");
  }
}

void PutTrack(std::vector<uint8_t>& out, const LevelTrack& t) {
  PutS16(out, t.x, "track x");
  PutS16(out, t.y, "track y");
  PutS16(out, t.speed, "track speed");
  PutCount(out, t.segments.size(), "track segment");
  for (const int kind : t.segments) PutS8(out, kind, "track segment");
  PutCount(out, t.bubbles.size(), "track bubble");
  for (const TrackBubble& bubble : t.bubbles) {
    PutS8(out, bubble.kind, "track bubble kind");
    PutS16(out, bubble.flags, "track bubble flags");
  }
}

}  // namespace

std::vector<uint8_t> WriteLevelHeader(const LevelHeader& h) {
  std::vector<uint8_t> out;
  PutS8(out, h.levelType, "type");
  PutS8(out, h.flags, "flags");
  PutS16(out, h.actorSet, "actor set");
  constexpr int kKeptWidths[] = {1, 1, 2, 1, 1, 2};
  for (size_t i = 0; i < h.kept.size(); i++) PutSigned(out, h.kept[i], kKeptWidths[i], "value");
  PutS8(out, h.shotSequenceRepeats, "shot repeats");
  out.push_back(h.countdown ? 1 : 0);
  out.push_back(h.flag14 ? 1 : 0);
  PutS8(out, h.unlockItem, "unlock item");
  PutI32(out, h.kept16, "value");
  PutI32(out, h.fastTime, "fast time");
  PutI32(out, h.timeBonus, "time bonus");
  PutI32(out, h.slowTimeSpan, "slow time span");
  PutS8(out, h.specialChance, "special chance");
  PutS8(out, h.specialBaseChance, "special base chance");
  PutS8(out, h.specialChanceStep, "special chance step");
  for (const int weight : h.specialWeights) PutS8(out, weight, "special weight");
  PutCount(out, h.params.size(), "parameter");
  for (const int32_t param : h.params) PutI32(out, param, "parameter");
  PutCount(out, h.intro.size(), "intro");
  for (const DialogueEntry& entry : h.intro) PutIntroEntry(out, entry);
  PutS16(out, h.tail[0], "value");
  PutS16(out, h.tail[1], "value");
  PutS8(out, h.tail[2], "value");
  PutS8(out, h.tail[3], "value");
  out.insert(out.end(), 2, 0);
  PutS8(out, h.tail[4], "value");
  PutCount(out, h.won.size(), "won list");
  for (const DialogueEntry& entry : h.won) PutEndEntry(out, entry);
  PutCount(out, h.lost.size(), "lost list");
  for (const DialogueEntry& entry : h.lost) PutEndEntry(out, entry);
  return out;
}

std::vector<uint8_t> WriteLevelSection(const Level& level) {
  std::vector<uint8_t> out;
  switch (level.header.levelType) {
    case 0:
    case 3:
      PutS8(out, static_cast<int64_t>(level.bunches.size()), "bunch count");
      for (const LevelBunch& bunch : level.bunches) PutBunch(out, bunch);
      break;
    case 2:
      PutWaves(out, level.waves);
      break;
    case 4:
      PutPaths(out, level.paths);
      break;
    case 5:
      PutTemplates(out, level.templates);
      PutBelt(out, level.belt);
      break;
    case 6:
      PutTemplates(out, level.templates);
      PutDrops(out, level.drops);
      break;
    case 7:
      PutTemplates(out, level.templates);
      PutRows(out, level.rows);
      break;
    case 8:
      PutTrack(out, level.track);
      break;
    default:  // type 1 and unknown types have no section
      break;
  }
  return out;
}

std::vector<uint8_t> WriteLevel(const Level& level) {
  std::vector<uint8_t> out = WriteLevelHeader(level.header);
  const std::vector<uint8_t> section = WriteLevelSection(level);
  out.insert(out.end(), section.begin(), section.end());
  PutCount(out, level.shots.size(), "shot");
  for (const int kind : level.shots) PutS8(out, kind, "shot kind");
  PutCount(out, level.rules.size(), "rule");
  for (const auto& rule : level.rules) {
    for (const int32_t value : rule) PutI32(out, value, "rule value");
  }
  return out;
}

}  // namespace databuild
