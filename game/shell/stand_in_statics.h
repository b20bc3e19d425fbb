// Stand-ins for statics that the saved progress and the level file header bring (the level's
// stage, its time bonus and intro list, two settings): declared here, under their own names,
// until their own lists land; then this file goes.
#pragma once

#include <cstdint>

class IntArray;

// currentStage: the level's stage; timeBonus: the points of result 2. firstPlayHints: 1 while
// the first-play hints are still to be shown; hudOrderOption: 0 or 1. introCount, introTexts,
// introSpeakers: the level's intro list (int[6] each).
#define PLIMORA_STATICS_cGame_standIns(REF, VALUE) \
  VALUE(cGame, int32_t, currentStage)              \
  VALUE(cGame, int32_t, timeBonus)                 \
  VALUE(cGame, int32_t, firstPlayHints)            \
  VALUE(cGame, int32_t, hudOrderOption)            \
  VALUE(cGame, int32_t, introCount)                \
  REF(cGame, IntArray, introTexts)                 \
  REF(cGame, IntArray, introSpeakers)
