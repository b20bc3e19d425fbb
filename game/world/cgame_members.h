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
  static void createLevelProps();

  // ---- The in-game scene (game/world/scene_paint.cpp) ----
  // The whole scene in its fixed order; toBackBuffer paints it into the back buffer (the
  // frozen copy, the overlay still on the frame); from phase 18 a direct paint shows that
  // copy and the overlay only; dim fills the screen in colour over the HUD.
  static void paintScene(bool toBackBuffer, bool dim, int32_t colour);
  static void paintScene();  // (false, false, 0)
  // Pass 5: ropes of types 9 and 11 and the carrier's bubble of type 5; pass 1: the links
  // of type-14 chains, hanging chains of types 1 and 6, the type-14 marker.
  static void paintBunchRopes(int32_t pass);
  // One frame tiled down x from yTop to yBottom (or along y from xStart to xEnd) at places
  // fixed modulo its size that move with phase, under a clip; then the whole screen again.
  static void paintChainColumn(ASprite* sprite, int32_t frame, int32_t x, int32_t yTop,
                               int32_t yBottom, int32_t phase);
  static void paintChainRow(ASprite* sprite, int32_t frame, int32_t xStart, int32_t y,
                            int32_t xEnd, int32_t phase);
  // The ring boss's weak points and feeder spark; the wrapper only for boss kind 3.
  static void paintBossEmitters();
  static void paintRingBossEmitters();
  static void paintTargetEmitters();
  // bandTop and the 16.16 bands at 0, 25, 50 and 75 percent of the play area; pairTopY.
  static void computePlayBands();
  // The current lesson step's hint in the popup (none: nothing); lessonPhase := 4.
  static void showNextCharacterLine();

  // ---- Scene painters not built yet (game/world/pending_world.cpp) ----
  static void paintLightBeams();
  static void paintAimLine();
  static void paintWaveText();
  static void paintResultsOverlay();
  static void paintLevelType7Track();

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
