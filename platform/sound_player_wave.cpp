// SoundPlayerWAVE's life: the header read, realize, prefetch, start and stop, deallocate and
// close, and the time queries. The sound data is owned by the player until realize has the
// PCM and a voice; the PCM from then until close. The voice never outlives the player.
#include "platform/sound_player_wave.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host/audio.h"
#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

uint16_t U16At(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32At(const uint8_t* p) {
  return U16At(p) | static_cast<uint32_t>(U16At(p + 2)) << 16;
}

}  // namespace

SoundPlayerWAVE::SoundPlayerWAVE(ByteArray* data, int32_t size) {
  level = 100;
  state = kUnrealized;
  loopCount = 1;
  const int32_t bytes = data ? std::clamp(size, 0, data->length) : 0;
  dataSize = bytes;
  if (bytes == 0) return;
  soundData = static_cast<uint8_t*>(std::malloc(bytes));
  if (!soundData) {
    DebugLog("SoundPlayerWAVE(): failed to allocate memory for %d bytes", bytes);
    return;
  }
  std::memcpy(soundData, data->elements(), bytes);
}

// ---- Object ----

void SoundPlayerWAVE::finalize() {
  close();
}

void* SoundPlayerWAVE::getInterface(int32_t interfaceId) {
  switch (interfaceId) {
    case cid::javax_microedition_media_Player:
      return static_cast<javax_microedition_media_Player*>(this);
    case cid::javax_microedition_media_Controllable:
      return static_cast<javax_microedition_media_Controllable*>(this);
    case cid::javax_microedition_media_control_VolumeControl:
      return static_cast<javax_microedition_media_control_VolumeControl*>(this);
    case cid::javax_microedition_media_control_TempoControl:
      return static_cast<javax_microedition_media_control_TempoControl*>(this);
    case cid::javax_microedition_media_control_RateControl:
      return static_cast<javax_microedition_media_control_RateControl*>(this);
    default:
      return nullptr;
  }
}

// ---- Steps of realize ----

bool SoundPlayerWAVE::copyFormat(uint8_t* header) {
  if (!soundData) return false;
  if (dataSize < kWavHeaderSize) {
    DebugLog("SoundPlayerWAVE::readFormat(): %d bytes cannot hold the 44-byte WAV header",
             dataSize);
    return false;
  }
  std::memcpy(header, soundData, kWavHeaderSize);
  return true;
}

bool ReadWaveHeader(const uint8_t* header, int32_t dataSize, SoundPlayerWAVE::WaveFormat* format,
                    int32_t* pcmLength) {
  if (std::memcmp(header, "RIFF", 4) != 0) {
    DebugLog("SoundPlayerWAVE::readFormat(): the data does not start with RIFF");
    return false;
  }
  const SoundPlayerWAVE::WaveFormat read = {U16At(header + 20),
                                            U16At(header + 22),
                                            U32At(header + 24),
                                            U32At(header + 28),
                                            U16At(header + 32),
                                            U16At(header + 34),
                                            0};
  if (read.channels == 0 || read.samplesPerSec == 0 ||
      (read.bitsPerSample != 8 && read.bitsPerSample != 16)) {
    DebugLog(
        "SoundPlayerWAVE::readFormat(): %u channels of %u-bit samples at %u Hz cannot be "
        "played",
        read.channels, read.bitsPerSample, read.samplesPerSec);
    return false;
  }
  *format = read;
  // The data length may claim more than the file holds; only what it holds is played.
  *pcmLength = static_cast<int32_t>(
      std::min<uint32_t>(U32At(header + 40), dataSize - SoundPlayerWAVE::kWavHeaderSize));
  return true;
}

bool SoundPlayerWAVE::readFormat() {
  uint8_t header[kWavHeaderSize];
  if (!copyFormat(header) || !ReadWaveHeader(header, dataSize, &format, &pcmLength)) return false;
  // The true byte rate, whatever the header's own field says.
  const int64_t bytesPerSecond =
      int64_t{format.channels} * format.samplesPerSec * (format.bitsPerSample / 8);
  duration = int64_t{pcmLength} * 1000000 / bytesPerSecond;
  return true;
}

int32_t SoundPlayerWAVE::readSoundFilePcmData(uint8_t** ppData) {
  if (!soundData) {
    DebugLog("SoundPlayerWAVE::readSoundFilePcmData(): m_pSoundFileData == NULL");
    return -1;
  }
  if (pcmLength <= 0) {
    DebugLog("SoundPlayerWAVE::readSoundFilePcmData(): m_pcmDataLength <= 0");
    return -1;
  }
  *ppData = static_cast<uint8_t*>(std::calloc(pcmLength, 1));
  if (!*ppData) {
    DebugLog("SoundPlayerWAVE::readSoundFilePcmData(): *ppData == NULL\n  tried to calloc %d bytes",
             pcmLength);
    return -1;
  }
  std::memcpy(*ppData, soundData + kWavHeaderSize, pcmLength);
  return pcmLength;
}

