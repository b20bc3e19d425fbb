// The second walk over a type-0 level's bunch layout, which learns the bunch types it uses.
#include "game/cgame.h"
#include "game/game_statics.h"

// Stand-in until the level format's readers land: reads nothing and leaves the cursor.
void cGame::readLevelObjectRecords(ByteArray*) {}
