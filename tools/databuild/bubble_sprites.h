// The board's bubble sprites, drawn with Cairo and quantised into palette 0 (index 0 the key):
//   pack 80 entry 5 (slot 25)  the bubble sprite: frame k the look of bubble kind k for k in
//       0..44 (39, the spent kind, is empty), 45 and 46 the kind-36 bubble with its target lit
//       and done, 47..53 the compound roots of colours 0..6 and 54 the hidden one, 55..61 the
//       plain colours again, 62 the key and attachment marker drawn over a bubble, 63 a bunch
//       anchor. Animation a shows frame a (looping) for a in 0..63, except 32 (the anchor of
//       bunch types 4 and 8), 34 and 35 (the rising bubble, tools/databuild/effect_sprites.h)
//       and 46 (the ending scene's piercing bubble floating from the ground up to the trapped
//       star, kSceneFlightX, kSceneFlightY from its start, then gone).
//   pack 80 entry 3 (slot 39)  the change sprite: animation 0 the sparkle swirl of a colour
//       change (10 frames), 4 the same round a compound root, 2 the lesson highlight pulse (3
//       frames), 1 and 3 a still sparkle.
//   pack 88 entry 1 (slot 49)  frame 5 the badge of target bubbles, a rosette up and to the
//       right of the bubble; palette p colours it in the hue of colour p (0..6); frames 0..4
//       and 6 small tokens, animations 0..12 stills.
// Every plain colour has its own hue (red, blue, yellow, green, purple, orange, cyan: the
// shards' palettes, tools/databuild/particle_sprites.h) and its own white mark (dot, triangle,
// square, diamond, cross, ring, star), so colours tell apart without their hue too.
#pragma once

#include <cstdint>

#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kPlainColours = 7;  // hues: kBubbleColours (the pop's shards share them)
inline constexpr int kBubbleKindFrames = 64;  // frames 0..63, then the rising bubble's
inline constexpr int kBubbleAnchorFrame = 63;
inline constexpr int kBubbleAnchorAnimation = 32;
inline constexpr int kBubbleSize = 40;    // a kind's picture, square, centred on the origin
inline constexpr int kCompoundSize = 120;  // a compound root's picture
inline constexpr int kChangeSteps = 10;    // frames of change animations 0 and 4
inline constexpr int kBadgeFrame = 5;
// The ending scene's flight: 22 steps of 200 ms, arriving as the padlock starts to shake.
inline constexpr int kSceneFlightAnimation = 46;
inline constexpr int kSceneFlightSteps = 22;
inline constexpr int kSceneFlightX = -127, kSceneFlightY = -371;

SpriteData BubbleSprite();
// Pack 96 entry 0 (slot 26), the chains of hanging bunches (tools/databuild/chain_art.cpp).
SpriteData ChainSprite();
SpriteData ChangeSprite();
SpriteData BadgeSprite();

}  // namespace databuild
