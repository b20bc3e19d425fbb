// SoundPlayerOGG: Tremor reads the player's in-memory copy of the file through callbacks that
// never pass its end; the decoded PCM then goes the WAVE player's way.
#include "platform/sound_player_ogg.h"

#include <tremor/ivorbisfile.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "runtime/trace.h"

// The decoder and the cursor its callbacks read the sound data through.
struct OggMemoryDecoder {
  OggVorbis_File file;
  const uint8_t* data;
  size_t size;
  size_t position;  // 0 <= position <= size
};

namespace {

constexpr int32_t kChunkBytes = 4096;  // PCM asked of each ov_read

size_t ReadBytes(void* into, size_t itemSize, size_t items, void* source) {
  auto* decoder = static_cast<OggMemoryDecoder*>(source);
  if (itemSize == 0) return 0;
  const size_t count = std::min(items, (decoder->size - decoder->position) / itemSize);
  std::memcpy(into, decoder->data + decoder->position, count * itemSize);
  decoder->position += count * itemSize;
  return count;
}

// fseek's contract: 0 on success, -1 (the cursor unchanged) for a place outside the data.
int SeekTo(void* source, ogg_int64_t offset, int whence) {
  auto* decoder = static_cast<OggMemoryDecoder*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(decoder->position);
  if (whence == SEEK_END) base = static_cast<ogg_int64_t>(decoder->size);
  if (offset < -base || offset > static_cast<ogg_int64_t>(decoder->size) - base) return -1;
  decoder->position = static_cast<size_t>(base + offset);
  return 0;
}

long Tell(void* source) {
  return static_cast<long>(static_cast<OggMemoryDecoder*>(source)->position);
}

const char* OpenFailure(int code) {
  switch (code) {
    case OV_EREAD:
      return "the data cannot be read";
    case OV_ENOTVORBIS:
      return "the data is not Ogg Vorbis";
    case OV_EVERSION:
      return "the Vorbis version is not supported";
    case OV_EBADHEADER:
      return "a Vorbis header is damaged";
    case OV_EFAULT:
      return "the decoder failed";
    default:
      return "the stream does not open";
  }
}

}  // namespace

bool SoundPlayerOGG::copyFormat() {
  if (!soundData) return false;
  decoder = new (std::nothrow) OggMemoryDecoder{};
  if (!decoder) {
    DebugLog("SoundPlayerOGG::readFormat(): no memory for the decoder");
    return false;
  }
  decoder->data = soundData;
  decoder->size = static_cast<size_t>(dataSize);
  const ov_callbacks callbacks = {ReadBytes, SeekTo, nullptr, Tell};
  const int opened = ov_open_callbacks(decoder, &decoder->file, nullptr, 0, callbacks);
  if (opened != 0) {
    DebugLog("SoundPlayerOGG::readFormat(): the Vorbis headers do not open: %s (%d)",
             OpenFailure(opened), opened);
    delete decoder;  // a failed open has already cleared the decoder's own state
    decoder = nullptr;
    return false;
  }
  return true;
}

void SoundPlayerOGG::clearDecoder() {
  if (!decoder) return;
  ov_clear(&decoder->file);
  delete decoder;
  decoder = nullptr;
}

bool SoundPlayerOGG::readFormat() {
  if (!copyFormat()) return false;
  const vorbis_info* info = ov_info(&decoder->file, -1);
  if (!info || info->channels < 1 || info->channels > 2) {
    DebugLog("SoundPlayerOGG::readFormat(): a stream of %d channels cannot be played",
             info ? info->channels : 0);
    clearDecoder();
    return false;
  }
  channels = info->channels;
  sampleRate = static_cast<int32_t>(std::min<long>(info->rate, INT32_MAX));
  // Always 16-bit samples; block align and byte rate count both bytes of each sample.
  format = {1,
            static_cast<uint16_t>(channels),
            static_cast<uint32_t>(sampleRate),
            static_cast<uint32_t>(channels * 2) * static_cast<uint32_t>(sampleRate),
            static_cast<uint16_t>(channels * 2),
            16,
            18};
  const ogg_int64_t ms = ov_time_total(&decoder->file, -1);
  duration = ms >= 0 ? ms * 1000 : -1;
  return true;
}

int32_t SoundPlayerOGG::readSoundFilePcmData(uint8_t** ppData) {
  if (!decoder) return -1;
  int32_t capacity = kChunkBytes;
  auto* decoded = static_cast<uint8_t*>(std::malloc(capacity));
  if (!decoded) {
    DebugLog(
        "SoundPlayerOGG::readSoundFilePcmData(): decodedDataBuffer == NULL\n  tried to malloc "
        "%d bytes",
        capacity);
    clearDecoder();
    return -1;
  }
  int32_t total = 0;
  for (;;) {
    if (total + kChunkBytes > capacity) {
      // Doubling keeps a long sound from being copied once per chunk.
      const int32_t grown = std::min(capacity * 2, kMaxDecodedBytes + kChunkBytes);
      auto* larger = static_cast<uint8_t*>(std::realloc(decoded, grown));
      if (!larger) {
        DebugLog(
            "SoundPlayerOGG::readSoundFilePcmData(): decodedDataBuffer == NULL\n  tried to "
            "realloc %d bytes",
            grown);
        std::free(decoded);
        clearDecoder();
        return -1;
      }
      decoded = larger;
      capacity = grown;
    }
    int link = 0;
    // Tremor writes 16-bit samples in the host's byte order, little-endian here as the voice
    // wants them.
    const long got =
        ov_read(&decoder->file, reinterpret_cast<char*>(decoded + total), kChunkBytes, &link);
    if (got <= 0) break;
    const vorbis_info* linkInfo = ov_info(&decoder->file, link);
    // A chained stream's later link may change channels or rate: its PCM would not fit.
    if (!linkInfo || linkInfo->channels != channels || linkInfo->rate != sampleRate) {
      DebugLog(
          "SoundPlayerOGG::readSoundFilePcmData(): link %d of the stream changes the format; "
          "the rest is dropped",
          link);
      break;
    }
    total += static_cast<int32_t>(got);
    if (total > kMaxDecodedBytes) {
      DebugLog(
          "SoundPlayerOGG::readSoundFilePcmData(): the sound passes %d bytes of PCM; the "
          "rest is dropped",
          kMaxDecodedBytes);
      total = kMaxDecodedBytes;
      break;
    }
  }
  clearDecoder();
  pcmLength = total;
  if (total == 0) {
    std::free(decoded);
    return -1;
  }
  *ppData = static_cast<uint8_t*>(std::calloc(total, 1));
  if (!*ppData) {
    DebugLog("SoundPlayerOGG::readSoundFilePcmData(): *ppData == NULL\n  tried to calloc %d bytes",
             total);
    std::free(decoded);
    return -1;
  }
  std::memcpy(*ppData, decoded, total);
  std::free(decoded);
  return total;
}
