// cGame's members of the bubble board: bubbles, the grid, the shooter, the bunches and the actors.
// Included inside cGame's class body by game/cgame.h (no include guard); the types named here are
// declared in game/board/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Wrapped text (game/board/text_lines.cpp) ----
  // Lines first .. first + count - 1 (count -1: all the rest) of text as lines holds them
  // (ASprite::wrapText's table), one line height apart from y, placed by anchor (1 centre, 8
  // right, 2 middle, 32 bottom) about x; with charLimit >= 0 only that many characters from
  // the first line's start are drawn.
  static void drawTextLines(ASprite* font, javax_microedition_lcdui_Graphics* g, String* text,
                            ShortArray* lines, int32_t y, int32_t first, int32_t count,
                            int32_t anchor, int32_t x, int32_t charLimit);

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

