// cGame's one-track sound player: one media Player at a time over a sound's bytes, by sound
// id 0..37. A sound of priority is not cut by one without, and a sound does not restart
// itself. Starting and stopping hold cGame's class monitor, so the main thread's stop (the
// canvas hidden) and the game thread's start never interleave.
#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/caught_exception.h"
#include "javame/byte_array_input_stream.h"
#include "javame/media.h"
#include "javame/media_manager.h"
#include "javame/thread.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

using Player = javax_microedition_media_Player;

constexpr int32_t kSoundCount = 38;
constexpr int32_t kWavContentType = 133;  // string constant "audio/x-wav"
constexpr int32_t kPriority = 1;

// The lock of the sound track: cGame's class record, the monitor of its static synchronized
// operations.
Object* SoundLock() {
  return Class::findById(cid::cGame);
}

Player* PlayerOf(Object* player) {
  return player ? static_cast<Player*>(player->getInterface(cid::javax_microedition_media_Player))
                : nullptr;
}

int32_t PriorityOf(GameStatics* s, int32_t id) {
  ByteArray* flags = s->cGame_soundLoops;
  return flags && id >= 0 && id < flags->length ? flags->elements()[id] : 0;
}

// The stop's empty handler: a pending java_lang_Exception is cleared (any other throwable
// stays).
void DropPendingException() {
  Object* pending = GetPendingException();
  if (pending && InstanceOf(pending, cid::java_lang_Exception)) ClearPendingException();
}

// The device printed these lines on the standard output, which goes nowhere; the trace of the
// media natives says what happened instead.
void Stop(GameStatics* s) {
  Player* player = PlayerOf(s->cGame_currentSound);
  if (!player) return;
  player->stop();
  if (!GetPendingException()) player->close();
  DropPendingException();
  s->cGame_currentSound = nullptr;
  java_lang_System::gc();
  s->cGame_currentSoundId = -1;
}

}  // namespace

// ---- Playing --------------------------------------------------------------------------------

void cGame::playSound(int32_t id, int32_t loops) {
  if (id < 0 || id >= kSoundCount) return;
  MonitorScope lock(SoundLock());
  GameStatics* s = Statics<GameStatics>();
  Player* current = PlayerOf(s->cGame_currentSound);
  if (current && current->getState() == Player::kStarted) {
    if (PriorityOf(s, s->cGame_currentSoundId) == kPriority && PriorityOf(s, id) != kPriority) {
      return;
    }
    if (id == s->cGame_currentSoundId) return;
  }
  Stop(s);
  ObjectArray* sounds = s->cGame_soundData;
  ByteArray* data =
      sounds && id < sounds->length ? CheckCast<ByteArray>(sounds->elements()[id]) : nullptr;
  if (!data) {
    DebugLog("cGame::playSound: sound %d has no data; nothing plays", id);
    return;
  }
  auto* stream = NewObject<java_io_ByteArrayInputStream>(data);
  Object* made =
      javax_microedition_media_Manager::createPlayer(stream, GetConstantString(kWavContentType));
  Player* player = PlayerOf(made);
  if (!player) return;
  s->cGame_currentSound = made;
  if (player->getState() == Player::kUnrealized) player->realize();
  if (player->getState() == Player::kRealized) player->prefetch();
  player->setLoopCount(loops);
  if (player->getState() == Player::kPrefetched) player->start();
  s->cGame_currentSoundId = id;
  s->cGame_currentSoundLoops = loops;
}

void cGame::playSfx(int32_t id) {
  if (Statics<GameStatics>()->cGame_sfxEnabled) playSound(id, 1);
}

void cGame::playMusic(int32_t id) {
  if (Statics<GameStatics>()->cGame_musicEnabled) playSound(id, 1);
}

// A world's music, or its own for the world's last level (12); a world outside the tables
// plays nothing.
void cGame::playLevelMusic() {
  constexpr int32_t kFirstMusic = 4, kLastLevel = 12;
  GameStatics* s = Statics<GameStatics>();
  ByteArray* table =
      s->cGame_currentLevel == kLastLevel ? s->cGame_worldFinalMusicIds : s->cGame_worldMusicIds;
  const int32_t world = s->cGame_currentWorld;
  if (!table || world < 0 || world >= table->length) return;
  if (s->cGame_musicEnabled) playSound(kFirstMusic + table->elements()[world], 1);
}

// ---- Stopping -------------------------------------------------------------------------------

void cGame::stopSound() {
  MonitorScope lock(SoundLock());
  Stop(Statics<GameStatics>());
}

void cGame::stopSoundA() {
  stopSound();
}

void cGame::stopSoundB() {
  stopSound();
}

// Slots 0..3 and 12..14 (the menu's and the common sounds) stay loaded.
void cGame::freeSounds() {
  for (int32_t slot = 4; slot <= 31; slot++) {
    if (slot >= 12 && slot <= 14) continue;
    MQLibPlayer::soundFree(slot);
    if (CatchPendingException()) return;
  }
}

void cGame::gcAndWait() {
  java_lang_System::gc();
  java_lang_Thread::sleep(100);
  CatchPendingException();
}
