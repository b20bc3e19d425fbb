// The six handlers of the sound manager's commands. Each works on its channel's oldest
// command and changes the channel's state only once every Player call it makes has returned
// without an exception; the update step pops the command whatever happened.
#include "engine/mqlib_player.h"
#include "engine/sound_channels.h"
#include "game/cgame.h"
#include "javame/byte_array_input_stream.h"
#include "javame/media_manager.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/system.h"
#include "runtime/trace.h"

using Player = javax_microedition_media_Player;
using namespace sound_channels;

namespace {

int32_t Field(int32_t ch, int32_t f) {
  return MQLibPlayer::soundQueueField(ch, f);
}

int32_t& State(GameStatics* s, int32_t ch) {
  return Word(s->MQLibPlayer_soundChannelState, ch);
}

Player* ChannelPlayer(GameStatics* s, int32_t ch) {
  return PlayerAt(s->MQLibPlayer_soundChannelPlayer, ch);
}

// A new Player over the slot's bytes, for the content type of the slot's format; null when
// the slot holds no sound file.
Object* NewSlotPlayer(GameStatics* s, int32_t slot) {
  auto* bytes = CheckCast<ByteArray>(s->MQLibPlayer_soundSlotData->elements()[slot]);
  if (!bytes) return nullptr;
  auto* stream = NewObject<java_io_ByteArrayInputStream>(bytes);
  if (!stream) return nullptr;
  String* type = cGame::getTableString(Word(s->MQLibPlayer_soundSlotType, slot));
  return javax_microedition_media_Manager::createPlayer(stream, type);
}

}  // namespace

// ---- Prepare and free -----------------------------------------------------------------------

// A channel playing a command of a lower priority number keeps playing, and one that already
// holds the slot keeps it; otherwise the channel is freed and takes the slot's kept Player or
// a new one, realized. A slot without a sound file leaves the channel free.
void MQLibPlayer::soundRealize(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundRealize")) return;
  const int32_t slot = Field(ch, kFieldSlot);
  const int32_t state = State(s, ch);
  if (state == kChannelPlaying &&
      Word(s->MQLibPlayer_soundChannelPriority, ch) < Field(ch, kFieldPriority)) {
    return;
  }
  if (Word(s->MQLibPlayer_soundChannelSlot, ch) == slot && state != kChannelFree) return;
  if (!IsSlot(s, slot)) {
    DebugLog("MQLibPlayer::soundRealize: channel %d: slot %d is not a sound slot; nothing done", ch,
             slot);
    return;
  }
  soundFreeChannel(ch);
  if (GetPendingException()) return;
  Object* player = s->MQLibPlayer_soundSlotPlayer->elements()[slot];
  if (!player) player = NewSlotPlayer(s, slot);
  if (GetPendingException() || !AsPlayer(player)) return;
  s->MQLibPlayer_soundChannelPlayer->elements()[ch] = player;
  AsPlayer(player)->realize();
  if (GetPendingException()) return;
  State(s, ch) = kChannelReady;
  Word(s->MQLibPlayer_soundChannelSlot, ch) = slot;
}

// The kept Player of the oldest command's slot is stopped but stays open for its slot; any
// other Player is closed too. A slot of -1 (a command that carries only its type) has none.
void MQLibPlayer::soundFreeChannel(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundFreeChannel")) return;
  if (Player* player = ChannelPlayer(s, ch)) {
    player->stop();
    if (GetPendingException()) return;
    const int32_t slot = Field(ch, kFieldSlot);
    Object* kept = IsSlot(s, slot) ? s->MQLibPlayer_soundSlotPlayer->elements()[slot] : nullptr;
    if (s->MQLibPlayer_soundChannelPlayer->elements()[ch] != kept) {
      player->close();
      if (GetPendingException()) return;
    }
    s->MQLibPlayer_soundChannelPlayer->elements()[ch] = nullptr;
    java_lang_System::gc();
  }
  State(s, ch) = kChannelFree;
}

// ---- Start and stop -------------------------------------------------------------------------

// Prepares the command's slot, then, when the channel is ready, plays it: loop field 0 plays
// until stopped.
void MQLibPlayer::soundStart(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundStart")) return;
  soundRealize(ch);
  if (GetPendingException()) return;
  Player* player = ChannelPlayer(s, ch);
  if (State(s, ch) != kChannelReady || !player) return;
  const int32_t loops = Field(ch, kFieldLoops);
  player->setLoopCount(loops == 0 ? -1 : loops);
  if (GetPendingException()) return;
  player->start();
  if (GetPendingException()) return;
  State(s, ch) = kChannelPlaying;
  Word(s->MQLibPlayer_soundChannelParam, ch) = Field(ch, kFieldParam);
  Word(s->MQLibPlayer_soundChannelLoops, ch) = loops;
  Word(s->MQLibPlayer_soundChannelPriority, ch) = Field(ch, kFieldPriority);
  Word(s->MQLibPlayer_soundChannelSlot, ch) = Field(ch, kFieldSlot);
}

void MQLibPlayer::soundStop(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundStop")) return;
  Player* player = ChannelPlayer(s, ch);
  if (!player) return;
  player->stop();
  if (!GetPendingException()) State(s, ch) = kChannelReady;
}

void MQLibPlayer::soundPause(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundPause")) return;
  Player* player = ChannelPlayer(s, ch);
  if (State(s, ch) != kChannelPlaying || !player) return;
  player->stop();
  if (!GetPendingException()) State(s, ch) = kChannelPaused;
}

void MQLibPlayer::soundResume(int32_t ch) {
  MonitorScope lock(Lock());
  GameStatics* s = Statics<GameStatics>();
  if (!IsChannel(s, ch, "MQLibPlayer::soundResume")) return;
  Player* player = ChannelPlayer(s, ch);
  if (State(s, ch) != kChannelPaused || !player) return;
  player->start();
  if (!GetPendingException()) State(s, ch) = kChannelPlaying;
}
