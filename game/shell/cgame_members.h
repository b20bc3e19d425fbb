// cGame's members of the shell: its start-up values, the states and their dispatcher, input,
// the frame loop and saved progress. Included inside cGame's class body by game/cgame.h (no
// include guard); the types named here are declared in game/shell/cgame_statics.h. One banner
// per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Static initialisation (game/shell/static_init.cpp) ----
  // The shell's start-up values: the canvas size that later initialisers derive sizes from.
  static void clinitTables();
