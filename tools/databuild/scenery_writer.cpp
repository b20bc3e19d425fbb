// The scenery entries' writer and the scenery of each world: a sky, the sun or the moon, hills
// and trees along the bottom of the play screen (480 x 640), clouds and birds by day, stars by
// night. Each world has its season (a palette of the sprite sets) and its sky.
#include "tools/databuild/scenery_writer.h"

#include <string>

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

constexpr int kPlayWidth = 480, kPlayHeight = 640;
enum Season : int { kSummer = 0, kAutumn = 1, kSnow = 2, kNight = 3 };

void Put(std::vector<uint8_t>& out, int value, int width, const char* what) {
  const int64_t low = width == 1 ? 0 : -32768, high = width == 1 ? 255 : 32767;
  if (value < low || value > high) {
    throw BuildError(std::string("scenery record: ") + what + " " + std::to_string(value) +
                     " does not fit its field");
  }
  for (int b = 0; b < width; b++) out.push_back(static_cast<uint8_t>((value >> (8 * b)) & 0xFF));
}

// A world's look: the sky's two colours (colourTable indexes), its season, the sun or the moon.
struct Theme {
  int skyTop, skyBottom;
  int season;
  bool night;
  int sunPalette;  // the sun's palette by day (0 noon, 1 evening, 2 pale winter)
};

constexpr Theme kThemes[kSceneryEntries] = {
    {12, 13, kSummer, false, 0}, {5, 6, kSummer, false, 0},  {10, 11, kAutumn, false, 1},
    {4, 11, kAutumn, false, 0},  {7, 9, kSnow, false, 2},    {7, 8, kAutumn, false, 1},
    {2, 7, kNight, true, 0},     {12, 6, kSummer, false, 0}, {5, 13, kAutumn, false, 0},
    {7, 9, kSnow, false, 2},     {10, 8, kAutumn, false, 1}, {2, 12, kNight, true, 0},
};

SceneryRecord Sprite(int kind, int x, int y, int anim, int palette, int index = 0) {
  return {kind, x, y, {index, anim, palette, 0}};
}

}  // namespace

std::vector<uint8_t> WriteSceneryEntry(const std::vector<SceneryRecord>& records) {
  std::vector<uint8_t> out;
  for (const SceneryRecord& r : records) {
    if (r.kind < 1 || r.kind > 4) throw BuildError("scenery record: kind " + std::to_string(r.kind));
    Put(out, r.kind, 1, "kind");
    Put(out, r.x, 2, "x");
    Put(out, r.y, 2, "y");
    const int values = r.kind == 4 ? 4 : 3;
    for (int k = 0; k < values; k++) Put(out, r.values[k], 2, "value");
  }
  return out;
}

// Back to front: the sky, the sun or moon, clouds or stars, far hills, trees and rocks, then
// grass and flowers along the ground and birds in the air.
std::vector<SceneryRecord> SceneryOf(int entry) {
  if (entry < 0 || entry >= kSceneryEntries) throw BuildError("scenery entry " + std::to_string(entry));
  const Theme& t = kThemes[entry];
  const int p = t.season;
  std::vector<SceneryRecord> r;
  r.push_back({4, 0, 0, {kPlayWidth, kPlayHeight, t.skyTop, t.skyBottom}});
  if (t.night) {
    r.push_back(Sprite(1, 380 - 20 * (entry % 3), 80, 0, 0, kMoon));
    for (int k = 0; k < 9; k++) {
      r.push_back(Sprite(3, 30 + (k * 53 + entry * 17) % 420, 30 + (k * 71) % 260, kStar, p));
    }
  } else {
    r.push_back(Sprite(1, 70 + 40 * (entry % 4), 90, 0, t.sunPalette, kSun));
    for (int k = 0; k < 3; k++) {
      r.push_back(Sprite(2, 90 + (k * 150 + entry * 40) % 360, 60 + 70 * k, kCloud, p));
    }
  }
  for (int k = 0; k < 3; k++) r.push_back(Sprite(2, 80 + 160 * k + 20 * (entry % 2), 640, kHill, p));
  const int trees = 2 + entry % 3;
  for (int k = 0; k < trees; k++) {
    r.push_back(Sprite(2, 40 + (k * 400 / trees + entry * 31) % 420, 628, kTree, p));
  }
  r.push_back(Sprite(2, 250 + 30 * (entry % 5), 632, kRock, p));
  for (int k = 0; k < 6; k++) {
    r.push_back(Sprite(3, 20 + k * 88, 638, k % 2 ? kFlower : kGrass, p));
  }
  if (!t.night) {
    r.push_back(Sprite(3, 120 + 20 * entry, 210, kBird, p));
    r.push_back(Sprite(3, 330 - 10 * entry, 250, kBird, p));
  }
  return r;
}

}  // namespace databuild
