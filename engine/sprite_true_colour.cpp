// ASprite's readers of true-colour modules and of a sprite's one PNG, kept with the class
// though nothing calls them: ARGB pixels per palette and module, and the PNG with the PLTE
// and tRNS chunks of each palette, ready to be swapped into it.
#include <zlib.h>

#include <cstring>
#include <vector>

#include "engine/sprite.h"
#include "engine/sprite_reader.h"
#include "game/game_statics.h"
#include "runtime/range_check.h"

// True-colour modules: i16 format (0x8888: big-endian ARGB words; 0x8808: big-endian RGB
// triples, alpha 0xFF); with flag 0x40000000 a palette count u8, else one palette; then per
// palette, per module: u32 byte size and the pixels. RGB 0xFF00FF becomes the key 0x00FF00FF.
// PNG: the file's size (u32 with flag 0x80, else i16), then the file.

namespace {

constexpr int32_t kArgbWords = 0x8888;
constexpr int32_t kRgbTriples = 0x8808;
constexpr uint32_t kKeyRgb = 0xFF00FF;

uint32_t ReadPixel(SpriteReader& in, int32_t format) {
  uint32_t c = format == kArgbWords ? 0 : 0xFF;
  for (int32_t i = 0; i < (format == kArgbWords ? 4 : 3); i++) {
    c = c << 8 | static_cast<uint32_t>(in.u8());
  }
  return (c & 0xFFFFFF) == kKeyRgb ? ASprite::kKeyColour : c;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// One PNG chunk: length, the name of template `name`, the data, the CRC of name and data.
bool AppendChunk(std::vector<uint8_t>& out, int32_t name, const std::vector<uint8_t>& data) {
  ObjectArray* templates = Statics<GameStatics>()->ASprite_pngChunkTemplates;
  if (!NullCheck(templates) || !IndexInRange("ASprite PNG template", name, templates->length)) {
    return false;
  }
  auto* bytes = static_cast<ByteArray*>(templates->elements()[name]);
  if (!NullCheck(bytes) || bytes->length != 4) return false;
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t typeAt = out.size();
  out.insert(out.end(), bytes->elements(), bytes->elements() + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, static_cast<uint32_t>(crc32(0, out.data() + typeAt, out.size() - typeAt)));
  return true;
}

}  // namespace

bool ASprite::loadTrueColorModules(SpriteReader& in) {
  in.beginSection("true-colour");
  const int32_t format = in.i16() & 0xFFFF;
  const int32_t count = (flags & kTrueColourPalettes) ? in.u8() : 1;
  if (!in.ok()) return false;
  if (format != kArgbWords && format != kRgbTriples) {
    in.fail("unknown true-colour format 0x%04X", format);
    return false;
  }
  if (count > kMostPalettes) {
    in.fail("it holds %d palettes, more than %d", count, kMostPalettes);
    return false;
  }
  const int32_t bytesPerPixel = format == kArgbWords ? 4 : 3;
  ObjectArray* table = NewObjectArray(cid::ObjectArray, count);
  if (!in.allocated(count, {table})) return false;
  trueColorModules = table;
  for (int32_t p = 0; p < count; p++) {
    ObjectArray* row = NewObjectArray(cid::IntArray, moduleCount);
    if (!in.allocated(moduleCount, {row})) return false;
    trueColorModules->elements()[p] = row;
    for (int32_t m = 0; m < moduleCount; m++) {
      const int32_t size = in.i32();
      if (in.ok() && (size < 0 || size % bytesPerPixel != 0)) {
        in.fail("module %d has the byte size %d", m, size);
      }
      if (!in.need(size)) return false;
      const int32_t n = size / bytesPerPixel;
      IntArray* pixels = NewIntArray(n);
      if (!in.allocated(n, {pixels})) return false;
      for (int32_t i = 0; i < n; i++) {
        pixels->elements()[i] = static_cast<int32_t>(ReadPixel(in, format));
      }
      row->elements()[m] = pixels;
    }
  }
  return in.ok();
}

bool ASprite::loadPngImage(SpriteReader& in) {
  in.beginSection("PNG");
  const int32_t size = (flags & kWidePixelSizes) ? in.i32() : in.i16();
  if (in.ok() && size < 0) in.fail("the PNG size %d is negative", size);
  if (!in.need(size)) return false;
  ByteArray* png = NewByteArray(size);
  if (!in.allocated(size, {png})) return false;
  if (size > 0) std::memcpy(png->elements(), in.data()->elements() + in.position(), size);
  in.skip(size);
  pngImageData = png;
  // Per palette: its colours as a PLTE chunk and their alphas as a tRNS chunk, in one byte[].
  const int32_t count = palettes ? paletteCount : 0;
  ObjectArray* chunks = NewObjectArray(cid::ByteArray, count);
  if (!in.allocated(count, {chunks})) return false;
  pngPaletteChunks = chunks;
  for (int32_t p = 0; p < count; p++) {
    auto* palette = static_cast<IntArray*>(palettes->elements()[p]);
    if (!palette) continue;
    std::vector<uint8_t> rgb, alpha, both;
    for (int32_t i = 0; i < palette->length; i++) {
      const auto c = static_cast<uint32_t>(palette->elements()[i]);
      rgb.insert(rgb.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                             static_cast<uint8_t>(c)});
      alpha.push_back(static_cast<uint8_t>(c >> 24));
    }
    if (!AppendChunk(both, kPngPlteName, rgb) || !AppendChunk(both, kPngTrnsName, alpha)) {
      return false;
    }
    ByteArray* chunk = NewByteArray(static_cast<int32_t>(both.size()));
    if (!in.allocated(static_cast<int32_t>(both.size()), {chunk})) return false;
    std::memcpy(chunk->elements(), both.data(), both.size());
    pngPaletteChunks->elements()[p] = chunk;
  }
  return true;
}
