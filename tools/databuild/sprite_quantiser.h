// The builder's colour quantiser: pictures drawn for one sprite turned into indexes of one
// shared palette whose entry 0 is the key 0x00FF00FF. A pixel less than half opaque becomes
// the key, every other one opaque; the opaque colours are reduced by median cut.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_writer.h"

namespace databuild {

struct QuantisedSprite {
  std::vector<uint32_t> palette;              // entry 0 the key, then opaque colours
  std::vector<std::vector<uint8_t>> indexes;  // one list a picture, its pixels in order
};

// At most `colours` palette entries (2..256), the same output for the same pictures. Pictures
// marked in `dithered` (smooth gradients) are mapped through a 4 x 4 ordered dither, so their
// steps do not show as bands.
QuantisedSprite Quantise(std::span<const ArgbPicture> pictures, int colours,
                         const std::vector<bool>& dithered = {});

// A sprite over the quantised set's palette, with computed bounds, whose images will be
// written as runs or literals of 8-bit indexes (encoding 0x56F2); no modules yet.
SpriteData QuantisedSpriteData(const QuantisedSprite& quantised);

// An image module of picture i of the quantised set.
SpriteModule QuantisedModule(const QuantisedSprite& quantised,
                             std::span<const ArgbPicture> pictures, size_t i);

}  // namespace databuild
