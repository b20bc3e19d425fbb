// The game's particle emitter definitions and the animations of its three particle sprites
// that they name. Definition 0 is the burst most emitters start; 1 the shards of a popped
// bubble, painted in the bubble's colour; 2 to 4 the level's end (a fountain of stars, confetti,
// a ring of orbiting lights); then a homing swarm, smoke and a sparkle trail.
#pragma once

#include <vector>

#include "tools/databuild/particle_definitions_writer.h"

namespace databuild {

// Animations of particle sprite 0 (pack entry 1, sprite slot 6): sparks and stars.
constexpr int kSparkAnim = 0;
constexpr int kStarAnim = 1;
constexpr int kLightAnim = 2;  // a single frame
// Particle sprite 1 (entry 2, slot 7): shards and drops in the seven bubble colours.
constexpr int kShardAnim = 0;
constexpr int kDropAnim = 1;
// Particle sprite 2 (entry 3, slot 8): smoke and glows.
constexpr int kSmokeAnim = 0;
constexpr int kGlowAnim = 1;

std::vector<ParticleDefinition> GameParticleDefinitions();

}  // namespace databuild
