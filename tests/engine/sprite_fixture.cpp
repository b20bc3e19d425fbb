#include "tests/engine/sprite_fixture.h"

#include "game/cgame.h"
#include "runtime/string.h"

namespace sprite_test {

SpriteModule Shape(ModuleKind kind, uint32_t colour, int w, int h, std::vector<int> params) {
  SpriteModule m;
  m.kind = kind;
  m.colour = colour;
  m.width = w;
  m.height = h;
  m.params = std::move(params);
  return m;
}

uint32_t FormatColour(int format, int p, int i) {
  const uint32_t n = static_cast<uint32_t>(i * 37 + p * 101 + 11);
  const uint32_t r = n & 31, g = (n >> 3) & 31, b = (n * 7) & 31;
  switch (format) {
    case 0x4444:  // 4 bits a channel, n x 17
      return ((n >> 2) % 16) * 17 << 24 | (r % 16) * 17 << 16 | (g % 16) * 17 << 8 | (b % 16) * 17;
    case 0x5515:  // alpha all or nothing, 5 bits a colour channel
      return (n & 1 ? 0xFF000000u : 0) | r << 19 | g << 11 | b << 3;
    case 0x6505:  // opaque, 5-6-5 bits
      return 0xFF000000u | r << 19 | ((n >> 1) & 63) << 10 | b << 3;
    default:
      return (i % 5 == 4 ? 0x80000000u : 0xFF000000u) | (n * 2654435761u >> 8 & 0xFFFFFF);
  }
}

std::vector<uint16_t> PixelsOf(const Canvas& canvas) {
  std::vector<uint16_t> pixels;
  for (int32_t y = 0; y < canvas.image->height; y++) {
    for (int32_t x = 0; x < canvas.image->width; x++) pixels.push_back(canvas.at(x, y));
  }
  return pixels;
}

SpriteData PaletteSprite(uint32_t flags, int colours, int palettes, int format) {
  SpriteData s;
  s.flags = flags | flag::kPaletteSection;
  s.paletteFormat = format;
  for (int p = 0; p < palettes; p++) {
    // The key as the format holds it: 5-bit channels keep 0xF8 of 0xFF.
    const uint32_t key = format == 0x6505   ? 0u
                         : format == 0x5515 ? 0x00F800F8u
                                            : ASprite::kKeyColour;
    std::vector<uint32_t> palette = {key};
    for (int i = 1; i < colours; i++) palette.push_back(FormatColour(format, p, i));
    s.palettes.push_back(palette);
  }
  return s;
}

}  // namespace sprite_test

ASprite* SpriteTest::LoadBytes(const std::vector<uint8_t>& bytes) {
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(ManagedBytes(bytes), 0, 0, 0);
  return sprite;
}

std::vector<uint32_t> SpriteTest::Decoded(ASprite* sprite, int32_t m, int32_t p) {
  const int32_t kept = sprite->currentPalette;
  sprite->currentPalette = p;
  IntArray* pixels = sprite->decodeModule(m);
  sprite->currentPalette = kept;
  if (!pixels) return {};
  const int32_t n = sprite->getModuleWidth(m) * sprite->getModuleHeight(m);
  const auto* first = reinterpret_cast<const uint32_t*>(pixels->elements());
  return std::vector<uint32_t>(first, first + n);
}

std::vector<int32_t> SpriteTest::Four(IntArray* values) {
  return std::vector<int32_t>(values->elements(), values->elements() + 4);
}

void SpriteTest::PlantAndOpenPack(const std::string& name,
                                  const std::vector<std::vector<uint8_t>>& entries) {
  databuild::Pack pack{name, {}, {0}};
  for (const std::vector<uint8_t>& entry : entries) {
    pack.entries.push_back(databuild::PackEntry::Plain(0, entry));
  }
  for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
    PlantArchiveEntry(file.name, file.bytes);
  }
  cGame::openPack(NewJavaString(name.c_str()));
}
