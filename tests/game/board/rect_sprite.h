// Board tests' sprites that only measure: frames holding the given rectangles and no modules,
// shown by one-frame animations, written by the builder's sprite writer and loaded as the game
// loads sprites.
#pragma once

#include <cstdint>
#include <span>

#include "engine/sprite.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/sprite_writer.h"

// The sprite the game loads from data.
inline ASprite* LoadedSprite(const databuild::SpriteData& data) {
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(ManagedBytes(WriteSprite(data)), 0, 0, 0);
  return sprite;
}

inline ASprite* RectSprite(std::span<const databuild::SpriteRect> rects, int32_t animations) {
  using namespace databuild;
  SpriteData data;
  data.flags = sprite_flags::kFrameRects;
  const int frame = AddFrame(data, std::span<const SpriteFModule>{}, rects);
  for (int32_t a = 0; a < animations; a++) {
    const SpriteAFrame aframe[] = {{frame, 1, 0, 0, 0}};
    AddAnimation(data, aframe);
  }
  return LoadedSprite(data);
}

// The same with a frame of its own per animation: animation a holds rectsOf(a), a vector of
// rectangles.
template <class RectsOf>
ASprite* RectSpriteByAnimation(int32_t animations, RectsOf rectsOf) {
  using namespace databuild;
  SpriteData data;
  data.flags = sprite_flags::kFrameRects;
  for (int32_t a = 0; a < animations; a++) {
    const auto rects = rectsOf(a);
    const int frame = AddFrame(data, std::span<const SpriteFModule>{}, rects);
    const SpriteAFrame aframe[] = {{frame, 1, 0, 0, 0}};
    AddAnimation(data, aframe);
  }
  return LoadedSprite(data);
}
