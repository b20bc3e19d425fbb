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
