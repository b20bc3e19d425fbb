// The menu screens' plain tiles in the interface pack: the level map's panel, markers and
// pages, and the game modes' pictures, each with every animation its layout records play.
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/loader_sprites.h"
#include "tools/databuild/menu_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr int kMapPalettes = 3;  // the map panel is loaded with palette mask 7
constexpr int kMarkerKinds = 5;  // a map item's marker kinds 0 to 4
constexpr int kMapPages = 2;
constexpr int kScreenWidth = 480, kScreenHeight = 800;
// The game modes' hot areas (width, height): each picture fills its area above its name.
constexpr int kHotAreaSizes[5][2] = {{100, 220}, {118, 162}, {218, 92}, {116, 150}, {116, 196}};
constexpr int kNameBand = 30;   // px at the bottom of a hot area left to its name
constexpr int kStripWidth = 8;  // a page is one gradient strip repeated across the screen

ArtSprite Frames(uint32_t colour, std::vector<ArtFrame> frames, int palettes = 1) {
  ArtSprite art;
  art.colour = colour;
  art.animations = static_cast<int>(frames.size());
  art.frames = std::move(frames);
  art.palettes = palettes;
  return art;
}

}  // namespace

SpriteData MapPanelSprite() {
  return DrawArtSprite(Frames(0x34506E, {{400, 96, {}}}, kMapPalettes));
}

SpriteData MapMarkerSprite() {
  std::vector<ArtFrame> kinds(kMarkerKinds, ArtFrame{40, 40, {}});
  return DrawArtSprite(Frames(0xE0B040, kinds));
}

// Each page a gradient from sky to meadow (the second page one step further into the
// evening), built from one strip module per page so no module passes the image limit.
SpriteData MapPageSprite() {
  const std::vector<ArgbPicture> strips = {
      VerticalGradient(kStripWidth, kScreenHeight, 0x7FC4E8, 0x4F9F5F),
      VerticalGradient(kStripWidth, kScreenHeight, 0x4F9F5F, 0x2F6F8F),
  };
  const QuantisedSprite q = Quantise(strips, 64);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  for (size_t i = 0; i < strips.size(); i++) s.modules.push_back(QuantisedModule(q, strips, i));
  for (int page = 0; page < kMapPages; page++) {
    std::vector<SpriteFModule> parts;
    for (int x = 0; x < kScreenWidth; x += kStripWidth) parts.push_back({page, x, 0, 0});
    const SpriteAFrame still[] = {{AddFrame(s, parts), 1, 0, 0, 0}};
    AddAnimation(s, still);
  }
  return s;
}

SpriteData GameModePictureSprite() {
  std::vector<ArtFrame> pictures;
  for (const auto& [w, h] : kHotAreaSizes) pictures.push_back({w - 8, h - kNameBand - 8, {}});
  return DrawArtSprite(Frames(0x6F5FB0, pictures));
}

}  // namespace databuild
