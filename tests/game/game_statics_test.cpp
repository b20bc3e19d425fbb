// The names the board, level, world and menu code give some of the shell's statics are the
// shell's fields themselves: a write through either name is read through the other.
#include "game/game_statics.h"

#include <gtest/gtest.h>

#include "game/cgame.h"
#include "tests/support/runtime_fixture.h"

namespace {

using StaticAliasTest = RuntimeTest;

TEST_F(StaticAliasTest, EachAliasNamesTheShellsOwnField) {
  GameStatics* s = Statics<GameStatics>();
  struct Alias {
    const char* name;
    const void* alias;
    const void* field;
  };
  const Alias kAliases[] = {
      {"screenWidth", &s->cGame_screenWidth(), &s->cGame_canvasWidth},
      {"screenHeight", &s->cGame_screenHeight(), &s->cGame_canvasHeight},
      {"currentGraphics", &s->cGame_currentGraphics(), &s->cGame_drawGraphics},
      {"backBufferImage", &s->cGame_backBufferImage(), &s->cGame_backBuffer},
      {"soundEffectsOn", &s->cGame_soundEffectsOn(), &s->cGame_sfxEnabled},
      {"musicOn", &s->cGame_musicOn(), &s->cGame_musicEnabled},
      {"gameRandom", &s->cGame_gameRandom(), &s->cGame_sharedRandom},
      {"menuEntryLists", &s->cGame_menuEntryLists(), &s->cGame_menuLists},
      {"retryRequested", &s->cGame_retryRequested(), &s->cGame_levelRestart},
      {"levelKind", &s->cGame_levelKind(), &s->cGame_levelVariant},
  };
  for (const Alias& a : kAliases) EXPECT_EQ(a.alias, a.field) << a.name;
  s->cGame_screenHeight() = 640;
  EXPECT_EQ(s->cGame_canvasHeight, 640);
  EXPECT_EQ(cGame::resetTriggerState, &cGame::resetTriggerBookkeeping);
}

}  // namespace
