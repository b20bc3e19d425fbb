// The game's sound set. Music wanders over a pentatonic scale chosen by its key and seed, over a
// bass line of one chord root per bar; the two jingles and every effect are written out part
// by part.
#include "tools/databuild/sound_content.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/sound_synth.h"

namespace databuild {
namespace {

constexpr uint32_t kRate = 22050;

// ---- Music ----

struct Music {
  int root;  // semitones from A4 to the key's root, one octave below the melody's start
  bool minor;
  int beatsPerMinute;
  int bars;  // of four beats, an eighth-note melody
  uint32_t seed;
  Wave lead;
};

// Pentatonic degrees in semitones above the root.
constexpr int kMajorScale[] = {0, 2, 4, 7, 9};
constexpr int kMinorScale[] = {0, 3, 5, 7, 10};
// Chord roots of the bars, in semitones above the key's root, repeated.
constexpr int kBassLine[] = {0, 5, 7, 0};

PcmSound Compose(const Music& music) {
  SoundMix mix(kRate, 1);
  const uint32_t eighthMs = 30000 / music.beatsPerMinute;
  const int* scale = music.minor ? kMinorScale : kMajorScale;
  uint32_t state = music.seed;
  int degree = 5;  // index into two octaves of the scale: 5 is the root an octave up
  const int eighths = music.bars * 8;
  for (int i = 0; i < eighths; i++) {
    state = state * 1664525u + 1013904223u;
    const uint32_t draw = state >> 16;
    if (i == eighths - 1) {
      degree = 5;  // the last note comes home, so the loop joins smoothly
    } else if (draw % 7 == 0) {
      continue;  // a rest
    } else {
      degree = std::clamp(degree + static_cast<int>(draw % 5) - 2, 0, 9);
    }
    const int semitone = music.root + 12 * (degree / 5) + scale[degree % 5];
    mix.add({music.lead, NoteHz(semitone), NoteHz(semitone), eighthMs - 10, 6500, 6, 40},
            i * eighthMs);
  }
  for (int beat = 0; beat < music.bars * 4; beat++) {
    const int semitone = music.root - 12 + kBassLine[(beat / 4) % 4];
    mix.add({Wave::kTriangle, NoteHz(semitone), NoteHz(semitone), 2 * eighthMs - 20, 7000, 8, 60},
            beat * 2 * eighthMs);
  }
  return mix.take(16);
}

// Music by id: 0 title, 1 menus, 4 to 11 the worlds, 12 character selection.
Music MusicOf(int id) {
  switch (id) {
    case 0:
      return {-9, false, 132, 4, 7, Wave::kSquare};
    case 1:
      return {-4, false, 120, 4, 11, Wave::kTriangle};
    case 12:
      return {-2, false, 144, 2, 12, Wave::kSquare};
    default:
      break;
  }
  const int world = id - 4;
  return {-9 + (world * 5) % 12,
          world % 3 == 2,
          116 + 6 * world,
          4,
          static_cast<uint32_t>(100 + world),
          world % 2 == 0 ? Wave::kSquare : Wave::kTriangle};
}

// ---- Jingles and effects ----

struct Part {
  uint32_t atMs;
  Tone tone;
};

PcmSound Effect(std::initializer_list<Part> parts, uint16_t bitsPerSample = 8) {
  SoundMix mix(kRate, 1);
  for (const Part& part : parts) mix.add(part.tone, part.atMs);
  return mix.take(bitsPerSample);
}

Tone Note(Wave wave, int semitone, uint32_t ms, int32_t amplitude = 7000) {
  return {wave, NoteHz(semitone), NoteHz(semitone), ms, amplitude, 5, 40};
}

Tone Glide(Wave wave, double fromHz, double toHz, uint32_t ms, int32_t amplitude = 8000) {
  return {wave, fromHz, toHz, ms, amplitude, 3, ms / 3};
}

// A blip of a character's voice: two quick syllables at the character's pitch.
PcmSound Voice(int semitone) {
  return Effect({{0, Glide(Wave::kSquare, NoteHz(semitone), NoteHz(semitone + 3), 70, 6000)},
                 {90, Glide(Wave::kSquare, NoteHz(semitone + 5), NoteHz(semitone), 90, 6000)}});
}

PcmSound EffectOf(int id) {
  using enum Wave;
  switch (id) {
    case 2:  // level won: a rising arpeggio and a held chord
      return Effect({{0, Note(kSquare, 3, 150)},
                     {150, Note(kSquare, 7, 150)},
                     {300, Note(kSquare, 10, 150)},
                     {450, Note(kSquare, 15, 700)},
                     {450, Note(kTriangle, -9, 700, 8000)}},
                    16);
    case 3:  // level lost: a slow fall
      return Effect({{0, Note(kTriangle, 3, 300)},
                     {300, Note(kTriangle, 2, 300)},
                     {600, Note(kTriangle, 1, 300)},
                     {900, Note(kTriangle, -2, 800)},
                     {900, Note(kSine, -14, 800, 9000)}},
                    16);
    case 13:
      return Effect({{0, Glide(kSquare, 900, 600, 40, 7000)}});
    case 14:
      return Effect({{0, Glide(kSquare, 700, 1100, 40, 7000)}});
    case 15:
      return Effect({{0, Glide(kSine, 600, 1400, 90)}, {0, Glide(kNoise, 3000, 3000, 30, 3000)}});
    case 16:
      return Effect({{0, Note(kSine, 27, 120)}, {60, Note(kSine, 32, 160)}});
    case 17:
      return Effect(
          {{0, Glide(kTriangle, 300, 200, 60, 9000)}, {0, Glide(kNoise, 2000, 2000, 20, 3000)}});
    case 18:
      return Effect({{0, Glide(kSine, 300, 900, 120)}, {0, Glide(kNoise, 6000, 6000, 100, 2500)}});
    case 19:
      return Effect({{0, Note(kSquare, 3, 110)},
                     {110, Note(kSquare, 7, 110)},
                     {220, Note(kSquare, 10, 110)},
                     {330, Note(kSquare, 15, 300)}});
    case 20:
      return Effect({{0, Glide(kSine, 800, 2000, 150)}, {40, Glide(kSine, 1200, 3000, 150, 6000)}});
    case 21:
      return Effect({{0, Glide(kTriangle, 1000, 1500, 80)}});
    case 22:
      return Effect({{0, Note(kSquare, 2, 60)}, {30, Note(kSine, 14, 100)}});
    case 23:
      return Effect(
          {{0, Glide(kNoise, 800, 200, 400, 9000)}, {0, Glide(kSine, 200, 80, 400, 9000)}});
    case 24:
      return Effect(
          {{0, Glide(kNoise, 4000, 4000, 120, 5000)}, {0, Glide(kTriangle, 900, 500, 80)}});
    case 25:
      return Effect({{0, Glide(kSine, 400, 800, 100)}});
    case 26:
      return Effect({{0, Note(kSquare, -12, 50)}, {60, Note(kSquare, -5, 50)}});
    case 27:
      return Effect({{0, Glide(kSine, 700, 300, 180)}});
    case 28:
      return Effect(
          {{0, Glide(kSquare, 200, 120, 200)}, {0, Glide(kNoise, 1500, 1500, 150, 4000)}});
    case 29:
      return Effect(
          {{0, Glide(kTriangle, 160, 60, 300, 10000)}, {0, Glide(kNoise, 600, 600, 250, 5000)}});
    case 30:
      return Effect({{0, Glide(kSquare, 330, 220, 250)}, {0, Glide(kSquare, 247, 165, 250)}});
    case 31:
      return Effect({{0, Note(kSine, 12, 70)}, {70, Note(kSine, 17, 70)}});
    case 32:
      return Effect({{0, Note(kTriangle, 3, 60)}, {80, Note(kTriangle, 7, 60)}});
    case 33:
      return Effect({{0, Note(kSine, 22, 50)}});
    default:
      break;
  }
  return Voice(id == 34 ? 5 : id == 35 ? 0 : id == 36 ? 9 : 2);  // 34 to 37, the characters
}

bool IsMusic(int id) {
  return (id <= 12 && id != 2 && id != 3);
}

}  // namespace

std::string_view GameSoundRole(int id) {
  static constexpr std::string_view kRoles[kGameSoundCount] = {
      "title music",
      "menu music",
      "level won jingle",
      "level lost jingle",
      "music of world 1",
      "music of world 2",
      "music of world 3",
      "music of world 4",
      "music of world 5",
      "music of world 6",
      "music of world 7",
      "music of world 8",
      "character selection music",
      "back click",
      "select click",
      "bubble pop",
      "bubble recoloured",
      "wall bounce",
      "shot launched",
      "award fanfare",
      "special bubble popped",
      "spare chirp",
      "target hit",
      "boss or target defeated",
      "bubble broken",
      "creature hop",
      "lock or catcher closes",
      "bubble thrown",
      "boss throws",
      "boss drops a row",
      "boss or carrier shouts",
      "gap filled",
      "map walk",
      "spare blip",
      "first character's voice",
      "second character's voice",
      "third character's voice",
      "fourth character's voice",
  };
  return id >= 0 && id < kGameSoundCount ? kRoles[id] : std::string_view();
}

PcmSound GameSound(int id) {
  if (id < 0 || id >= kGameSoundCount) throw BuildError("no game sound " + std::to_string(id));
  return IsMusic(id) ? Compose(MusicOf(id)) : EffectOf(id);
}

}  // namespace databuild
