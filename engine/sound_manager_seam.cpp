// Stand-in for the sound manager's slots until it lands: no slot holds sound data yet, so
// freeing one has nothing to free.
#include "engine/mqlib_player.h"

void MQLibPlayer::soundFree(int32_t) {}
