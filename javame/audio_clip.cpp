// AudioClip: the clip's player made from a copy of its bytes, and the play, pause, resume
// and stop that drive it. Argument errors raise IllegalArgumentException with a message of a
// string constant followed by the bad value.
#include "javame/audio_clip.h"

#include "javame/byte_array_input_stream.h"
#include "javame/exception_classes.h"
#include "javame/media.h"
#include "javame/media_manager.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

using AudioClip = com_samsung_util_AudioClip;

constexpr int32_t kUnknownTypeText = 370;  // "Unknown clip type "
constexpr int32_t kLoopCountText = 371;    // "Loop count out of range: "
constexpr int32_t kVolumeText = 372;       // "Volume out of range: "
constexpr int32_t kMaxLoopCount = 255;
constexpr int32_t kMaxVolume = 5;

// The string constant of each clip type's content type, by type - 1.
constexpr int32_t kContentTypeTexts[] = {368, 369, 134};

// The player's interface, or null when the clip has none.
javax_microedition_media_Player* PlayerOf(AudioClip* clip) {
  return AsPlayer(clip->player);
}

}  // namespace

AudioClip::com_samsung_util_AudioClip(int32_t type, ByteArray* data, int32_t offset,
                                      int32_t length) {
  RegisterReferenceFields(this, &player);
  if (type < TYPE_MMF || type > TYPE_MIDI) {
    ThrowIllegalArgument(kUnknownTypeText, type);
    return;
  }
  String* contentType = GetConstantString(kContentTypeTexts[type - TYPE_MMF]);
  if (!NullCheck(data)) return;
  if (offset < 0 || length < 0 || offset > data->length) {
    DebugLog("AudioClip: bytes %d + %d outside the array (length %d); the clip stays silent",
             offset, length, data->length);
    return;
  }
  if (int64_t{offset} + length > data->length) {
    DebugLog("AudioClip: bytes %d + %d run past the array (length %d); cut at its end", offset,
             length, data->length);
    length = data->length - offset;
  }
  ByteArray* copy = NewByteArray(length);
  if (!copy || copy->length != length) return;
  java_lang_System::arraycopy(data, offset, copy, 0, length);
  auto* stream = NewObject<java_io_ByteArrayInputStream>(copy);
  if (!stream) return;
  player = javax_microedition_media_Manager::createPlayer(stream, contentType);
}

AudioClip::com_samsung_util_AudioClip(int32_t, String* fileName) {
  RegisterReferenceFields(this, &player);
  DebugLog("AudioClip: \"%s\" is not played; this platform has no file clips",
           fileName ? StringToCString(fileName).c_str() : "null");
}

void AudioClip::play(int32_t loopCount, int32_t volume) {
  if (loopCount < 0 || loopCount > kMaxLoopCount) {
    ThrowIllegalArgument(kLoopCountText, loopCount);
    return;
  }
  if (volume < 0 || volume > kMaxVolume) {
    ThrowIllegalArgument(kVolumeText, volume);
    return;
  }
  javax_microedition_media_Player* clipPlayer = PlayerOf(this);
  if (!clipPlayer) return;
  if (loopCount > 1) clipPlayer->setLoopCount(loopCount);
  if (!GetPendingException()) clipPlayer->start();
  ClearPendingException();
}

void AudioClip::pause() {
  if (javax_microedition_media_Player* clipPlayer = PlayerOf(this)) clipPlayer->stop();
}

void AudioClip::resume() {
  if (javax_microedition_media_Player* clipPlayer = PlayerOf(this)) clipPlayer->start();
}

void AudioClip::stop() {
  if (javax_microedition_media_Player* clipPlayer = PlayerOf(this)) {
    clipPlayer->stop();
    ClearPendingException();
  }
}
