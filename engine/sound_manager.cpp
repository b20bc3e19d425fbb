// The sound manager: numbered slots of sound files, and channels that each own at most one
// Player and a ring of up to seven queued commands, which the update step runs oldest first.
// A ring never holds more than seven commands: a full one drops its cancelled commands before
// it refuses a new one, so nothing queued is ever overwritten.
#include "engine/mqlib_player.h"
#include "engine/sound_channels.h"
#include "javame/thread.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/system.h"
#include "runtime/trace.h"

using Player = javax_microedition_media_Player;

// ---- Shared checks --------------------------------------------------------------------------

namespace sound_channels {

Object* Lock() {
  return Class::findById(cid::MQLibPlayer);
}

bool IsChannel(GameStatics* s, int32_t ch, const char* operation) {
  if (!s->MQLibPlayer_soundEnabled) return false;
  const int32_t channels = s->MQLibPlayer_soundChannelState->length;
  if (ch >= 0 && ch < channels) return true;
  DebugLog("%s: channel %d is not one of the sound channels 0..%d; nothing done", operation, ch,
           channels - 1);
  return false;
}

bool IsSlot(GameStatics* s, int32_t slot) {
  return s->MQLibPlayer_soundEnabled && slot >= 0 && slot < s->MQLibPlayer_soundSlotData->length;
}

Player* PlayerAt(ObjectArray* players, int32_t i) {
  return AsPlayer(players->elements()[i]);
}

bool CatchException() {
  if (!InstanceOf(GetPendingException(), cid::java_lang_Exception)) return false;
  ClearPendingException();
  return true;
}

}  // namespace sound_channels

using namespace sound_channels;

namespace {

constexpr int32_t kNoSlot = -1;
constexpr int32_t kFullVolume = 100;
constexpr int32_t kThreadPeriodMs = 40;

int32_t& Head(GameStatics* s, int32_t ch) {
  return Word(s->MQLibPlayer_soundRingHead, ch);
}

int32_t& Count(GameStatics* s, int32_t ch) {
  return Word(s->MQLibPlayer_soundRingCount, ch);
}

// The ring index of the command k places after the channel's oldest one.
int32_t Place(GameStatics* s, int32_t ch, int32_t k) {
  return MQLibPlayer::soundRingIndex(ch, Head(s, ch) + k);
}

// Moves the live commands of a full ring together from its head, in their order, and forgets
// the cancelled ones between them.
void DropCancelled(GameStatics* s, int32_t ch) {
  IntArray* ring = s->MQLibPlayer_soundRing;
  int32_t kept = 0;
  for (int32_t k = 0; k < Count(s, ch); k++) {
    const int32_t from = Place(s, ch, k);
    if (Word(ring, from + MQLibPlayer::kFieldType) == MQLibPlayer::kCommandCancelled) continue;
    const int32_t to = Place(s, ch, kept++);
    for (int32_t f = 0; f < MQLibPlayer::kCommandFields; f++)
      Word(ring, to + f) = Word(ring, from + f);
  }
  Count(s, ch) = kept;
}

bool KeepsItsPlace(int32_t type) {
  return type == MQLibPlayer::kCommandPrepare || type == MQLibPlayer::kCommandStart;
}

// Runs the handler of the channel's oldest command; false for a cancelled or unknown type.
void RunHandler(int32_t type, int32_t ch) {
  switch (type) {
    case MQLibPlayer::kCommandPrepare:
      return MQLibPlayer::soundRealize(ch);
    case MQLibPlayer::kCommandFreeChannel:
      return MQLibPlayer::soundFreeChannel(ch);
    case MQLibPlayer::kCommandStart:
      return MQLibPlayer::soundStart(ch);
    case MQLibPlayer::kCommandStop:
      return MQLibPlayer::soundStop(ch);
    case MQLibPlayer::kCommandPause:
      return MQLibPlayer::soundPause(ch);
    case MQLibPlayer::kCommandResume:
      return MQLibPlayer::soundResume(ch);
    default:
      return;
  }
}

// A playing channel whose Player has ended (or cannot say) is ready again.
void NoteFinished(GameStatics* s, int32_t ch) {
  if (Word(s->MQLibPlayer_soundChannelState, ch) != MQLibPlayer::kChannelPlaying) return;
  const bool playing = MQLibPlayer::soundIsPlaying(ch);
  if (CatchException() || !playing) {
    Word(s->MQLibPlayer_soundChannelState, ch) = MQLibPlayer::kChannelReady;
  }
}

// Runs the channel's queued commands. False when a throwable other than an Exception is left
// pending for the caller.
bool RunQueue(GameStatics* s, int32_t ch) {
  while (Count(s, ch) > 0) {
    RunHandler(MQLibPlayer::soundQueueField(ch, MQLibPlayer::kFieldType), ch);
    const bool uncaught = GetPendingException() && !CatchException();
    MQLibPlayer::soundQueuePop(ch);
    if (uncaught) return false;
  }
  return true;
}

// Stops and closes a Player that is being dropped; false when either raised.
bool Silence(Player* player) {
  player->stop();
  if (GetPendingException()) return false;
  player->close();
  return !GetPendingException();
}

}  // namespace

