// javax.microedition.media.Manager: the supported content types and protocols, and the
// player made for a sound read whole from a stream. The natives are in
// platform/media_manager.cpp.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class ObjectArray;
class String;
class java_io_InputStream;

class javax_microedition_media_Manager : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_media_Manager;

  // {"audio/x-wav", "audio/ogg", "audio/midi", null}, whatever the protocol.
  static ObjectArray* getSupportedContentTypes(String* protocol);
  // The device's native of this name answers the supported protocols: {"file"}, whatever the
  // content type.
  static ObjectArray* createPlayer(String* contentType);
  // Reads the stream's available bytes and makes the player for them: by the content type
  // when one is given (case ignored), else by the first four bytes. Null for a null stream,
  // when memory runs out, or when the stream's read raises (the exception stays pending).
  // Sounds the platform cannot play get a silent DummyPlayer.
  static Object* createPlayer(java_io_InputStream* stream, String* type);
};

// The native behind com_samsung_util_AudioClip's sound hook: does nothing and returns 0.
int32_t AudioClipNativeStub();
