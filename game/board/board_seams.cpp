// The board's operations whose concerns are not built yet: the level objects' and the bosses'
// reactions, the overlay panel, and the level state that the board's end
// releases. Each does nothing until its own file replaces it.
#include "game/board/board_seams.h"

#include "game/board/bubble.h"
#include "game/cgame.h"

void cGame::setupOverlayPanel(int32_t, int32_t, int32_t, int32_t, int32_t, IntArray*) {}
void cGame::clearSceneryCounters() {}
void cGame::releaseLevelObjects() {}

// ---- Stand-ins the shot's flight and the pops call, logged ------------------------------
// Each stand-in does nothing but log its call (BoardSeamCalls, a bubble by its index);
// the level objects and the bosses replace them with their own.

std::vector<BoardSeamCall>& BoardSeamCalls() {
  static std::vector<BoardSeamCall> calls;
  return calls;
}

namespace {

int32_t Arg(const Bubble* bubble) {
  return bubble ? bubble->index : -1;
}

template <class... Args>
void Log(const char* name, Args... args) {
  BoardSeamCalls().push_back({name, {Arg(args)...}});
}

}  // namespace

void cGame::bubbleHitsType4Object(Bubble* bubble) {
  Log("bubbleHitsType4Object", bubble);
}
void cGame::objectOnBubbleGone(Bubble* bubble) {
  Log("objectOnBubbleGone", bubble);
}
void cGame::bubbleHitsFlyer(Bubble* bubble) {
  Log("bubbleHitsFlyer", bubble);
}
void cGame::bubbleHitsWalker(Bubble* bubble) {
  Log("bubbleHitsWalker", bubble);
}
void cGame::bubbleReachedGoal(Bubble* bubble) {
  Log("bubbleReachedGoal", bubble);
}
void cGame::bossHitByBubble(Bubble* bubble) {
  Log("bossHitByBubble", bubble);
}
