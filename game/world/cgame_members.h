// cGame's members of the in-game world and its scene. Included inside cGame's class body by
// game/cgame.h (no include guard); the types named here are declared in game/world/cgame_statics.h.
// One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Play state (game/world/play_state.cpp) ----
  static void statePlay(int32_t message);

  // ---- Level chooser (game/world/level_chooser.cpp) ----
  // State 8: the worlds as rows of level numbers; keys or a tap move the highlight, confirm
  // loads the level into the play state, back loads the main menu.
  static void statePreGame(int32_t message);
