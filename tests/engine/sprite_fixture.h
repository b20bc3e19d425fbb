// Sprite tests: a started runtime (so ASprite's class initialiser has run), sprites written by
// the data builder's sprite writer and parsed, their modules decoded, and small targets to
// paint them on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/sprite.h"
#include "game/game_statics.h"
#include "tests/platform/canvas.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/pack_writer.h"
#include "tools/databuild/sprite_writer.h"

namespace sprite_test {

using databuild::ModuleKind;
using databuild::SpriteAFrame;
using databuild::SpriteData;
using databuild::SpriteFModule;
using databuild::SpriteModule;
using databuild::SpriteRect;
namespace flag = databuild::sprite_flags;

// An image module of w x h whose pixel i is index(i).
template <class Index>
SpriteModule ImageModule(int w, int h, Index index) {
  SpriteModule m;
  m.width = w;
  m.height = h;
  for (int i = 0; i < w * h; i++) m.pixels.push_back(static_cast<uint8_t>(index(i)));
  return m;
}

SpriteModule Shape(ModuleKind kind, uint32_t colour, int w, int h, std::vector<int> params = {});

// Colour i of palette p, exactly held by the palette format: distinct for the first 256 in
// 0x8888 (with some translucent), 4444 and 5515 steps of each channel, opaque in 0x6505.
uint32_t FormatColour(int format, int p, int i);

// A sprite with the palette section: `colours` colours in each of `palettes` palettes of the
// format, index 0 the key as the format holds it (0x00FF00FF, 0x00F800F8 in 0x5515, 0 in 0x6505).
// Every pixel of the canvas, row by row.
std::vector<uint16_t> PixelsOf(const Canvas& canvas);

SpriteData PaletteSprite(uint32_t flags, int colours, int palettes = 1, int format = 0x8888);

}  // namespace sprite_test

class SpriteTest : public LibraryTest {
 protected:
  static ASprite* LoadBytes(const std::vector<uint8_t>& bytes);
  static ASprite* Load(const sprite_test::SpriteData& data) {
    return LoadBytes(databuild::WriteSprite(data));
  }
  // Module m's w x h pixels decoded through palette p; empty when it decodes to nothing.
  static std::vector<uint32_t> Decoded(ASprite* sprite, int32_t m, int32_t p = 0);
  // The four values of an int[4].
  static std::vector<int32_t> Four(IntArray* values);
  // Plants pack `name` of these entries (plain) into the archive and opens it.
  void PlantAndOpenPack(const std::string& name, const std::vector<std::vector<uint8_t>>& entries);
};
