// DummyPlayer's interfaces, control look-up, content type and level.
#include "platform/dummy_player.h"

#include <algorithm>

#include "platform/player_controls.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

void* DummyPlayer::getInterface(int32_t interfaceId) {
  switch (interfaceId) {
    case cid::javax_microedition_media_Player:
      return static_cast<javax_microedition_media_Player*>(this);
    case cid::javax_microedition_media_Controllable:
      return static_cast<javax_microedition_media_Controllable*>(this);
    case cid::javax_microedition_media_control_VolumeControl:
      return static_cast<javax_microedition_media_control_VolumeControl*>(this);
    default:
      return nullptr;
  }
}

Object* DummyPlayer::getControl(String* controlType) {
  if (!NullCheck(controlType)) return nullptr;
  return NamesPlayerControl(controlType) ? this : nullptr;
}

ObjectArray* DummyPlayer::getControls() {
  return PlayerControls(this);
}

String* DummyPlayer::getContentType() {
  return NewJavaString("audio/dummy");
}

int32_t DummyPlayer::setLevel(int32_t newLevel) {
  const int32_t old = level;
  level = std::clamp(newLevel, 0, 100);
  return old;
}
