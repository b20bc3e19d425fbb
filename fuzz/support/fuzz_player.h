// What the player fuzz targets share: the null audio device opened once, and one player taken
// through realize, its controls, a little of the mix and close, with the invariants that hold
// whatever the bytes were.
#pragma once

#include <cstdint>

#include "fuzz/support/fuzz_runtime.h"
#include "host/audio.h"
#include "platform/sound_player_wave.h"

// Opens the null device (it plays at the real clock's rate) for the whole run.
inline void OpenFuzzAudio() {
  static const bool opened = host::OpenAudioDevice(host::AudioBackend::kNull);
  FuzzCheck(opened);
}

// Realizes the player; true when it is realized. A player left unrealized has said why in the
// trace (*traceLines counts the lines of this run); a realized one holds PCM within the limit
// and a sane duration.
inline bool RealizeFuzzPlayer(SoundPlayerWAVE* player, int32_t maxPcmBytes, const int* traceLines) {
  using Player = javax_microedition_media_Player;
  FuzzCheck(player != nullptr);
  player->realize();
  const int32_t state = player->getState();
  FuzzCheck(state == Player::kUnrealized || state == Player::kRealized);
  if (state == Player::kUnrealized) {
    FuzzCheck(player->dataSize == 0 || *traceLines > 0);
    return false;
  }
  FuzzCheck(player->pcmLength > 0 && player->pcmLength <= maxPcmBytes);
  FuzzCheck(player->device != nullptr && player->soundData == nullptr);
  FuzzCheck(player->getDuration() >= -1);
  return true;
}

// Loops, rate and level, a start with a few hundred frames mixed, the time queries, and close,
// after which nothing of the player plays.
inline void PlayAndCloseFuzzPlayer(SoundPlayerWAVE* player) {
  using Player = javax_microedition_media_Player;
  player->setLoopCount(2);
  player->setRate(player->pcmLength % 3 == 0 ? 50000 : 200000);
  player->setLevel(player->pcmLength % 101);
  player->start();
  int16_t mix[2 * 256];
  FuzzCheck(host::StepNullAudio(256, mix));
  player->getMediaTime();
  player->setMediaTime(0);
  host::StepNullAudio(64, mix);
  player->close();
  FuzzCheck(player->getState() == Player::kClosed && player->device == nullptr);
  int16_t after[2 * 64];
  FuzzCheck(host::StepNullAudio(64, after));
  for (const int16_t sample : after) FuzzCheck(sample == 0);
}