// ---- Player ----

void SoundPlayerWAVE::realize() {
  if (state != kUnrealized || !readFormat()) return;
  uint8_t* pcm = nullptr;
  if (readSoundFilePcmData(&pcm) == -1) {
    DebugLog("SoundPlayerWAVE::realize(): readSoundFilePcmData returned -1.");
    return;
  }
  host::Voice* voice =
      host::OpenVoice({format.samplesPerSec, format.channels, format.bitsPerSample});
  if (!voice) {
    // The sound data stays, so a realize after the device opens can still succeed.
    DebugLog(
        "SoundPlayerWAVE::realize(): no audio voice for %u channels of %u-bit samples at "
        "%u Hz",
        format.channels, format.bitsPerSample, format.samplesPerSec);
    std::free(pcm);
    return;
  }
  buffer = {pcm, pcmLength};
  std::free(soundData);
  soundData = nullptr;
  device = voice;
  volumeSupported = 1;
  applyLevel();  // a level or mute set before realize takes effect now
  state = kRealized;
}

void SoundPlayerWAVE::prefetch() {
  if (state == kUnrealized) realize();
  if (state != kRealized) return;
  if (!host::PrepareVoice(device, buffer.data, static_cast<uint32_t>(buffer.length))) {
    DebugLog("SoundPlayerWAVE::prefetch(): no memory to prepare %d bytes of PCM", buffer.length);
    return;
  }
  if (volumeSupported && !muted) {
    // Rounded to the nearest level, so that a level set and read back stays the same.
    const uint32_t left = host::GetVoiceVolume(device) & 0xFFFF;
    level = static_cast<int32_t>((left * 100 + 32767) / 65535);
  }
  state = kPrefetched;
}

void SoundPlayerWAVE::start() {
  syncState();
  if (state == kUnrealized) realize();
  if (state == kRealized) prefetch();
  if (state != kPrefetched || muted) return;
  if (host::WriteVoice(device, static_cast<uint32_t>(loopCount))) state = kStarted;
}

void SoundPlayerWAVE::stop() {
  syncState();
  if (state != kStarted) return;
  host::ResetVoice(device);
  state = kPrefetched;
}

void SoundPlayerWAVE::deallocate() {
  syncState();
  if (state != kPrefetched) return;
  host::UnprepareVoice(device);
  state = kRealized;
}

void SoundPlayerWAVE::close() {
  if (state == kClosed) return;
  stop();
  deallocate();
  host::CloseVoice(device);  // under the audio lock: the voice is out of the mix on return
  device = nullptr;
  std::free(buffer.data);
  buffer = {};
  std::free(soundData);
  soundData = nullptr;
  state = kClosed;
}

int64_t SoundPlayerWAVE::setMediaTime(int64_t now) {
  if (now <= 0) {
    host::RestartVoice(device);
  } else {
    DebugLog("WARNING: setMediaTime(long64 now) not implemented for now > 0");
  }
  return now;
}

int64_t SoundPlayerWAVE::getMediaTime() {
  if (refuseInState(false)) return 0;
  if (!device) return -1;
  const int64_t ms = int64_t{host::VoicePosition(device)} * 1000 / format.samplesPerSec;
  return ms * 1000;
}

int32_t SoundPlayerWAVE::getState() {
  syncState();
  return state;
}

int64_t SoundPlayerWAVE::getDuration() {
  if (refuseInState(false)) return 0;
  return duration;
}

String* SoundPlayerWAVE::getContentType() {
  if (refuseInState(true)) return nullptr;
  return NewJavaString("audio/x-wav");
}

void SoundPlayerWAVE::setLoopCount(int32_t count) {
  loopCount = count < 0 ? static_cast<int32_t>(host::kEndlessLoops) : count == 0 ? 1 : count;
}

// ---- Helpers ----

void SoundPlayerWAVE::syncState() {
  if (state == kStarted && host::VoiceFinished(device)) state = kPrefetched;
}

bool SoundPlayerWAVE::refuseInState(bool unrealizedToo) {
  if (state != kClosed && !(unrealizedToo && state == kUnrealized)) return false;
  ThrowException(NewObject<java_lang_IllegalStateException>());
  return true;
}
