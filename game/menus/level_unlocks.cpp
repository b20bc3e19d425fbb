// The levels that winning a level opens on the level-select map. The link table lives in the
// level-select layouts, which are not read yet.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/trace.h"

// Stand-in until the menus' layouts land: opens nothing and says so, so a test or a run sees
// that it was asked. Returns -1, no layout item.
int32_t cGame::collectNewlyUnlocked(int32_t level, int32_t world) {
  DebugLog("cGame::collectNewlyUnlocked(%d, %d): no level-select layout is loaded; nothing opened",
           level, world);
  return -1;
}
