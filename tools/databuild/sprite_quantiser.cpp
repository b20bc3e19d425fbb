// Median cut over the opaque colours of a sprite's pictures, weighted by how often each
// occurs, then every pixel mapped to its nearest palette colour.
#include "tools/databuild/sprite_quantiser.h"

#include <algorithm>
#include <array>
#include <map>

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

constexpr uint32_t kKey = 0x00FF00FF;

struct Weighted {
  std::array<int, 3> rgb;
  uint64_t count;
};

int ChannelOf(uint32_t c, int i) {
  return static_cast<int>(c >> (16 - 8 * i) & 0xFF);
}

bool Opaque(uint32_t c) {
  return c >> 24 >= 128;
}

// A box of colours: the channel it spans most and by how much.
std::pair<int, int> WidestChannel(std::span<const Weighted> box) {
  int best = 0, range = -1;
  for (int i = 0; i < 3; i++) {
    const auto [low, high] = std::minmax_element(
        box.begin(), box.end(),
        [i](const Weighted& a, const Weighted& b) { return a.rgb[i] < b.rgb[i]; });
    if (high->rgb[i] - low->rgb[i] > range) {
      range = high->rgb[i] - low->rgb[i];
      best = i;
    }
  }
  return {best, range};
}

uint32_t Mean(std::span<const Weighted> box) {
  uint64_t sum[3] = {0, 0, 0}, n = 0;
  for (const Weighted& w : box) {
    for (int i = 0; i < 3; i++) sum[i] += static_cast<uint64_t>(w.rgb[i]) * w.count;
    n += w.count;
  }
  uint32_t c = 0xFF000000;
  for (int i = 0; i < 3; i++) c |= static_cast<uint32_t>((sum[i] + n / 2) / n) << (16 - 8 * i);
  return c;
}

// Splits, until there are `boxes`, the box whose widest span weighs most (the span squared
// times the pixels in it, so a large smooth gradient gets as many steps as small bright
// details), at its weighted median.
std::vector<uint32_t> MedianCut(std::vector<Weighted> colours, size_t boxes) {
  std::vector<std::pair<size_t, size_t>> spans = {{0, colours.size()}};
  while (spans.size() < boxes) {
    size_t chosen = spans.size();
    uint64_t heaviest = 0;
    int channel = 0;
    for (size_t b = 0; b < spans.size(); b++) {
      if (spans[b].second - spans[b].first < 2) continue;
      const std::span<const Weighted> box = std::span<const Weighted>(colours).subspan(
          spans[b].first, spans[b].second - spans[b].first);
      const auto [c, range] = WidestChannel(box);
      uint64_t pixels = 0;
      for (const Weighted& w : box) pixels += w.count;
      const uint64_t weight = static_cast<uint64_t>(range) * range * pixels;
      if (range > 0 && weight > heaviest) {
        heaviest = weight;
        chosen = b;
        channel = c;
      }
    }
    if (chosen == spans.size()) break;
    const auto [first, last] = spans[chosen];
    std::stable_sort(colours.begin() + first, colours.begin() + last,
                     [channel](const Weighted& a, const Weighted& b) {
                       return a.rgb[channel] < b.rgb[channel];
                     });
    uint64_t total = 0, running = 0;
    for (size_t i = first; i < last; i++) total += colours[i].count;
    size_t middle = first + 1;
    for (size_t i = first; i < last - 1; i++) {
      running += colours[i].count;
      middle = i + 1;
      if (running * 2 >= total) break;
    }
    spans[chosen] = {first, middle};
    spans.insert(spans.begin() + chosen + 1, {middle, last});
  }
  std::vector<uint32_t> palette;
  for (const auto& [first, last] : spans) {
    palette.push_back(Mean(std::span<const Weighted>(colours).subspan(first, last - first)));
  }
  return palette;
}

int Nearest(const std::vector<uint32_t>& palette, uint32_t c) {
  int best = 1;
  int64_t bestDistance = INT64_MAX;
  for (size_t i = 1; i < palette.size(); i++) {
    int64_t d = 0;
    for (int k = 0; k < 3; k++) {
      const int64_t diff = ChannelOf(palette[i], k) - ChannelOf(c, k);
      d += diff * diff;
    }
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace

// The colour nudged by the ordered dither's threshold at (x, y), about a palette step.
uint32_t Dithered(uint32_t c, int x, int y) {
  constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  const int offset = (kBayer[y & 3][x & 3] * 2 - 15) * 3 / 4;  // -11 .. 11
  uint32_t out = c & 0xFF000000;
  for (int i = 0; i < 3; i++) {
    out |= static_cast<uint32_t>(std::clamp(ChannelOf(c, i) + offset, 0, 255)) << (16 - 8 * i);
  }
  return out;
}

QuantisedSprite Quantise(std::span<const ArgbPicture> pictures, int colours,
                         const std::vector<bool>& dithered) {
  if (colours < 2 || colours > 256) throw BuildError("sprite art: 2 to 256 colours");
  std::map<uint32_t, uint64_t> histogram;
  for (const ArgbPicture& p : pictures) {
    for (const uint32_t c : p.pixels) {
      if (Opaque(c)) histogram[c & 0xFFFFFF]++;
    }
  }
  std::vector<Weighted> weighted;
  for (const auto& [rgb, count] : histogram) {
    weighted.push_back({{ChannelOf(rgb, 0), ChannelOf(rgb, 1), ChannelOf(rgb, 2)}, count});
  }
  QuantisedSprite out;
  out.palette = {kKey};
  if (!weighted.empty()) {
    const std::vector<uint32_t> cut = MedianCut(weighted, static_cast<size_t>(colours - 1));
    out.palette.insert(out.palette.end(), cut.begin(), cut.end());
  }
  std::map<uint32_t, uint8_t> nearest;
  for (size_t k = 0; k < pictures.size(); k++) {
    const ArgbPicture& p = pictures[k];
    const bool dither = k < dithered.size() && dithered[k];
    std::vector<uint8_t>& indexes = out.indexes.emplace_back();
    for (size_t i = 0; i < p.pixels.size(); i++) {
      uint32_t c = p.pixels[i];
      if (!Opaque(c)) {
        indexes.push_back(0);
        continue;
      }
      if (dither) c = Dithered(c, static_cast<int>(i % p.width), static_cast<int>(i / p.width));
      auto found = nearest.find(c & 0xFFFFFF);
      if (found == nearest.end()) {
        found = nearest.emplace(c & 0xFFFFFF, static_cast<uint8_t>(Nearest(out.palette, c))).first;
      }
      indexes.push_back(found->second);
    }
  }
  return out;
}

SpriteData QuantisedSpriteData(const QuantisedSprite& quantised) {
  SpriteData s;
  s.flags =
      sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection | sprite_flags::kComputedBounds;
  s.palettes = {quantised.palette};
  s.pixelEncoding = 0x56F2;
  return s;
}

SpriteModule QuantisedModule(const QuantisedSprite& quantised,
                             std::span<const ArgbPicture> pictures, size_t i) {
  SpriteModule m;
  m.width = pictures[i].width;
  m.height = pictures[i].height;
  m.pixels = quantised.indexes[i];
  return m;
}

}  // namespace databuild
