// cGame: the game's canvas, its run loop and its state.
#pragma once

#include "javame/displayable.h"
#include "runtime/interfaces.h"

class cGame : public javax_microedition_lcdui_Canvas, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::cGame;

  // The constant interfaces IDefines, ILoading and IMenus have no operations; each answers
  // with its own non-null address inside the object, never dereferenced.
  void* getInterface(int32_t interfaceId) override {
    char* self = reinterpret_cast<char*>(this);
    switch (interfaceId) {
      case cid::java_lang_Runnable: return static_cast<java_lang_Runnable*>(this);
      case cid::IDefines: return self + 1;
      case cid::ILoading: return self + 2;
      case cid::IMenus: return self + 3;
      default: return nullptr;
    }
  }
  void run() override {}
};
