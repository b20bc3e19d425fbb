// The natives of javax.microedition.media.Manager: the supported types and protocols, and the
// player made for a stream's bytes. Every player keeps its own copy of the bytes, so the
// array they were read into is left to the collector.
#include "javame/media_manager.h"

#include <cstring>
#include <initializer_list>

#include "javame/input_stream.h"
#include "javame/media.h"
#include "platform/direct_show_player.h"
#include "platform/dummy_player.h"
#include "platform/player_controls.h"
#include "platform/sound_player_ogg.h"
#include "platform/sound_player_wave.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

enum class PlayerKind { kDummy, kWave, kOgg, kDirectShow };

// By the content type, case ignored.
PlayerKind KindOfType(String* type) {
  if (MediaNameIs(type, "audio/x-wav")) return PlayerKind::kWave;
  if (MediaNameIs(type, "audio/ogg")) return PlayerKind::kOgg;
  if (MediaNameIs(type, "audio/midi") || MediaNameIs(type, "audio/amr")) {
    return PlayerKind::kDirectShow;
  }
  return PlayerKind::kDummy;
}

// By the first four bytes; fewer than four give the dummy player.
PlayerKind KindOfData(ByteArray* data, int32_t size) {
  if (size < 4) return PlayerKind::kDummy;
  const int8_t* bytes = data->elements();
  if (std::memcmp(bytes, "RIFF", 4) == 0) return PlayerKind::kWave;
  if (std::memcmp(bytes, "OggS", 4) == 0) return PlayerKind::kOgg;
  if (std::memcmp(bytes, "MThd", 4) == 0) return PlayerKind::kDirectShow;
  return PlayerKind::kDummy;
}

// Reads until the array is full or the stream ends; the count read, or -1 when the read
// raised an exception (which stays pending).
int32_t ReadInto(java_io_InputStream* stream, ByteArray* data) {
  int32_t got = 0;
  while (got < data->length) {
    const int32_t n = stream->read(data, got, data->length - got);
    if (GetPendingException()) return -1;
    if (n <= 0) break;
    got += n;
  }
  return got;
}

// The DirectShow player's content type: "audio/amr" when the type given says so, else MIDI
// (the type, or the "MThd" data without a type).
const char* DirectShowTypeOf(String* type) {
  return type && MediaNameIs(type, "audio/amr") ? "audio/amr" : "audio/midi";
}

Object* MakePlayer(PlayerKind kind, ByteArray* data, int32_t size, String* type) {
  switch (kind) {
    case PlayerKind::kWave:
      return NewObject<SoundPlayerWAVE>(data, size);
    case PlayerKind::kOgg:
      return NewObject<SoundPlayerOGG>(data, size);
    case PlayerKind::kDirectShow: {
      auto* player = NewObject<DirectShowPlayer>(data, size, DirectShowTypeOf(type));
      DirectShowPlayer::init(player);  // a refused sound leaves it in 100, its cause traced
      return player;
    }
    case PlayerKind::kDummy:
      break;
  }
  return NewObject<DummyPlayer>();
}

// A new String[] holding the texts, null where a text is null.
ObjectArray* StringArrayOf(std::initializer_list<const char*> texts) {
  ObjectArray* array = NewObjectArray(cid::String, static_cast<int32_t>(texts.size()));
  if (!array || array->length != static_cast<int32_t>(texts.size())) return array;
  int32_t i = 0;
  for (const char* text : texts) {
    String* string = text ? NewJavaString(text) : nullptr;
    array->elements()[i++] = string;
  }
  return array;
}

}  // namespace

ObjectArray* javax_microedition_media_Manager::getSupportedContentTypes(String*) {
  return StringArrayOf({"audio/x-wav", "audio/ogg", "audio/midi", nullptr});
}

ObjectArray* javax_microedition_media_Manager::createPlayer(String*) {
  return StringArrayOf({"file"});
}

Object* javax_microedition_media_Manager::createPlayer(java_io_InputStream* stream, String* type) {
  if (!stream) return nullptr;
  const int32_t available = stream->available();
  if (GetPendingException()) return nullptr;
  if (available <= 0) return NewObject<DummyPlayer>();
  ByteArray* data = NewByteArray(available);
  if (!data || data->length != available) {
    DebugLog("Manager::createPlayer(): no memory for %d bytes of sound", available);
    return nullptr;
  }
  const int32_t size = ReadInto(stream, data);
  if (size < 0) return nullptr;
  if (size == 0) return NewObject<DummyPlayer>();
  return MakePlayer(type ? KindOfType(type) : KindOfData(data, size), data, size, type);
}

javax_microedition_media_Player* AsPlayer(Object* object) {
  if (!object) return nullptr;
  return static_cast<javax_microedition_media_Player*>(
      object->getInterface(cid::javax_microedition_media_Player));
}

int32_t AudioClipNativeStub() {
  return 0;
}
