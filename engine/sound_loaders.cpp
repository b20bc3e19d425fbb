// cGame's sound set-up and loaders: the sound manager made for the game's 38 slots with the
// content-type names of its formats, and the sound pack's entries read into soundData with
// the loop flags that cGame::playSound reads (1: the sound is music, or a jingle of priority).
#include "engine/level_sound_seams.h"
#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kSoundSlots = 38;  // sound ids 0..37
constexpr int32_t kSoundPack = 92;   // string constant naming the sound pack
// String constants of the content types "audio/x-wav", "audio/midi" and "audio/ogg", the
// formats 0, 1 and 2 of the sound slots.
constexpr int32_t kFirstFormatName = 133;
constexpr int32_t kFormatCount = 3;
constexpr int32_t kSoundTracks = 4;  // the game shell's count of sound tracks

// Sound entries and their flags, in the order they are read.
struct SoundEntry {
  int32_t id;
  int8_t loops;
};
constexpr SoundEntry kCommonSounds[] = {{0, 1},  {1, 1},  {2, 1},  {3, 1},  {13, 0}, {14, 0},
                                        {12, 1}, {34, 0}, {35, 0}, {36, 0}, {37, 0}};

ByteArray* FilledBytes(int32_t length, int8_t value) {
  ByteArray* bytes = NewByteArray(length);
  for (int32_t i = 0; bytes && i < bytes->length; i++) bytes->elements()[i] = value;
  return bytes;
}

// The format names as byte[], for cGame::getTableString.
ObjectArray* FormatNames() {
  ObjectArray* names = NewObjectArray(cid::ByteArray, kFormatCount);
  for (int32_t i = 0; names && i < names->length; i++) {
    names->elements()[i] = GetConstantString(kFirstFormatName + i)->getBytes();
  }
  return names;
}

}  // namespace

// ---- Set-up ---------------------------------------------------------------------------------

void cGame::initSounds() {
  GameStatics* s = Statics<GameStatics>();
  MQLibPlayer::soundInit(kSoundSlots);
  if (!GetPendingException()) MQLibPlayer::soundSetVolume(100);
  if (Object* pending = GetPendingException()) {
    if (!InstanceOf(pending, cid::java_lang_Exception)) return;
    ClearPendingException();
    static_cast<java_lang_Throwable*>(pending)->printStackTrace();
  } else {
    s->MQLibPlayer_soundFormatNames = FormatNames();
  }
  s->cGame_soundIdChannels = FilledBytes(kSoundSlots, -1);
  s->cGame_soundIdFlags = NewByteArray(kSoundSlots);
  s->cGame_soundTrackIds = FilledBytes(kSoundTracks, -1);
  Long64Array* times = NewLong64Array(kSoundTracks);
  for (int32_t i = 0; times && i < times->length; i++) times->elements()[i] = -1;
  s->cGame_soundTrackTimes = times;
}

// ---- Loaders --------------------------------------------------------------------------------

// soundData[id] = entry id of the open pack (null when it cannot be read, traced by the pack
// reader), and its flag; an id off the sound slots loads nothing.
void cGame::loadSoundEntry(int32_t id, int32_t loops) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* data = s->cGame_soundData;
  ByteArray* flags = s->cGame_soundLoops;
  if (!NullCheck(data) || !NullCheck(flags)) return;
  if (id < 0 || id >= data->length || id >= flags->length) {
    DebugLog("cGame: sound %d is not one of the sounds 0..%d; not loaded", id, data->length - 1);
    return;
  }
  ByteArray* bytes = readPackEntry(id);
  data->elements()[id] = bytes;
  flags->elements()[id] = static_cast<int8_t>(loops);
}

void cGame::loadCommonSounds() {
  openPack(GetConstantString(kSoundPack));
  for (const SoundEntry& sound : kCommonSounds) loadSoundEntry(sound.id, sound.loops);
  closeResourceStream();
}

// Step 5: the world's music (its last level's own on level 12) and the play effects 15 to 20;
// step 6: the effects 21 to 27 and those of the level's boss and features. The pack stays open
// for the loader's next step.
void cGame::loadLevelSounds(int32_t step) {
  constexpr int32_t kFirstMusic = 4, kLastLevel = 12;
  GameStatics* s = Statics<GameStatics>();
  if (step == 5) {
    ByteArray* music =
        s->cGame_currentLevel == kLastLevel ? s->cGame_worldFinalMusicIds : s->cGame_worldMusicIds;
    const int32_t world = s->cGame_currentWorld;
    if (music && world >= 0 && world < music->length) {
      loadSoundEntry(kFirstMusic + music->elements()[world], 1);
    } else {
      DebugLog("cGame::loadLevelSounds: world %d has no music in the music tables; none loaded",
               world);
    }
    for (int32_t id = 15; id <= 20; id++) loadSoundEntry(id, 0);
  } else if (step == 6) {
    for (int32_t id = 21; id <= 27; id++) loadSoundEntry(id, 0);
    const int32_t boss = level_sounds::BossKind();
    if (boss == 0) loadSoundEntry(28, 0);
    if (boss == 1) loadSoundEntry(31, 0);
    if (boss == 2 || boss == 5 || level_sounds::LevelFeature(4)) loadSoundEntry(29, 0);
    if (boss == 4 || level_sounds::LevelFeature(6)) loadSoundEntry(30, 0);
  }
}