// ---- Set-up ---------------------------------------------------------------------------------

void MQLibPlayer::soundInit(int32_t slots) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  const int32_t channels = s->MQLibPlayer_soundChannelCount;
  if (slots < 0 || channels < 0) {
    DebugLog("MQLibPlayer::soundInit: %d slots on %d channels cannot be set up", slots, channels);
    return;
  }
  s->MQLibPlayer_soundSlotData = NewObjectArray(cid::ByteArray, slots);
  s->MQLibPlayer_soundSlotType = NewIntArray(slots);
  s->MQLibPlayer_soundSlotPlayer = NewObjectArray(cid::javax_microedition_media_Player, slots);
  s->MQLibPlayer_soundChannelPlayer =
      NewObjectArray(cid::javax_microedition_media_Player, channels);
  s->MQLibPlayer_soundChannelSlot = NewIntArray(channels);
  s->MQLibPlayer_soundChannelPriority = NewIntArray(channels);
  s->MQLibPlayer_soundChannelState = NewIntArray(channels);
  s->MQLibPlayer_soundChannelParam = NewIntArray(channels);
  s->MQLibPlayer_soundChannelLoops = NewIntArray(channels);
  s->MQLibPlayer_soundRing = NewIntArray(channels * kRingCommands * kCommandFields);
  s->MQLibPlayer_soundRingHead = NewIntArray(channels);
  s->MQLibPlayer_soundRingCount = NewIntArray(channels);
  for (Object* table :
       {static_cast<Object*>(s->MQLibPlayer_soundSlotData), s->MQLibPlayer_soundSlotType.object,
        s->MQLibPlayer_soundSlotPlayer.object, s->MQLibPlayer_soundChannelPlayer.object,
        s->MQLibPlayer_soundChannelSlot.object, s->MQLibPlayer_soundChannelPriority.object,
        s->MQLibPlayer_soundChannelState.object, s->MQLibPlayer_soundChannelParam.object,
        s->MQLibPlayer_soundChannelLoops.object, s->MQLibPlayer_soundRing.object,
        s->MQLibPlayer_soundRingHead.object, s->MQLibPlayer_soundRingCount.object}) {
    if (!table) {
      DebugLog("MQLibPlayer::soundInit: no memory for the sound tables; sound stays off");
      s->MQLibPlayer_soundEnabled = false;
      return;
    }
  }
  for (int32_t ch = 0; ch < channels; ch++) Word(s->MQLibPlayer_soundChannelSlot, ch) = kNoSlot;
  s->MQLibPlayer_soundSlotCount = slots;
  s->MQLibPlayer_soundVolume = kFullVolume;
  s->MQLibPlayer_soundEnabled = true;
}

void MQLibPlayer::soundSetVolume(int32_t v) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (s->MQLibPlayer_soundEnabled) s->MQLibPlayer_soundVolume = v;
}

// ---- The command rings ----------------------------------------------------------------------

void MQLibPlayer::soundQueuePush(int32_t ch, int32_t type, int32_t slot, int32_t priority,
                                 int32_t param, int32_t loops) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundQueuePush")) return;
  if (KeepsItsPlace(type) && !IsSlot(s, slot)) {
    DebugLog(
        "MQLibPlayer::soundQueuePush: channel %d: slot %d is not a sound slot (0..%d); "
        "command %d refused",
        ch, slot, s->MQLibPlayer_soundSlotData->length - 1, type);
    return;
  }
  if (Count(s, ch) >= kRingCommands) DropCancelled(s, ch);
  if (Count(s, ch) >= kRingCommands) {
    DebugLog(
        "MQLibPlayer::soundQueuePush: channel %d already queues %d commands; command %d "
        "refused",
        ch, kRingCommands, type);
    return;
  }
  IntArray* ring = s->MQLibPlayer_soundRing;
  for (int32_t k = Count(s, ch) - 1; k >= 0; k--) {
    const int32_t at = Place(s, ch, k);
    if (Word(ring, at + kFieldType) != type) continue;
    if (KeepsItsPlace(type) && Word(ring, at + kFieldPriority) < priority) continue;
    Word(ring, at + kFieldType) = kCommandCancelled;
  }
  const int32_t tail = Place(s, ch, Count(s, ch));
  const int32_t fields[kCommandFields] = {type, slot, priority, param, loops};
  for (int32_t f = 0; f < kCommandFields; f++) Word(ring, tail + f) = fields[f];
  Count(s, ch) += 1;
}

