// Writer of sprite data: modules, frame-modules, frames, animation-frames, animations and the
// palette and pixel section, in either the row layout the game reads or the column layout,
// with every flag, palette format and pixel encoding. Fields are checked against the widths
// the flags give them; what they refer to (a frame-module's module) is written as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace databuild {

// Header flag bits (the reader's names).
namespace sprite_flags {
constexpr uint32_t kModuleKinds = 0x04;  // column layout: kinds stored
constexpr uint32_t kImagesAllowed = 0x08;
constexpr uint32_t kWideModuleSizes = 0x10;
constexpr uint32_t kModulePositions = 0x20;
constexpr uint32_t kWidePixelSizes = 0x80;
constexpr uint32_t kWideFrameValues = 0x400;
constexpr uint32_t kComputedBounds = 0x1000;
constexpr uint32_t kFrameRects = 0x8000;
constexpr uint32_t kWideAFrameOffsets = 0x40000;
constexpr uint32_t kPaletteSection = 0x1000000;
constexpr uint32_t kPngImage = 0x20000000;
constexpr uint32_t kTrueColourPalettes = 0x40000000;
}  // namespace sprite_flags

// Module kinds and their stored kind bytes.
enum class ModuleKind : int {
  kImage = 0,
  kRectOutline = 1,
  kFilledRect = 2,
  kArcOutline = 3,
  kFilledArc = 4,
  kEmptyBox = 5,
  kTriangleOutline = 6,
  kFilledTriangle = 7,
};

struct SpriteModule {
  ModuleKind kind = ModuleKind::kImage;
  uint32_t colour = 0;  // ARGB; every shape but the empty box
  int x = 0, y = 0;     // an image's place in its source picture (flag 0x20)
  int width = 0, height = 0;
  std::vector<int> params;      // arcs: start, arc angle; triangles: dx1, dy1, dx2, dy2
  std::vector<uint8_t> pixels;  // image: width x height palette indexes, rows from the top
  std::vector<uint8_t> alphas;  // encoding 0xA256: one alpha a pixel (none: 0xFF each)
  // Written in place of the encoded pixels (fixtures of bad encodings).
  std::optional<std::vector<uint8_t>> encodedPixels;
  // Written in place of the kind byte and fields: a byte outside the kind table (fixtures).
  std::optional<uint8_t> unknownKindByte;
};

struct SpriteFModule {
  int module = 0;
  int x = 0, y = 0;
  int flags = 0;
};

struct SpriteRect {
  int x = 0, y = 0, w = 0, h = 0;
};

struct SpriteFrame {
  int fmoduleCount = 0;
  int firstFModule = 0;
  int rectCount = 0;  // this frame's rectangles follow the earlier frames' (flag 0x8000)
};

struct SpriteAFrame {
  int frame = 0;
  int duration = 1;  // animation ticks
  int x = 0, y = 0;
  int flags = 0;
};

struct SpriteAnim {
  int aframeCount = 0;
  int firstAFrame = 0;
};

struct SpriteData {
  uint32_t flags = 0;
  std::vector<SpriteModule> modules;
  std::vector<SpriteFModule> fmodules;
  std::vector<SpriteRect> rects;
  std::vector<SpriteFrame> frames;
  std::vector<SpriteAFrame> aframes;
  std::vector<SpriteAnim> anims;
  // The palette and pixel section (flag 0x1000000).
  int paletteFormat = 0x8888;                   // 0x8888, 0x4444, 0x5515, 0x6505
  std::vector<std::vector<uint32_t>> palettes;  // ARGB, each as long as the first
  int pixelEncoding = 0x5602;
};

// Appends a frame of these parts (and rectangles); its index.
int AddFrame(SpriteData& sprite, std::span<const SpriteFModule> parts,
             std::span<const SpriteRect> rects = {});
// Appends an animation of these animation-frames; its index.
int AddAnimation(SpriteData& sprite, std::span<const SpriteAFrame> frames);

// Where each section of the written data starts (and the end of the data).
struct SpriteLayout {
  size_t modules = 0, fmodules = 0, frames = 0, aframes = 0, anims = 0, palettes = 0, pixels = 0,
         end = 0;
};

// The sprite in the row layout. Frame bounds (flag 0x1000 clear) are measured from the parts
// as the reader measures them. A value that does not fit its field is a BuildError.
std::vector<uint8_t> WriteSprite(const SpriteData& sprite, SpriteLayout* layout = nullptr);
// The same sprite with its five table sections laid out column by column (each field for all
// records, then the next; kinds only with flag 0x04; no colours or shape parameters).
std::vector<uint8_t> WriteSpriteColumns(const SpriteData& sprite);

// The encoded bytes of one module's palette indexes (and alphas, for 0xA256) for a palette
// of `colours` colours. An index the encoding cannot hold is a BuildError.
std::vector<uint8_t> EncodeSpritePixels(int encoding, std::span<const uint8_t> indexes,
                                        std::span<const uint8_t> alphas, int colours);

// True-colour modules: per palette, per module, a u32 byte size and the pixels as big-endian
// ARGB words (format 0x8888) or RGB triples (0x8808), after an i16 format and, with flag
// 0x40000000, a palette count byte.
std::vector<uint8_t> WriteTrueColourModules(
    uint32_t flags, int format, const std::vector<std::vector<std::vector<uint32_t>>>& pixels);
// The PNG of a flag-0x20000000 sprite: its size (u32 with flag 0x80, else i16), then the file.
std::vector<uint8_t> WriteSpritePng(uint32_t flags, std::span<const uint8_t> png);

}  // namespace databuild
