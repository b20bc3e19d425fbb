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

  // ---- Stand-ins until their concerns land (game/world/pending_world.cpp) ----
  // Each does nothing; a query gives its neutral answer (false, -1, or closed for the panel).
  static void updateWaveMode();
  static void updateMode3Scenery();
  static void updateLevelType4Objects();
  static void updateScrollingBunches();
  static void updateTimedDrops();
  static void updateRowFeeder();
  static void updateLevelType8();
  static void updateHudMeters();
  static void flushBubbleEvents();
  static void updateFlyer();
  static void updateWalkerThrow();
  static void updateSlots();
  static void updateThrownBubbles();
  static void showScoreLabel();
  static void updateHudTimer();
  static void updateBossKind0();
  static void updateBossKind1();
  static void updateBossKind2();
  static void updateBossKind3();
  static void updateSlidingBanner();
  static void updateBubbleBunches();
  static void evaluateBoardRows();
  static void collideBubbleBunches();
  static void updateTargetObjects();
  static void updateSteeredActor();
  static bool isAnyTargetHit();
  static void loadNextStage();
  static void markAllTargets();
  static void stopAllEffectSlots();
  static bool hasLevelObjectList();
  static int32_t bestType7BunchValue();
  static int32_t pickMostCommonColour(int32_t avoid);
  static void updateShooterHud();
  static void stepLessonScript();
  static void setBossStateKind2(int32_t state);
  static void setBossStateKind3(int32_t state);
  static void setHudMeterAnims(bool won);
  static void startSlidingBanner(int32_t x, int32_t y, bool fromBottom);
  static void buildLevelEndScreen(int32_t kind);
  // Layers 4, 5 and 1 on the screen (nothing into the back buffer) until the scene paint.
  static void paintScene(bool toBackBuffer, bool dim, int32_t colour);
  static int32_t checkAchievements(int32_t after);
  static bool updateInfoPanel();
  static void clearPlaySelection();
  static void releaseSlotOf(Bubble* bubble);
  static void objectOnBubbleRemoved(Bubble* bubble);