void MQLibPlayer::soundQueuePushType(int32_t ch, int32_t type) {
  soundQueuePush(ch, type, kNoSlot, -1, -1, -1);
}

void MQLibPlayer::soundQueuePushStop(int32_t ch) {
  soundQueuePushType(ch, kCommandStop);
}

int32_t MQLibPlayer::soundQueueField(int32_t ch, int32_t f) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundQueueField") || f < 0 || f >= kCommandFields) return 0;
  return Word(s->MQLibPlayer_soundRing, Place(s, ch, 0) + f);
}

void MQLibPlayer::soundQueuePop(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundQueuePop") || Count(s, ch) == 0) return;
  Head(s, ch) = soundMod7(Head(s, ch) + 1);
  Count(s, ch) -= 1;
}

int32_t MQLibPlayer::soundRingIndex(int32_t ch, int32_t k) {
  return (ch * kRingCommands + soundMod7(k)) * kCommandFields;
}

int32_t MQLibPlayer::soundMod7(int32_t x) {
  const int32_t r = x % kRingCommands;
  return r < 0 ? r + kRingCommands : r;
}

// ---- Channel queries ------------------------------------------------------------------------

int32_t MQLibPlayer::soundChannelValue(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundChannelValue")) return kNoSlot;
  return Word(s->MQLibPlayer_soundChannelSlot, ch);
}

bool MQLibPlayer::soundIsPlaying(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundIsPlaying")) return false;
  Player* player = PlayerAt(s->MQLibPlayer_soundChannelPlayer, ch);
  return player && player->getState() == Player::kStarted;
}

// ---- Freeing a slot -------------------------------------------------------------------------

void MQLibPlayer::soundFree(int32_t slot) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!s->MQLibPlayer_soundEnabled) return;
  if (!IsSlot(s, slot)) {
    DebugLog("MQLibPlayer::soundFree: slot %d is not a sound slot (0..%d); nothing freed", slot,
             s->MQLibPlayer_soundSlotData->length - 1);
    return;
  }
  s->MQLibPlayer_soundSlotData->elements()[slot] = nullptr;
  ObjectArray* kept = s->MQLibPlayer_soundSlotPlayer;
  if (Player* player = PlayerAt(kept, slot)) {
    player->close();
    if (GetPendingException()) return;
  }
  kept->elements()[slot] = nullptr;
  ObjectArray* players = s->MQLibPlayer_soundChannelPlayer;
  for (int32_t ch = 0; ch < players->length; ch++) {
    if (Word(s->MQLibPlayer_soundChannelSlot, ch) != slot) continue;
    if (Player* player = PlayerAt(players, ch)) {
      if (!Silence(player)) return;
    }
    players->elements()[ch] = nullptr;
    Word(s->MQLibPlayer_soundChannelState, ch) = kChannelFree;
  }
  java_lang_System::gc();
}

// ---- The update step ------------------------------------------------------------------------

void MQLibPlayer::soundUpdate() {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!s->MQLibPlayer_soundEnabled) return;
  for (int32_t ch = 0; ch < s->MQLibPlayer_soundChannelState->length; ch++) {
    if (Count(s, ch) > 0) NoteFinished(s, ch);
    if (!RunQueue(s, ch)) return;
  }
}

void MQLibPlayer::soundUpdateAll() {
  soundUpdate();
}

void MQLibPlayer::soundStopAll() {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!s->MQLibPlayer_soundEnabled) return;
  for (int32_t ch = 0; ch < s->MQLibPlayer_soundChannelState->length; ch++) soundQueuePushStop(ch);
  soundUpdate();
}

void MQLibPlayer::soundStopAllSafe() {
  soundStopAll();
}

// ---- The sound thread -----------------------------------------------------------------------

namespace {

bool ThreadRunning() {
  MonitorScope lock(Lock());
  return Statics<GameStatics>()->MQLibPlayer_soundThreadRunning;
}

}  // namespace

// An Exception of a turn is dropped and the loop goes on; any other throwable ends it, left
// pending for the thread's end.
void MQLibPlayer::run() {
  while (ThreadRunning()) {
    soundUpdate();
    if (!GetPendingException()) java_lang_Thread::sleep(kThreadPeriodMs);
    if (GetPendingException() && !CatchException()) return;
  }
}
