// cGame's members of the in-game world and its scene. Included inside cGame's class body by
// game/cgame.h (no include guard); the types named here are declared in game/world/cgame_statics.h.
// One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Play state (game/world/play_state.cpp) ----
  // State 17: the touch bar, the phase machine, the world, the launcher and the pause test;
  // the scene and, on the level-end screen, the blinking prompt.
  static void statePlay(int32_t message);
  // One step of the phase machine: the opening (0..7) and play (9) here, the level end
  // (10..23) in updateLevelEnd.
  static void updatePlay();
  // The boss of a lost level goes to its state 1002 (kinds 2, 5 and 3).
  static void bossOnLevelLost();

  // ---- Level end (game/world/play_level_end.cpp) ----
  // Phases 10 to 23: the level's end, its rating and result, the banner, fireworks, dialogue,
  // awards, the level-end screen, the retry question and the load that leaves the level.
  static void updateLevelEnd();

  // ---- World update (game/world/world_update.cpp) ----
  // The world's twenty steps in their fixed order (game/world/world_steps.h).
  static void updateWorld();
  // The bubbles' step: colour masks, indestructibles, bunches, removals, re-filing, the
  // bubble updates from a rotating start, the board survey, collisions, the stage end.
  static void updateWorldObjects();

  // ---- Shooter (game/world/shooter.cpp) ----
  // The launcher's frame: aim, places, events, its state machine, the aim guide.
  static void updateShooter();
  // The two preview bubbles pop where they stand; the launcher ends (state 6).
  static void popPreviewBubbles();
  // The aim guide's ten dots made again, hidden; the guide off.
  static void createAimDots();

  // ---- Shooter set-up (game/world/shooter_setup.cpp) ----
  // launcherX at the centre, the aim limit, the 51 aiming frames and the launcher's sprite.
  static void resetLauncherPosition();
  // The launcher's place and aim reset, its three actors made, the first two kinds chosen.
  static void createShooterActors();
  // The current (next) preview bubble changes to colour through the change effect; without
  // one it changes at once.
  static void changeCurrentBubble(int32_t colour);
  static void changeNextBubble(int32_t colour);

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

  // ---- World services the loader calls (game/shell/pending_loader_seams.cpp) ----
  // Do nothing until their subsystem lands; the loader calls them.
  static void createBossKind0();
  static void createBossKind1();
  static void createBossKind2();
  static void createBossKind3();
  static void createLevelEndActors();

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

  // ---- The level-end screen and the results overlay (game/world/level_end.cpp) ----
  // The screen for a level of type kind: soft keys off, the panel's background player, the
  // hidden rating actor, the results table by kind (4: B, 2: C, any other: A) and a little
  // bubble over every started 33 px of each value, right to left from the value's end.
  static void buildLevelEndScreen(int32_t kind);
  // By phase: 5 and 6 the level title, 16 the won or lost text, 21 the results table.
  static void paintResultsOverlay();

  // ---- Scene painters not built yet (game/world/pending_world.cpp) ----
  static void paintAimLine();
  static void paintResultsTable();

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

  // ---- Level type 2, the waves (game/world/wave_mode.cpp) ----
  // A pending row comes onto the board (traced "wave row N"; a row the pool has no room for
  // stays pending); stageShotsPerRow landed shots, or a board down to its top row, make the
  // next one pending; the stage's specials goal met selects the next stage (200 points, the
  // banner, waveStep; traced "wave stage N"); hudProgress the percent of the goal.
  static void updateWaveMode();
  // Text 227 in font 4, centred, blinking on bit 0x100 of the tick while the banner runs.
  static void paintWaveText();

  // ---- Level type 3, the rising floor (game/world/rising_floor.cpp) ----
  // The floor's two actors, the goal event when the board is down to row 0, the floor step
  // once the step's pops are over (traced "floor step N"), the launcher's shakes before it,
  // the launcher and meters on the floor, dust every 50 ms and ambient actors.
  static void updateMode3Scenery();

  // ---- Level type 6, the timed drops (game/world/timed_drops.cpp) ----
  // The drop clock (held at 0 over the first two frames); the due drops in index order, or
  // the next one at once on an empty board, each waiting for a free bunch slot; event 51
  // once dropHealth is below 1; the goal counter text.
  static void updateTimedDrops();
  // Drop i into bunch slot `slot`: a falling type-0 bunch above the screen (traced "drop I").
  static void spawnTimedDrop(int32_t slot, int32_t i);

  // ---- Level type 5, the belt (game/world/belt.cpp) ----
  // The belt bunches move by the frame and wrap from end to end; an emptied one is built again
  // from its template while off the screen (traced "belt refill I"); the flyer timer sends a
  // flyer across when it runs out and is re-armed from the delay range.
  static void updateScrollingBunches();

  // ---- Starters of thrown bubbles and target creatures (game/world/bubble_starters.cpp) ----
  // The bubble sits in bunch 0..9, its link on `side` is empty and the cell there may take a
  // bubble (canPlaceNeighbour, the danger line counting).
  static bool linkFreeNeighbour(Bubble* bubble, int32_t side);
  // A free thrown-bubble entry aimed from bunch b's centre at a bubble in play drawn by the
  // game generator among those with side 1 or 2 free; its actor (slot 25, animation kind) and
  // sound 27. No free entry, no lists or no candidate: nothing.
  static void throwBubbleFromBunch(int32_t b, int32_t kind);
  // The first free special target slot takes bubble (kind = its colour - 29), picks its next
  // side avoiding `skip`, spawns its creature (slot 49) and makes its first hop; all three
  // taken: nothing.
  static void fillTargetSlot(Bubble* bubble, int32_t skip);

  // ---- Level-type rules (game/world/level_type_updaters.cpp) ----
  // Level type 7: the row clock advances by the frame; the next row of rowTemplate is built
  // into a free bunch slot (type 13, appearance 42, falling at twice rowSpeed) once its time
  // has come, and waits while no slot is free. Traces "feeder row I".
  static void updateRowFeeder();

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

  // ---- Bunch collisions (game/world/bunch_collisions.cpp) ----
  // The bunches that touch this frame into bunchContacts; one push per touching pair, a
  // falling row (type 15) merged into what it touches, a match of one colour across two
  // bunches popped and scored. Nothing in level type 8 or with fewer than two bunches.
  static void collideBubbleBunches();
  // Each bunch of two or more (not a lock) that bunch c's anchor cuts through loses the last
  // member inside the anchor's rectangle 0, and what then hangs on nothing.
  static void cutBunchesWithAnchor(int32_t c);

  // ---- Stand-ins until their concerns land (game/world/pending_world.cpp) ----
  // Each does nothing; a query gives its neutral answer (-1: no award).
  static void updateLevelType4Objects();
  static void updateFlyer();
  static void updateWalkerThrow();
  static void updateSlots();
  static void updateThrownBubbles();
  static void updateBossKind0();
  static void updateBossKind1();
  static void updateBossKind2();
  static void updateBossKind3();
  static void updateTargetObjects();
  static void updateSteeredActor();
  static void stepLessonScript();
  static void setBossStateKind2(int32_t state);
  static int32_t checkAchievements(int32_t after);
  static void clearPlaySelection();
  static void releaseSlotOf(Bubble* bubble);
  static void objectOnBubbleRemoved(Bubble* bubble);
