// The game's particle definitions. A values: emission angle and spread (degrees; 90 points
// down the screen, 270 up), gravity and drag (px/s^2), speed and spread (px/s; an orbit's
// angular speed in degrees a second), particles a burst, burst interval (ms), particle slots,
// emission time (ms), kind, random x offset (px). B values: particle sprite, animation, life
// (ms), life spread (% of the life), and a value with its spread that only draws a random
// number. An emitter's first burst comes on its first update (kind 2: one interval later).
#include "tools/databuild/particle_content.h"

namespace databuild {

namespace {

enum Kind { kDefault = 0, kHoming = 1, kLateBurst = 2, kPalettes = 3, kOrbit = 4, kNoEffect = 5 };
enum Sprite { kSparks = 0, kShards = 1, kSmoke = 2 };

}  // namespace

std::vector<ParticleDefinition> GameParticleDefinitions() {
  return {
      // 0: one burst of 24 sparks in every direction, falling as they fade.
      {{0, 360, 240, 40, 140, 160, 24, 250, 60, 100, kDefault, 0},
       {kSparks, kSparkAnim, 650, 40, 0, 0}},
      // 1: a popped bubble's eight shards, in the palette of its colour.
      {{0, 360, 600, 0, 90, 90, 8, 100, 8, 50, kNoEffect, 0}, {kShards, kShardAnim, 450, 30, 0, 0}},
      // 2: a fountain of stars for 1.5 s.
      {{240, 60, 500, 0, 300, 150, 6, 80, 60, 1500, kLateBurst, 0},
       {kSparks, kStarAnim, 1200, 25, 0, 0}},
      // 3: confetti drops of the first three colours, thrown up over 80 px.
      {{250, 40, 400, 30, 260, 120, 5, 100, 50, 1500, kPalettes, 80},
       {kShards, kDropAnim, 1400, 20, 0, 0}},
      // 4: a ring of twelve lights circling the emitter at 20 to 29 px, until stopped.
      {{0, 360, 0, 0, 200, 0, 12, 100, 12, 200, kOrbit, 0}, {kSparks, kLightAnim, 1000, 0, 0, 0}},
      // 5: twelve glows that swarm around the emitter and follow it, until stopped.
      {{0, 360, 0, 0, 60, 0, 3, 150, 12, 600, kHoming, 0}, {kSmoke, kGlowAnim, 2000, 0, 0, 0}},
      // 6: smoke rising from a 16 px wide source for 1.2 s.
      {{270, 50, -60, 20, 40, 30, 2, 120, 20, 1200, kDefault, 16},
       {kSmoke, kSmokeAnim, 900, 30, 0, 0}},
      // 7: a trail of small stars drifting down for 0.6 s.
      {{0, 360, 100, 0, 30, 30, 3, 60, 24, 600, kDefault, 0},
       {kSparks, kStarAnim, 400, 50, 100, 50}},
  };
}

}  // namespace databuild
