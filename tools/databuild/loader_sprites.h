// The sprites the loader's steps put into the sprite table, drawn with Cairo as plain panels:
// each frame a rounded tile in its sprite's colour with a white mark that tells its frames
// apart (a ring with one dot per frame number), quantised into palette 0 (format 0x8888, index
// 0 the key 0x00FF00FF); further palettes are palette 0 tinted toward one hue each, so a
// palette choice shows. Frames are centred on the origin. Animation a shows frame a modulo the
// frame count. Entries drawn for their screens replace some of these in the packs.
//   pack 63 "boss"        entry 0 (slot 46); entries 1 to 4, the bosses (two palettes)
//   pack 65 "common"      entries 0 (slot 33, two palettes), 1 (34), 2 (22), 3 (31), 4 (19, two)
//   pack 67 "characters"  entries 0 to 5, the two character sets (slots 15 to 17); entry 6
//                         (slot 61, two palettes)
//   pack 68 "map"         entry 0 (slot 13)
//   pack 80 "effects"     entries 0 to 3 and 6 to 9 (slots 36, 29, 38, 39, 24, 23, 48, 37);
//                         entries 1 and 7 have eight palettes
//   pack 85 "scenery"     entry 2 (slot 21)
//   pack 88 "hud"         entries 0 to 5 (slots 40, 49, 55, 56, 57, 60): entry 1 seven
//                         palettes, entry 4 two (entries 0, 1, 3 and 4 are drawn for the board
//                         and the HUD); entry 5 one animation per main world
//   pack 96 "features"    entries 0 to 6 (slots 26, 41 to 44, 51, 45); entry 2 eight palettes;
//                         entries 1 to 6 are the bunches' decorations (bunch_decorations.h)
#pragma once

#include <vector>

#include "tools/databuild/sprite_writer.h"

namespace databuild {

struct ArtFrame {
  int width = 48, height = 48;
  std::vector<SpriteRect> rects;
};

struct ArtSprite {
  uint32_t colour = 0x808080;  // RGB of its tiles
  std::vector<ArtFrame> frames = {ArtFrame{}};
  int animations = 1;
  int palettes = 1;
};

SpriteData DrawArtSprite(const ArtSprite& art);

// The entries of each pack, from entry 0.
std::vector<ArtSprite> BossArt();
std::vector<ArtSprite> CommonArt();  // the pack puts the menus' value arrows over entry 3
std::vector<ArtSprite> CharacterArt();
ArtSprite MapArt();
std::vector<ArtSprite> HudArt();
std::vector<ArtSprite> FeatureArt();
// Pack 80's entries 0 to 3 and 6 to 9 (4 and 5 are the effects sprites).
std::vector<ArtSprite> BootEffectArt();

// The HUD panel's geometry (entry 3 of pack 88, frame 1, tools/databuild/hud_sprites.h).
inline constexpr int kHudPanelHeight = 64;
inline constexpr int kHudWallWidth = 16;
// The animations the ending scene plays: the characters' up to 20, the scenery's (pack 96
// entry 4) up to 22 and the boss pack's entry 0 up to 6.
inline constexpr int kCharacterAnimations = 21;
inline constexpr int kSceneryAnimations = 23;
inline constexpr int kSceneBossAnimations = 7;
// The world-select sprite's target mark.
inline constexpr int kWorldTargetFrame = 78;

}  // namespace databuild
