// A level header whose every value differs, written by the data builder's level writer and
// read back by the game's reader in the tests of both. Bytes 32 to 56 equal their offsets.
#pragma once

#include "tools/databuild/level_writer.h"

inline databuild::LevelHeader DistinctLevelHeader() {
  databuild::LevelHeader h;
  h.levelType = 3;
  h.flags = 1;
  h.actorSet = -2;
  h.kept = {4, -5, 600, 8, 9, -1000};
  h.shotSequenceRepeats = -1;
  h.countdown = true;
  h.flag14 = true;
  h.unlockItem = 14;
  h.kept16 = -16;
  h.fastTime = 20000;
  h.timeBonus = 2400;
  h.slowTimeSpan = 28000;
  h.specialChance = 32;
  h.specialBaseChance = 33;
  h.specialChanceStep = 34;
  for (int k = 0; k < 22; k++) h.specialWeights[k] = 35 + k;
  for (int i = 0; i < 13; i++) h.params.push_back(1000 + i);
  return h;
}
