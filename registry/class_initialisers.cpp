// The order of the class initialisers. The steps named after a group of values set the game's
// inline initial values. A step without a function belongs to a class that is not built yet:
// it keeps its place in the order until that class fills it in.
#include "runtime/class_initialisers.h"

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "javame/boxed.h"
#include "javame/runtime.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

struct ClassInitialiser {
  const char* name;
  void (*run)();
};

constexpr ClassInitialiser kClassInitialisers[] = {
    {"game: sound and animation defaults", &MQLibPlayer::staticInit},
    {"cGame::clinitTables", &cGame::clinitTables},
    // The level header's six-entry tables and its other arrays.
    {"cGame::initLevelHeaderTables", &cGame::initLevelHeaderTables},
    // The board's work arrays: the bunch table.
    {"cGame::initBoardTables", &cGame::initBoardTables},
    // Both read the canvas size that cGame::clinitTables sets.
    {"Bubble::staticInit", &Bubble::staticInit},
    {"cActor::staticInit", &cActor::staticInit},
    {"game: two small int tables", &cGame::clinitSmallTables},
    {"cGame::clinitColours", &cGame::clinitColours},
    {"game: four derived values", &cGame::clinitDerivedValues},
    {"cGame::clinitLayout", &cGame::clinitLayout},
    {"cGame::clinitPanelRect", &cGame::clinitPanelRect},
    {"game: three two-element int tables", &cGame::clinitOptionPairs},
    {"java_lang_System::clinit", &java_lang_System::clinit},
    {"java_lang_Boolean::clinit", &java_lang_Boolean::clinit},
    {"cGame::clinitFlags", &cGame::clinitFlags},
    {"game: three further values", &cGame::clinitFurtherValues},
    {"cGame::clinitStringTables", &cGame::clinitStringTables},
    {"ASprite::staticInit", &ASprite::staticInit},
    {"game: two values from the loaded tables", &cGame::clinitLoadedTableValues},
    {"game: three layout values", &cGame::clinitLayoutValues},
    {"java_lang_Runtime::clinit", &java_lang_Runtime::clinit},
};

}  // namespace

void RunClassInitialisers() {
  for (const ClassInitialiser& step : kClassInitialisers) {
    if (!step.run) continue;
    MethodTraceScope scope(step.name);
    step.run();
  }
}
