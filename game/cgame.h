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
  void run() override {}

  // The members of every folder that holds them (the top of this file says how).
#include "engine/cgame_members.h"
#include "game/board/cgame_members.h"
#include "game/level/cgame_members.h"
#include "game/menus/cgame_members.h"
#include "game/shell/cgame_members.h"
#include "game/world/cgame_members.h"
};
