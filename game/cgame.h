// cGame: the game's canvas, its run loop and its state; this header is the hub of its
// members, which live in the folders of their concerns.
//
// Each folder that holds cGame members (engine/, game/shell/, game/board/, game/level/,
// game/world/, game/menus/) keeps two files of its own beside the .cpp files that define them:
//   <folder>/cgame_members.h  the folder's member declarations, included inside the class
//                             body below (public members only, no include guard), grouped
//                             under one banner per defining file:
//                             "// ---- What they do (<folder>/<file>.cpp) ----"
//   <folder>/cgame_statics.h  the folder's statics list PLIMORA_STATICS_cGame_<folder>
//                             (runtime/static_fields.h says how an entry is written), and the
//                             forward declarations of the types its members and statics name;
//                             included before the class, through game/game_statics.h
// A new member is declared in its folder's fragment, defined in the .cpp named for its concern
// (150 to 400 lines; split by sub-concern past about 500), and its statics join its folder's
// list: nothing outside the folder changes. A concern lives in one folder even where it serves
// several (popup painting beside the popup box, the level chooser with the maps); a state's
// handler lives with the screen it shows, and the dispatcher stays in game/shell/. Members
// read cGame's statics as Statics<GameStatics>()->cGame_name. engine/ includes this header,
// never a game/<area>/ one.
#pragma once

#include <cstdint>

#include "game/game_statics.h"
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
      case cid::java_lang_Runnable:
        return static_cast<java_lang_Runnable*>(this);
      case cid::IDefines:
        return self + 1;
      case cid::ILoading:
        return self + 2;
      case cid::IMenus:
        return self + 3;
      default:
        return nullptr;
    }
  }

  // The class factory's: no state of its own. The game's canvas is made with the constructor
  // below, by the first MarqPLIM::startApp.
  cGame() = default;
  // game/shell/game_thread.cpp: the current Displayable, the key tables, the time bases and
  // the state machine in state 1 with its enter pending; the game thread is not started yet.
  cGame(javax_microedition_midlet_MIDlet* midlet, javax_microedition_lcdui_Display* display);

  // ---- Instance operations ----
  // game/shell/frame_loop.cpp: the canvas's paint is one frame; its size operation only
  // stores the logical size.
  void paint(javax_microedition_lcdui_Graphics* g) override;
  void sizeChanged(int32_t w, int32_t h) override;
  // game/shell/key_input.cpp and game/shell/pointer_input.cpp, on the platform thread.
  void keyPressed(int32_t code) override;
  void keyReleased(int32_t code) override;
  void pointerPressed(int32_t x, int32_t y) override;
  void pointerReleased(int32_t x, int32_t y) override;
  void pointerDragged(int32_t x, int32_t y) override;
  // game/shell/game_thread.cpp: the resume step, the pause after the current sound is stopped,
  // and the game thread's run loop.
  void showNotify() override;
  void hideNotify() override;
  void run() override;

  // The run loop's time base, ms of the tick count; shared with the platform thread
  // (game/shell/shared_statics.h).
  int64_t loopTick;

  // The members of every folder that holds them (the top of this file says how).
#include "engine/cgame_members.h"
#include "game/board/cgame_members.h"
#include "game/level/cgame_members.h"
#include "game/menus/cgame_members.h"
#include "game/shell/cgame_members.h"
#include "game/world/cgame_members.h"
};
