// cGame's members of the bubble board: bubbles, the grid, the shooter, the bunches and the actors.
// Included inside cGame's class body by game/cgame.h (no include guard); the types named here are
// declared in game/board/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Spawning actors (game/board/actor_spawn.cpp) ----
  // Each takes the first free actor of the pool and links it into `layer` (none when
  // negative); null, with a trace line and nothing changed, when all 300 are in use.
  // A sprite actor (state 100) playing anim of sprite in `mode` at depth z, with its end event.
  static cActor* spawnActor(ASprite* sprite, int32_t palette, int32_t x, int32_t y, int32_t anim,
                            int32_t z, int32_t mode, int32_t layer, int32_t event);
  static cActor* spawnActorNoExtra(ASprite* sprite, int32_t palette, int32_t x, int32_t y,
                                   int32_t anim, int32_t z, int32_t mode, int32_t layer);
  // A width x height rectangle from colourA to colourB by fillGradientRect's mode.
  static cActor* spawnGradientBox(int32_t x, int32_t y, int32_t width, int32_t height,
                                  int32_t colourA, int32_t colourB, int32_t mode, int32_t z,
                                  int32_t layer);
  // Text textId centred at (x, y), kept off the side walls; it blinks, rises and goes.
  static cActor* spawnFloatingText(int32_t textId, int32_t x, int32_t y, int32_t layer);
  // An actor that owns a particle emitter started from definition `kind`; null when no
  // emitter is free.
  static cActor* spawnEmitterActor(int32_t kind, int32_t palette, int32_t x, int32_t y, int32_t z,
                                   int32_t layer);
  // A path search's marker of bubble's cell in layer 6 (value first in its key), reached from
  // owner: the lower value wins and a tie keeps the older marker; null when the new one loses.
  static cActor* spawnCellMarker(Bubble* bubble, int32_t value, Bubble* owner);
  // The rising bubble at (x, y) in layer 1 (slot 25's appearance, then its looping rise), held
  // in trackedActor with its place and speeds in 8.8; posts 40, which hides the launcher.
  static cActor* spawnTrackedActor(int32_t x, int32_t y);


  // ---- Bubble's tables (game/board/bubble_static_init.cpp) ----
  // The maths pack's copies of the direction steps and opposites (from origin, for the trace)
  // replace the board's own tables when they hold the same six values each; otherwise traced.
  static void adoptDirectionTables(ByteArray* dx, ByteArray* dy, ByteArray* opposite,
                                   const char* origin);

  // ---- The bubble pool (game/board/bubble_pool.cpp) ----
  // Releases the rising bubble's actor (its layer, player and emitter); trackedActor := null.
  static void releaseTrackedActor();
  // A matchable bubble: colour below 7, not indestructible; false for null.
  static bool isMatchableBubble(Bubble* bubble);

  // ---- Cells and the play area (game/board/bubble_geometry.cpp) ----
  // The side walls' widths in pixels, and the bounds of a bubble's centre between them:
  // playLeft = (leftWall + 18) << 16, playRight = (canvasWidth - (rightWall + 18)) << 16.
  static void setPlayArea(int32_t leftWall, int32_t rightWall);

  // ---- The bunch table (game/board/bunch_table.cpp) ----
  // The class initialiser's step of the board: the bunch table of 10 empty slots.
  static void initBoardTables();

  // ---- Operations not built yet (game/board/board_seams.cpp) ----
  // Clears the ten bunches and the table's totals.
  static void clearAllBunches();
