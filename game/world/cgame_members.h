// cGame's members of the in-game world and its scene. Included inside cGame's class body by
// game/cgame.h (no include guard); the types named here are declared in game/world/cgame_statics.h.
// One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Play state (game/world/pending_world.cpp until the play state lands) ----
  static void statePlay(int32_t message);

  // ---- Level build (game/world/level_build.cpp) ----
  // The level from levelData after its header: the board started, the layout of its type,
  // the colours masked when the header says so, the shot sequence, the trigger rules and the
  // scene's play bands. A bad count or index stops the body (stopLevelBody).
  static void buildLevel();
  // The type-0 layout at the cursor for stage currentStage: every bunch's place, type and
  // values; its bubbles of that stage placed (appearing one by one in a later stage of a level
  // that is no lesson); then positions, the board survey and a shuffle of the live bubbles.
  static void readLevelLayout(ByteArray* data);
  // A pool bubble of the colour in bunch b at (col, row) (the key bubble at (0, 0)) with flags
  // added, placed and filed in the grid; null, nothing placed, when the pool is exhausted.
  static Bubble* placeNewBubble(int32_t colour, int32_t b, int32_t col, int32_t row,
                                int32_t flags);
  // The shot sequence at the cursor: i32 count, then the kinds, the first one stored last.
  static void readShotSequence(ByteArray* data);

  // ---- Stage loading (game/world/stage_loading.cpp) ----
  // The next stage of a type-0 or type-3 level (currentStage already advanced): the level
  // reread from its pack, its header and the layout of that stage.
  static void loadNextStage();
  // Type 3: the layout, with bunch currentStage riding the rising floor at the top.
  static void readSceneryLayout(ByteArray* data);
  // Type 8: the track and its bubbles, each its own bunch, laid along the track.
  static void placeLevelBubbles(ByteArray* data);
  // Type 2: the stage tables, the top row and the first generated layouts.
  static void buildWaveLevel(ByteArray* data);

  // ---- Level actors (game/world/level_actors.cpp) ----
  // The scenery of entry `entry` of the scenery pack: sprites (kept on a retry) and actors
  // in layer 4, one per record at depth = its number from 1.
  static void spawnLevelActors(bool keepSprites, int32_t entry);
  // Type 4's walker slots: a creature and its carried bubble each, the old ones freed first.
  static void createLevelProps();
  // The flying carrier's two hidden actors, and its state idle.
  static void createFlyerActors();
  // The walking carrier's two hidden actors, and its state idle.
  static void createWalkerActors();
  // The four HUD meter actors from the HUD players' sprites.
  static void createMeterActors();

  // ---- Stand-ins for later subsystems (game/world/pending_world.cpp) ----
  // Each does nothing until its own file lands.
  static void addLevelTarget(Bubble* bubble);
  static void allocTargetLists(int32_t count);
  static void evaluateBoardRows();
  static void selectStage(int32_t stage);
  static void computePlayBands();

  // ---- World services the loader calls (game/shell/pending_loader_seams.cpp) ----
  // Do nothing until their subsystem lands; the loader calls them.
  static void createBossKind0();
  static void createBossKind1();
  static void createBossKind2();
  static void createBossKind3();
  static void createLevelEndActors();
  static void createHudActors();

  // ---- World operations not built yet (game/world/pending_world.cpp) ----
  // A target bubble hit from `side` fills its slot (stand-in: nothing).
  static void fillTargetSlot(Bubble* bubble, int32_t side);

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

  // ---- Level-type rules (game/world/level_type_updaters.cpp) ----
  // Level type 7: the row clock advances by the frame; the next row of rowTemplate is built
  // into a free bunch slot (type 13, appearance 42, falling at twice rowSpeed) once its time
  // has come, and waits while no slot is free. Traces "feeder row I".
  static void updateRowFeeder();
