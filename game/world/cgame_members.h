// cGame's members of the in-game world and its scene. Included inside cGame's class body by
// game/cgame.h (no include guard); the types named here are declared in game/world/cgame_statics.h.
// One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Play state (game/world/play_state.cpp) ----
  static void statePlay(int32_t message);

  // ---- World services the loader calls (game/shell/pending_loader_seams.cpp) ----
  // Do nothing until their subsystem lands; the loader calls them.
  static void buildLevel();
  static void spawnLevelActors(bool restart, int32_t set);
  static void createBossKind0();
  static void createBossKind1();
  static void createBossKind2();
  static void createBossKind3();
  static void createShotActors();
  static void createAuxShotActors();
  static void createLevelEndActors();
  static void createLevelGuide();
  static void createHudActors();
  static void createLevelProps();

  // ---- Level chooser (game/world/level_chooser.cpp) ----
  // State 8: the worlds as rows of level numbers; keys or a tap move the highlight, confirm
  // loads the level into the play state, back loads the main menu.
  static void statePreGame(int32_t message);

  // ---- Scene text (game/world/scene_screens.cpp) ----
  // Text 291 with the application's version, wrapped to the canvas width - 20 in the body
  // font (at most 2000 lines), its top just below the screen.
  static void setupScreen18();
  // The text in the font's second palette, its top at textScrollY, centred on the canvas.
  static void paintFramedPanel();
  // State 18: the text over black; the right soft key goes to the options.
  static void stateScreen18(int32_t message);

  // ---- Generated rows of level type 2 (game/world/random_rows.cpp) ----
  // A new top row of 11 colour-39 bubbles above bunch 0, every bubble one row down, the old top
  // row coloured (waveSlots while pendingRows, else drawn; special columns by the stage's
  // chance). With fewer than 11 bubbles left in the pool no row is built (traced).
  static void generateRandomLevel();
