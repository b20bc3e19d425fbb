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

  // ---- Ending scene (game/world/ending_scene.cpp) ----
  // Phase p of the scene: the back buffer black (phase 0) or holding the last picture, the
  // clock, lists and script reset; before phases 0 to 3 the last phase's actors released and
  // the full-screen effect on; then the phase's dialogue or script and its actors (phase 4: the
  // text, the left soft key); the background actors once.
  static void updateState31(int32_t phase);
  // The six background actors of slot 24, hidden, each waiting -(2 .. 2000) ms to fly.
  static void spawnState31Actors();
  // Once a frame: the clock; an answered line (a skip leaves the scene); the script's or the
  // dialogue's next step; the actors.
  static void stepState31();
  // State 31: the scene in a 480 x 640 canvas; in phase 4 fire, a tap or the left soft key
  // loads the main menu (kinds 22 and 1). Its exit gives the canvas its 480 x 800 again.
  static void stateScreen31(int32_t message);
