// MQLibPlayer: the animation player, also the sound manager's runnable.
#pragma once

#include "runtime/interfaces.h"
#include "runtime/object.h"

class MQLibPlayer : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::MQLibPlayer;

  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this)
                                                  : nullptr;
  }
  void run() override {}

  // Stops every sound channel. No channel can play yet, so there is nothing to stop.
  static void soundStopAll() {}

  // The class initialiser (engine/mqlib_player_static_init.cpp): the animation tick and the
  // sound channel count.
  static void staticInit();
};
